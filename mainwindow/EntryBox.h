#pragma once

#include <QColor>
#include <QLineEdit>
#include <QString>

#include <functional>

// The frame colour of the main window's entry boxes, also the colour of the mark on a value a
// box does not take as what it asks for.
QColor EntryBoxFrameColour();

// A one-line entry box that marks text it does not take as what it asks for (a value that is
// not a number, a time that is not a time): a dashed underline and a turned-down corner in its
// frame colour (shapes, not a colour alone), while its tooltip and description say why, ahead
// of its own tip.
class EntryBox : public QLineEdit {
public:
    // accepts: whether a text is what the box asks for; szWarning: what the box says while
    // it is not.
    EntryBox(QWidget* parent, std::function<bool(const QString&)> accepts, QString szWarning);

    // Sets the box's own tip and description (shown after the warning while it is marked).
    void SetTip(const QString& szTip);
    // What a screen reader is told first about the box (which reading it holds); empty for
    // nothing.
    void SetContext(const QString& szContext);
    // Whether the box shows its mark now.
    bool Marked() const { return m_bMarked; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateMark(bool bForce = false);

    std::function<bool(const QString&)> m_accepts;
    QString m_szWarning;
    QString m_szTip;
    QString m_szContext;
    bool m_bMarked = false;
};

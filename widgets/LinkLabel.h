#pragma once

#include <QLabel>

// A label that works as a command: clicked with the mouse (pressed and released over it), or
// with Enter or Space while it has the keyboard focus, which it takes by Tab. It looks as a
// label does (its window draws the focus frame around it, where the frame covers no letter),
// and a screen reader finds it as a button (or a link) that can be pressed.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    // bLink: announced as a link (it opens a web page) rather than a button.
    explicit LinkLabel(const QString& szText, bool bLink, QWidget* parent = nullptr);

    bool IsLink() const { return m_bLink; }

signals:
    // The command was given.
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_bLink = false;
    bool m_bPressed = false;
};

// Makes screen readers see every LinkLabel as a command; called once by the application.
void InstallLinkLabelAccessibility();

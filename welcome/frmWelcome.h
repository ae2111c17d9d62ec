#pragma once

#include "widgets/FramelessWindow.h"

#include <QList>

class QLabel;

// The welcome window shown on a first run: a picture with a welcome and advice on taking
// one's blood pressure, in the user's language, two close commands, dragged by its background.
class frmWelcome : public FramelessWindow {
    Q_OBJECT
public:
    explicit frmWelcome(QWidget* parent = nullptr);
    ~frmWelcome() override;

    // Shows the window modally and returns when it has hidden itself.
    void ShowModal();

    PictureButton* btClose = nullptr;
    PictureButton* btClose2 = nullptr;
    // The window's words, one label to each block of the picture (its titles, its introduction,
    // each piece of advice), in reading order; the mouse passes through them to drag.
    QList<QLabel*> lblWords;

public slots:
    // Both close commands: fade out, then hide.
    void btClose_Click();
    void btClose2_Click();

protected:
    // Escape closes the window as its close buttons do.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Writes the words over the picture, each block in its place, font and colour.
    void BuildWords();
};

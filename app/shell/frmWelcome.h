#pragma once

#include "app/shell/FramelessWindow.h"

class PictureButton;

// The welcome window shown on a first run: a picture with a welcome and advice on taking
// one's blood pressure, two close commands, dragged by its background.
class frmWelcome : public FramelessWindow {
    Q_OBJECT
public:
    explicit frmWelcome(QWidget* parent = nullptr);
    ~frmWelcome() override;

    // Shows the window modally and returns when it has hidden itself.
    void ShowModal();

    PictureButton* btClose = nullptr;
    PictureButton* btClose2 = nullptr;

public slots:
    // Both close commands: fade out, then hide.
    void btClose_Click();
    void btClose2_Click();
};

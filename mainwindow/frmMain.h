#pragma once

#include "FramelessWindow.h"

// The main window: calendar, the four entry boxes, the chart and the commands.
class frmMain : public FramelessWindow {
    Q_OBJECT
public:
    // Loads the window: restores its position, fills the chart, shows the selected day.
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Closes the other windows of the program and stores the window position.
    void Form_Unload();
};

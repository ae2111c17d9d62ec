#pragma once

class QWidget;

// Sends what was changed on a window (its opacity) to the window system now, without
// repainting the window. Where the platform passes such changes on at once, does nothing.
void SendWindowChanges(QWidget* window);

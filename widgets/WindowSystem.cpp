#include "widgets/WindowSystem.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(TLG_HAVE_XCB) && QT_CONFIG(xcb)
#define TLG_SENDS_TO_X11
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

void SendWindowChanges(QWidget* window) {
    if (window == nullptr || window->windowHandle() == nullptr) {
        return;
    }
#if defined(TLG_SENDS_TO_X11)
    // Qt's X11 backend queues the property change; it would leave only with the next repaint
    // or the next pass of the event loop, so a run of changes would reach the server as one.
    // (Other platforms, the offscreen one among them, may answer for X11 without a connection.)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (xcb_connection_t* connection = x11->connection()) {
            xcb_flush(connection);
        }
    }
#endif
}

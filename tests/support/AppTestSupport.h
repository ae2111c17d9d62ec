#pragma once

#include <QMessageBox>
#include <QString>
#include <QtGlobal>

// Window opacity, masks and raising are not supported by the offscreen platform, which says so
// each time;
// call once the test runner's own message handler is in place.
inline void HideOpacityWarnings() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& szMessage) {
            if (!szMessage.contains(QLatin1String("This plugin does not support"))) {
                previous(type, context, szMessage);
            }
        });
}

// One message box the program asked for, as the test seam saw it.
struct MessageBoxCall {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString szTitle;
    QString szText;
    QMessageBox::StandardButtons buttons;
};

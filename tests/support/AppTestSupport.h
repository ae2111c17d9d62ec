#pragma once

// What every test of the windows shares: quiet offscreen warnings, one record of the message
// boxes the program asked for, and scoped test hooks that are always put back.

#include "tests/support/ScopedHook.h"
#include "widgets/modUtils.h"

#include <QMessageBox>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <utility>
#include <vector>

// Window opacity, masks and raising are not supported by the offscreen platform, which says so
// each time; call once the test runner's own message handler is in place.
inline void HideOpacityWarnings() {
    static QtMessageHandler previous = nullptr;
    static const bool bInstalled = [] {
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& szMessage) {
                if (!szMessage.contains(QLatin1String("This plugin does not support")) &&
                    !szMessage.contains(QLatin1String("does not support setting window opacity")) &&
                    previous != nullptr) {
                    previous(type, context, szMessage);
                }
            });
        return true;
    }();
    Q_UNUSED(bInstalled);
}

// One message box the program asked for, as the test seam saw it.
struct MessageBoxCall {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString szTitle;
    QString szText;
    QMessageBox::StandardButtons buttons;
};

// Answers every message box (with a fixed button, or as a function decides) and remembers
// what was shown.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : MessageBoxRecorder([answer](const MessageBoxCall&) { return answer; }) {}
    explicit MessageBoxRecorder(
        std::function<QMessageBox::StandardButton(const MessageBoxCall&)> answer)
        : m_hook(SetMessageBoxHandler,
                 [this, answer = std::move(answer)](QMessageBox::Icon icon, const QString& szTitle,
                                                    const QString& szText,
                                                    QMessageBox::StandardButtons buttons) {
                     shown.push_back({icon, szTitle, szText, buttons});
                     return answer(shown.back());
                 }) {}

    std::vector<MessageBoxCall> shown;

private:
    ScopedHook<MessageBoxHandler> m_hook;
};

#pragma once

// Shared helpers of the main window's tests: a fresh document, a shown and active window,
// typing as a person types, answering message boxes and a private settings store.

#include "diary/ReadingsSchema.h"
#include "diary/modGlobals.h"
#include "mainwindow/frmMain.h"
#include "tests/support/AppTestSupport.h"
#include "widgets/FramelessWindow.h"
#include "widgets/LinkLabel.h"
#include "widgets/modUtils.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>
#include <vector>

namespace tlgtest {

// Starts a new, empty document as start-up does on a first run.
inline void NewDocument() {
    StartEmptyDocument();
}

// Adds a day entry with its four values.
inline void AddDay(const QString& szKey, const QString& szS, const QString& szD, const QString& szP,
                   const QString& szC = QString()) {
    const DayEntryTags tags = CreateDayEntry(objReadings, szKey);
    tags.objSystolicTag->szValue = szS;
    tags.objDiastolicTag->szValue = szD;
    tags.objPulseTag->szValue = szP;
    tags.objCommentTag->szValue = szC;
}

// The value of one tag of a day entry ("S", "D", "P", "C"); "<none>" when the day has none.
inline QString DayValue(const QString& szKey, const QString& szName) {
    const std::shared_ptr<clsXMLTag> objDay = FindDayEntry(objReadings, szKey);
    return objDay ? objDay->GetSubTagValue(szName) : QStringLiteral("<none>");
}

// Keeps the settings of the tests away from the user's own.
class PrivateSettings {
public:
    PrivateSettings() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        // a file, also where the platform's own store is the registry
        QSettings::setDefaultFormat(QSettings::IniFormat);
    }
    static void Clear() {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tlg"),
                           QStringLiteral("tlg"));
        settings.clear();
        settings.sync();
    }
    static void Store(const QString& szKey, const QString& szValue) {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tlg"),
                           QStringLiteral("tlg"));
        settings.beginGroup(QStringLiteral("Settings"));
        settings.setValue(szKey, szValue);
        settings.sync();
    }
    static QString Stored(const QString& szKey) {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tlg"),
                           QStringLiteral("tlg"));
        settings.beginGroup(QStringLiteral("Settings"));
        return settings.value(szKey, QStringLiteral("<none>")).toString();
    }

private:
    QTemporaryDir dir;
};

// The main window's tests use the shared message-box record.
using ShownBox = MessageBoxCall;
using MessageBoxes = MessageBoxRecorder;

inline void QuietOpacityWarnings() {
    HideOpacityWarnings();
}

// A main window on dtToday, shown and active, its fades instant.
inline std::unique_ptr<frmMain> OpenWindow(const QDate& dtToday) {
    QuietOpacityWarnings();
    FramelessWindow::SetFadeDuration(0);
    auto window = std::make_unique<frmMain>(dtToday);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) {
        return nullptr;
    }
    return window;
}

// Presses and releases keys on the window, each reaching whichever control has the focus at
// that moment, as a person's keys do. "\t" is Tab, "\b" Backspace, "\n" Return.
inline void Type(frmMain& window, const QString& szKeys) {
    QWindow* handle = window.windowHandle();
    for (const QChar ch : szKeys) {
        if (ch == u'\t') {
            QTest::keyClick(handle, Qt::Key_Tab);
        } else if (ch == u'\b') {
            QTest::keyClick(handle, Qt::Key_Backspace);
        } else if (ch == u'\n') {
            QTest::keyClick(handle, Qt::Key_Return);
        } else {
            QTest::keyClick(handle, ch.toLatin1());
        }
    }
}

// objectName of the control with the keyboard focus.
inline QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

} // namespace tlgtest

#include "mainwindow/DiaryReload.h"

#include "diary/ConflictCopies.h"
#include "diary/modGlobals.h"
#include "mainwindow/ConflictPicker.h"
#include "mainwindow/frmMain.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPalette>

DiaryReload::DiaryReload(DataFileSaver& saver, std::function<void(const QString&)> onNote)
    : m_saver(saver), m_onNote(std::move(onNote)) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { Check(); });
    const QString szFile = saver.DataFile();
    m_watcher.addPath(QFileInfo(szFile).absolutePath());
    if (QFileInfo::exists(szFile)) {
        m_watcher.addPath(szFile);
    }
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { OnChanged(); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { OnChanged(); });
    m_saver.SetMerger(
        [this](const QByteArray& base, const QByteArray& theirs) { return Merge(base, theirs); });
    m_saver.onMerged = [this](const DataFileSaver::MergeOutcome& outcome, const QString& szCopy) {
        Merged(outcome, szCopy);
    };
}

DiaryReload::~DiaryReload() {
    m_saver.SetMerger({});
    m_saver.onMerged = nullptr;
}

void DiaryReload::OnChanged() {
    m_settle.start();
}

void DiaryReload::Check() {
    // A file replaced by a rename is no longer watched: the new one is.
    const QString szFile = m_saver.DataFile();
    if (!m_watcher.files().contains(szFile) && QFileInfo::exists(szFile)) {
        m_watcher.addPath(szFile);
    }
    m_saver.CheckDiskNow();
}

DataFileSaver::MergeOutcome DiaryReload::Merge(const QByteArray& base, const QByteArray& theirs) {
    m_bHadUnsaved = m_saver.HasUnsavedChanges();
    m_lastMerge = MergeFileInto(objReadings, base, theirs);
    if (m_lastMerge.bMerged) {
        // The saver knows: it asked for the merge.
        CountReadingsChange();
        if (m_window) {
            m_window->ShowReloadedReadings();
        }
    }
    return SaverOutcomeOf(m_lastMerge);
}

void DiaryReload::Merged(const DataFileSaver::MergeOutcome& outcome, const QString& szTheirsCopy) {
    // A plain reload (nothing of this run unsaved) shows itself in the window; a merge with
    // readings of this run is told.
    if (!m_bHadUnsaved && !outcome.bKeepTheirs) {
        return;
    }
    const QString szText =
        MergedFromText(m_lastMerge.merge, MergeSource::kOtherComputer, szTheirsCopy);
    if (outcome.bKeepTheirs && !szTheirsCopy.isEmpty() && m_window && m_window->isVisible()) {
        PickConflicts(szText, szTheirsCopy);
        return;
    }
    if (outcome.bKeepTheirs || !m_window || !m_window->isVisible()) {
        if (m_onNote) {
            m_onNote(szText);
        }
        return;
    }
    ShowMergedNotice(szText);
}

void DiaryReload::ShowMergedNotice(const QString& szText) {
    // Inside the window, along its foot, for a while: a window of its own would take the
    // keyboard from the box being typed in. A screen reader hears it as an alert.
    constexpr int kShownMs = 12000;
    constexpr int kMargin = 8;
    delete m_notice.data();
    auto* notice = new QLabel(szText, m_window);
    m_notice = notice;
    notice->setObjectName(QStringLiteral("lblMerged"));
    notice->setTextFormat(Qt::PlainText);
    notice->setWordWrap(true);
    notice->setAccessibleName(szText);
    notice->setFocusPolicy(Qt::NoFocus);
    // Dark on pale whatever the window's colours, as a tooltip is.
    QPalette palette = notice->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    palette.setColor(QPalette::WindowText, Qt::black);
    notice->setPalette(palette);
    notice->setAutoFillBackground(true);
    notice->setFrameShape(QFrame::Box);
    notice->setMargin(6);
    notice->setToolTip(QCoreApplication::translate("DiaryReload", "Click to close"));
    notice->setFixedWidth(m_window->width() - 2 * kMargin);
    notice->adjustSize();
    notice->move(kMargin, m_window->height() - notice->height() - kMargin);
    notice->installEventFilter(this);
    notice->show();
    notice->raise();
    QAccessibleEvent alert(notice, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    QTimer::singleShot(kShownMs, notice, &QObject::deleteLater);
}

bool DiaryReload::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_notice && event->type() == QEvent::MouseButtonRelease) {
        m_notice->deleteLater();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void DiaryReload::PickConflicts(const QString& szSaid, const QString& szTheirsCopy) {
    // Opened without waiting: the saver's call returns at once, and the picks come later.
    auto* picker = new ConflictPicker(m_lastMerge.merge.conflicts, szSaid, szTheirsCopy, m_window);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    connect(picker, &QDialog::accepted, this, [this, picker, szTheirsCopy] {
        const QList<MergeConflict> picked = picker->TheirsPicked();
        if (!picked.isEmpty()) {
            TakeTheirValues(objReadings, picked);
            NoteReadingsChanged();
            if (m_window) {
                m_window->ShowReloadedReadings();
            }
        }
        // Every value is decided: the other side's diary has nothing left to give.
        QString szReason;
        MoveMergedCopyAside(szTheirsCopy, m_saver.DataFile(), &szReason);
    });
    picker->open();
}

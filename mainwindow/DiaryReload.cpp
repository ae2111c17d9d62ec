#include "mainwindow/DiaryReload.h"

#include "diary/ConflictCopies.h"
#include "diary/modGlobals.h"
#include "mainwindow/ConflictPicker.h"
#include "mainwindow/frmMain.h"

#include <QFileInfo>
#include <QMessageBox>

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
    if (m_lastMerge.bMerged && m_window) {
        m_window->ShowReloadedReadings();
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
        MergedFromText(m_lastMerge.merge, QStringLiteral("the other computer"), szTheirsCopy);
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
    // Shown beside the window without taking the keyboard from the box being typed in.
    auto* notice = new QMessageBox(QMessageBox::Information, QStringLiteral("Tensiolog"), szText,
                                   QMessageBox::Ok, m_window);
    notice->setTextFormat(Qt::PlainText);
    notice->setWindowModality(Qt::NonModal);
    notice->setAttribute(Qt::WA_ShowWithoutActivating);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setObjectName(QStringLiteral("msgMerged"));
    notice->setAccessibleName(szText);
    notice->show();
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

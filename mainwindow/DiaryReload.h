#pragma once

#include "diary/DataFileSaver.h"
#include "diary/DocumentMerge.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class frmMain;
class QLabel;

// Keeps the program's document, and the window showing it, in step with a data file that another
// computer changes (a synchronised folder): a watcher on the file and its folder (a tool that
// renames its copy over the file replaces it) has the saver look at the disk soon after each
// change; what the other side wrote is merged into the document day by day, and the window shows
// it without disturbing the box being typed in. The saver's check at each save is the safety net
// for changes the watcher misses.
class DiaryReload : public QObject {
public:
    // How long changes must rest before the disk is looked at: a tool writing a file in pieces
    // is seen once, well within two seconds.
    static constexpr int kSettleMs = 300;

    // A merge of this run's readings with the other computer's is told in one sentence: beside
    // the window's foot, without taking the keyboard from it; with the values typed differently on
    // both sides to pick from (ConflictPicker), when there are such; through onNote (a note that
    // must reach the user, naming the conflict copy) when no window is open.
    DiaryReload(DataFileSaver& saver, std::function<void(const QString&)> onNote);
    // Hands the saver back without a merger.
    ~DiaryReload() override;
    DiaryReload(const DiaryReload&) = delete;
    DiaryReload& operator=(const DiaryReload&) = delete;
    // The window that shows the readings (null: none).
    void SetWindow(frmMain* window) { m_window = window; }
    // The last merge: what it took in (for a picker of conflicting values).
    const FileMerge& LastMerge() const { return m_lastMerge; }

private:
    // The file or its folder changed: look once the changes rest.
    void OnChanged();
    void Check();
    DataFileSaver::MergeOutcome Merge(const QByteArray& base, const QByteArray& theirs);
    void Merged(const DataFileSaver::MergeOutcome& outcome, const QString& szTheirsCopy);
    // Says szText along the foot of the window for a while (a click closes it).
    void ShowMergedNotice(const QString& szText);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Shows the values of the last merge typed differently on both sides for the user to pick;
    // once picked, the other side's diary (in szTheirsCopy) is moved aside.
    void PickConflicts(const QString& szSaid, const QString& szTheirsCopy);

    DataFileSaver& m_saver;
    std::function<void(const QString&)> m_onNote;
    QPointer<frmMain> m_window;
    QPointer<QLabel> m_notice;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    FileMerge m_lastMerge;
    // This run had unsaved readings when the last merge began.
    bool m_bHadUnsaved = false;
};

#pragma once

#include <QString>
#include <QStringList>

// Notes for the user that must reach them even when the program ends before showing them (a
// termination signal, the session ending, a crash): each is kept in "<data file>.note" beside
// the data file until it has been shown, and a later start shows it.
class PendingNotes {
public:
    // The notes an earlier run left for the data file at szDataFile, oldest first.
    explicit PendingNotes(const QString& szDataFile);

    // The notes not shown yet, oldest first.
    const QStringList& Notes() const { return m_notes; }
    bool IsEmpty() const { return m_notes.isEmpty(); }
    // Adds a note; it is on disk before this returns (when the folder can be written).
    void Add(const QString& szText);
    // The oldest note has been shown: forgets it, on disk too.
    void RemoveFirst();

    // The file the notes are kept in.
    QString FilePath() const { return m_szFile; }

private:
    // Puts the notes on disk; no notes, no file.
    void Store();

    QString m_szFile;
    QStringList m_notes;
};

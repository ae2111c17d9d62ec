#pragma once

#include <QString>
#include <QStringList>

// Notes for the user that must reach them even when the program ends before showing them (a
// termination signal, the session ending, a crash): each is kept in "<data file>.note" beside
// the data file until it has been shown, and a later start shows it. When that folder cannot
// be written (a full disk, a read-only folder) they are kept in the user's cache folder, or
// else in the runtime folder, under a name of their data file's own, so that two diaries
// never mix their notes.
class PendingNotes {
public:
    // The notes an earlier run left for the data file at szDataFile, oldest first, wherever
    // they were kept.
    explicit PendingNotes(const QString& szDataFile);

    // The notes not shown yet, oldest first.
    const QStringList& Notes() const { return m_notes; }
    bool IsEmpty() const { return m_notes.isEmpty(); }
    // Adds a note; it is on disk before this returns (when any of the places can be written).
    void Add(const QString& szText);
    // The oldest note has been shown: forgets it, on disk too.
    void RemoveFirst();

    // The file the notes are kept in when the data file's folder can be written.
    QString FilePath() const { return m_places.constFirst(); }
    // The files they are kept in otherwise, in the order they are tried.
    QStringList FallbackPaths() const { return m_places.mid(1); }

private:
    // Puts the notes on disk, in the first place that takes them, and removes them from the
    // others; no notes, no files.
    void Store();

    QStringList m_places;
    QStringList m_notes;
};

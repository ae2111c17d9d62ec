#pragma once

#include <QList>
#include <QString>

// Copies of the diary that synchronising tools leave beside it when two computers saved at
// once, and this program's own conflict copies:
//   Syncthing  crtlg.sync-conflict-20261210-101500-ABCDEF7.dat
//   Nextcloud  crtlg (conflicted copy 2026-12-10 101500).dat
//   Dropbox    crtlg (Anna's conflicted copy 2026-12-10).dat
//   this       crtlg.dat.conflict-20261210-101500 (and -2, -3, ...)
struct ConflictCopy {
    QString szPath;
    // Who left it: "Syncthing", "Nextcloud", "Dropbox" or "tlg".
    QString szMadeBy;
};

// Who left a file of this name beside a diary of this file name, or empty text when it is not
// such a copy.
QString ConflictCopyMaker(const QString& szFileName, const QString& szDiaryFileName);

// The conflict copies of a diary file, oldest name first (ordinary files only).
QList<ConflictCopy> FindConflictCopies(const QString& szDataFile);

// The folder beside the diary that merged copies are moved into ("crtlg.dat.merged").
QString MergedCopiesFolder(const QString& szDataFile);

// Moves a merged copy into MergedCopiesFolder, keeping its name (with "-2", "-3", ... when the
// name is taken there); never deletes or replaces a file. Its new path, or empty text and the
// reason.
QString MoveMergedCopyAside(const QString& szCopy, const QString& szDataFile, QString* pszReason);

#pragma once

#include <QSettings>
#include <QString>

// Folder id of the user's roaming application-data folder.
constexpr long kAppDataFolderId = 26;
// Name of the readings file, directly in the data folder.
inline const QString kDataFileName = QStringLiteral("crtlg.dat");

// The path of a per-user folder known to the platform by its id, without a trailing
// separator; empty text when the id is unknown or the folder has no path.
QString GetSpecialFolderPath(long lFolderId);

// The folder the readings file lives in: the given folder, created when missing; the user's
// home folder when it is empty or cannot be created, and then pszWhyNot (when given) says why
// the given one is not used. Never a drive's root.
QString ResolveDataFolder(const QString& szFolder, QString* pszWhyNot = nullptr);

// The data file's path in a folder, in the platform's own notation.
QString DataFilePath(const QString& szFolder);

// The program's settings store: the platform's own, unless another default format was chosen
// (tests choose a file of their own, never the user's registry).
QSettings ProgramSettings();

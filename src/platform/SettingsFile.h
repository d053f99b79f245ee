// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The two working folders kept between runs.
struct FolderSettings
{
    QString RecordBookFolder; // "PRJ_FD": record book dialogs and object files
    QString PictureFolder;    // "MAP_FD": picture and bitmap dialogs
};

// Init.ini beside the executable, as in a build tree or an unpacked copy. An installed program
// (its data folder found beside bin/, or a folder it cannot write) keeps it in the user's
// configuration folder instead ($XDG_CONFIG_HOME/catchscale, by default ~/.config/catchscale),
// which is created here so that the folder settings dialog can write it. An Init.ini already
// lying beside the executable is always the one used.
QString settingsFilePath(const QString &executableFolder);
// The choice above with its inputs given, for tests: no file system access but the check for
// an existing Init.ini beside the executable. `runsFromOwnFolder` is true for a writable folder
// that is not an installation.
QString settingsFilePath(const QString &executableFolder, bool runsFromOwnFolder,
                         const QString &userConfigFolder);

// The folder an installed program's help and sample lie in (PREFIX/share/catchscale for
// PREFIX/bin); it exists only for an installed program.
QString installedDataFolder(const QString &executableFolder);

// A file the program ships with: beside the executable (a build tree), else in the installed
// data folder. When neither exists, the name beside the executable, for the message that says so.
QString bundledFilePath(const QString &executableFolder, const QString &name);
// The HTML guide opened on F1, found as above unless a compiled help file lies beside the
// executable.
QString helpFilePath(const QString &executableFolder);

// Section "フォルダPath", keys "PRJ_FD" and "MAP_FD"; a missing file or key gives empty text.
FolderSettings LoadFolderSettings(const QString &settingsFile);

struct SplitPathResult
{
    QString folder;   // up to and including the last "/"; empty when there is none
    QString fileName; // what follows it
};
SplitPathResult SplitPath(const QString &path);

// Always false on Linux: there is no NT family here. The print dialog still reads the flag to
// choose which printer settings page its properties button opens.
bool PubF_IsWindowsNT();

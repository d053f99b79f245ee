#pragma once

#include <QString>

// The two working folders kept between runs.
struct FolderSettings
{
    QString RecordBookFolder; // "PRJ_FD": record book dialogs and object files
    QString PictureFolder;    // "MAP_FD": picture and bitmap dialogs
};

// Init.ini beside the executable. An installed program's folder cannot be written; unless an
// Init.ini already lies there, the file is then kept in the user's configuration folder
// ($XDG_CONFIG_HOME/catchscale, by default ~/.config/catchscale), which is created here so that
// the folder settings dialog can write it.
QString settingsFilePath(const QString &executableFolder);
// The choice above with its inputs given, for tests: no file system access but the check for
// an existing Init.ini beside the executable.
QString settingsFilePath(const QString &executableFolder, bool folderWritable,
                         const QString &userConfigFolder);

// The HTML guide beside the executable, opened on F1.
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

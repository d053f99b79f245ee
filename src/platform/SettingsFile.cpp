// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include "platform/InstallLayout.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QString settingsFileName = QStringLiteral("Init.ini");

QString besideExecutable(const QString &executableFolder, const QString &name)
{
    return executableFolder.endsWith(u'/') ? executableFolder + name
                                           : executableFolder + u'/' + name;
}

} // namespace

QString settingsFilePath(const QString &executableFolder, bool runsFromOwnFolder,
                         const QString &userConfigFolder)
{
    const QString beside = besideExecutable(executableFolder, settingsFileName);
    if (runsFromOwnFolder || QFileInfo::exists(beside))
        return beside;
    return userConfigFolder + QStringLiteral("/catchscale/") + settingsFileName;
}

QString settingsFilePath(const QString &executableFolder)
{
    const bool writable = ::access(QFile::encodeName(executableFolder).constData(), W_OK) == 0;
    const bool installed = QFileInfo(installedDataFolder(executableFolder)).isDir();
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString path = settingsFilePath(executableFolder, writable && !installed, configFolder);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

QString installedDataFolder(const QString &executableFolder)
{
    return QDir::cleanPath(besideExecutable(
        executableFolder, QString::fromUtf8(InstallLayout::DataFolderFromExecutable)));
}

QString helpFilePath(const QString &executableFolder)
{
    // A compiled help file placed beside the program wins over the guide it ships with.
    const QString compiled = besideExecutable(executableFolder, QStringLiteral("help.chm"));
    if (QFileInfo::exists(compiled))
        return compiled;
    return bundledFilePath(executableFolder, QStringLiteral("help.html"));
}

QString bundledFilePath(const QString &executableFolder, const QString &name)
{
    const QString beside = besideExecutable(executableFolder, name);
    const QString installed = installedDataFolder(executableFolder) + u'/' + name;
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}

FolderSettings LoadFolderSettings(const QString &settingsFile)
{
    const QString section = QStringLiteral("フォルダPath");
    const auto document = ProfileDocument::load(settingsFile);
    if (!document)
        return {};
    return {document->value(section, QStringLiteral("PRJ_FD")),
            document->value(section, QStringLiteral("MAP_FD"))};
}

SplitPathResult SplitPath(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return {path.left(slash + 1), path.mid(slash + 1)};
}

bool PubF_IsWindowsNT()
{
    return false;
}

#include "SettingsFile.h"

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

QString settingsFilePath(const QString &executableFolder, bool folderWritable,
                         const QString &userConfigFolder)
{
    const QString beside = besideExecutable(executableFolder, settingsFileName);
    if (folderWritable || QFileInfo::exists(beside))
        return beside;
    return userConfigFolder + QStringLiteral("/catchscale/") + settingsFileName;
}

QString settingsFilePath(const QString &executableFolder)
{
    const bool writable = ::access(QFile::encodeName(executableFolder).constData(), W_OK) == 0;
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString path = settingsFilePath(executableFolder, writable, configFolder);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

QString helpFilePath(const QString &executableFolder)
{
    // A compiled help file placed beside the program wins over the guide it ships with.
    const QString compiled = besideExecutable(executableFolder, QStringLiteral("help.chm"));
    if (QFileInfo::exists(compiled))
        return compiled;
    return besideExecutable(executableFolder, QStringLiteral("help.html"));
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

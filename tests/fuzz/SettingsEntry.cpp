// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzEntries.h"
#include "FuzzFiles.h"

#include "platform/SettingsFile.h"
#include "platform/ProfileFile.h"

#include <QTemporaryDir>

namespace {

const QString Section = QStringLiteral("フォルダPath");

// Folders as the user picks them; the picture folder is exactly as long as a value that reads
// back whole can be: 126 bytes in code page 932, ending in a double-byte character and "/".
const FolderSettings Chosen{QStringLiteral("/home/釣り人/記録帳/"),
                            u'/' + QString(62, u'写') + u'/'};

} // namespace

QString openSettingsFile(const QByteArray &bytes)
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Init.ini"));
    writeFuzzFile(file, bytes);
    LoadFolderSettings(file);

    const bool written = WriteSetting(Section, QStringLiteral("PRJ_FD"), Chosen.RecordBookFolder,
                                      file)
                         && WriteSetting(Section, QStringLiteral("MAP_FD"), Chosen.PictureFolder,
                                         file);
    if (!written)
        return ProfileDocument::load(file)
                   ? QStringLiteral("a readable settings file refused the folders")
                   : QString();
    const FolderSettings readBack = LoadFolderSettings(file);
    if (readBack.RecordBookFolder != Chosen.RecordBookFolder
        || readBack.PictureFolder != Chosen.PictureFolder)
        return QStringLiteral("the folders read back as \"%1\" and \"%2\"")
            .arg(readBack.RecordBookFolder, readBack.PictureFolder);
    return {};
}

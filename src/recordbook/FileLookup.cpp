// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileLookup.h"

#include <QDir>
#include <QFileInfo>

FoundFile findFileInFolders(const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        const QDir dir(folder);
        if (QFileInfo(dir.filePath(name)).isFile()) // never a device or a pipe that would not end
            return {dir.filePath(name), false};
        QStringList matches;
        for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden)) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                matches << entry;
        }
        if (matches.size() == 1)
            return {dir.filePath(matches.first()), false};
        if (matches.size() > 1)
            return {{}, true};
    }
    return {};
}

QString ambiguousNameText(const QString &name)
{
    return QStringLiteral("「%1」と大文字・小文字だけが違うファイルが複数あるため、どれも読み込みませんでした。")
        .arg(name);
}

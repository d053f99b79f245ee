// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace savepaths {

namespace {

QLatin1String kindText(Sibling kind)
{
    return kind == Sibling::Temporary ? QLatin1String("tmp") : QLatin1String("bak");
}

// The random part of a sibling's name: a 32-bit number in lower-case hex.
constexpr qsizetype MaxSuffixDigits = 8;

bool isSuffix(QStringView text)
{
    return !text.isEmpty() && text.size() <= MaxSuffixDigits
           && std::all_of(text.begin(), text.end(), [](QChar c) {
                  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
              });
}

void syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QString freshSibling(const QString &target, Sibling kind)
{
    const QFileInfo info(target);
    const QString suffix = QString::number(QRandomGenerator::global()->generate(), 16);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1Char('.')
                               + kindText(kind) + suffix);
}

bool isSiblingName(const QString &name, const QString &targetName, Sibling kind)
{
    const QString prefix = QLatin1Char('.') + targetName + QLatin1Char('.') + kindText(kind);
    return name.startsWith(prefix) && isSuffix(QStringView(name).sliced(prefix.size()));
}

QString journalPath(const QString &folder, const QString &firstName)
{
    return QDir(folder).filePath(QLatin1Char('.') + firstName + QStringLiteral(".saving"));
}

QString canonicalPlace(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty() || name == u"." || name == u"..")
        return {};
    const QString folder = QFileInfo(info.path()).canonicalFilePath();
    if (folder.isEmpty())
        return {};
    return folder == u"/" ? folder + name : folder + u'/' + name;
}

bool liesWithin(const QString &path, const QString &folder)
{
    return !folder.isEmpty()
           && path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

void syncFoldersOf(const QStringList &files)
{
    QStringList folders;
    for (const QString &file : files) {
        const QString folder = QFileInfo(file).absolutePath();
        if (!folders.contains(folder)) {
            folders << folder;
            syncFolder(folder);
        }
    }
}

} // namespace savepaths

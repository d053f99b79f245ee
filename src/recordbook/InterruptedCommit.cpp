// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "InterruptedCommit.h"

#include "SavePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

#include <cerrno>
#include <cstdio> // rename
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using savepaths::Sibling;

// A list of moves names three paths a file; one of four files takes a few hundred bytes.
constexpr qint64 MaxJournalBytes = 64 * 1024;

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

enum class Kind { Missing, Regular, Other };

Kind kindOf(const QString &path)
{
    struct stat info;
    if (::lstat(native(path).constData(), &info) != 0)
        return errno == ENOENT ? Kind::Missing : Kind::Other;
    return S_ISREG(info.st_mode) ? Kind::Regular : Kind::Other;
}

// The list's bytes; nothing when it is no regular file (a link, a pipe) or longer than a list
// of ours can be.
std::optional<QByteArray> readJournal(const QString &path)
{
    const int fd =
        ::open(native(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > MaxJournalBytes
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    const QByteArray bytes = file.read(MaxJournalBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxJournalBytes)
        return std::nullopt;
    return bytes;
}

// For each file its temporary name, its target and its backup (empty for a new file), each
// ended by a NUL, which no path holds. Nothing when the bytes are not such a list.
std::optional<QList<InterruptedCommit::Move>> parseJournal(const QByteArray &bytes)
{
    const QList<QByteArray> fields = bytes.split('\0');
    if (fields.size() < 4 || fields.size() % 3 != 1 || !fields.last().isEmpty())
        return std::nullopt;
    QList<InterruptedCommit::Move> moves;
    for (qsizetype i = 0; i + 2 < fields.size(); i += 3) {
        moves.append({QFile::decodeName(fields[i]), QFile::decodeName(fields[i + 1]),
                      QFile::decodeName(fields[i + 2])});
    }
    return moves;
}

// A hidden file of that kind that a commit made beside `target` (a canonical place): its own
// canonical place, or nothing when `path` is anything else.
std::optional<QString> siblingOf(const QString &target, const QString &path, Sibling kind)
{
    const QString place = savepaths::canonicalPlace(path);
    const QFileInfo sibling(place);
    const QFileInfo of(target);
    if (place.isEmpty() || sibling.path() != of.path()
        || !savepaths::isSiblingName(sibling.fileName(), of.fileName(), kind)
        || kindOf(place) == Kind::Other)
        return std::nullopt;
    return place;
}

} // namespace

std::optional<InterruptedCommit> InterruptedCommit::find(const QString &journal,
                                                         const QStringList &targets)
{
    if (kindOf(journal) == Kind::Missing)
        return std::nullopt;
    InterruptedCommit commit;
    commit.journal = journal;
    const std::optional<QByteArray> bytes = readJournal(journal);
    const auto listed = bytes ? parseJournal(*bytes) : std::nullopt;
    if (!listed) {
        commit.foreign << journal; // not a list any commit wrote
        return commit;
    }
    QSet<QString> allowed;
    for (const QString &target : targets)
        allowed.insert(savepaths::canonicalPlace(target));
    allowed.remove(QString());
    for (const Move &move : *listed) {
        const QString target = savepaths::canonicalPlace(move.target);
        if (!allowed.contains(target) || kindOf(target) == Kind::Other) {
            commit.foreign << move.target;
            continue;
        }
        allowed.remove(target); // each file is moved once
        const auto temporary = siblingOf(target, move.temporary, Sibling::Temporary);
        const auto backup = move.backup.isEmpty()
                                ? std::optional<QString>(QString())
                                : siblingOf(target, move.backup, Sibling::Backup);
        if (!temporary || !backup) {
            commit.foreign << (temporary ? move.backup : move.temporary);
            continue;
        }
        commit.moves.append({*temporary, target, *backup});
        if (kindOf(*temporary) == Kind::Missing)
            ++commit.made;
    }
    if (!commit.isOurs()) {
        commit.moves.clear();
        commit.made = 0;
    }
    return commit;
}

std::optional<RuntimeError> InterruptedCommit::finish() const
{
    if (!isOurs()) {
        RuntimeError error = RuntimeError::pathFileAccess();
        error.description += QLatin1Char('\r') + journal;
        return error;
    }
    QStringList targets;
    for (const Move &move : moves) {
        targets << move.target;
        if (kindOf(move.temporary) == Kind::Missing)
            continue; // moved before the cut
        if (::rename(native(move.temporary).constData(), native(move.target).constData()) != 0)
            return RuntimeError::fromErrno(errno);
    }
    savepaths::syncFoldersOf(targets);
    ::unlink(native(journal).constData());
    for (const Move &move : moves) {
        if (!move.backup.isEmpty())
            ::unlink(native(move.backup).constData());
    }
    return std::nullopt;
}

void removeLeftovers(const QString &journal, const QStringList &targets)
{
    QSet<QString> named; // what a list still on the disk names stays for it
    if (const auto bytes = readJournal(journal)) {
        for (const QByteArray &field : bytes->split('\0'))
            named.insert(savepaths::canonicalPlace(QFile::decodeName(field)));
    }
    QStringList places = targets;
    places << journal; // the list's own temporaries
    QHash<QString, QStringList> namesByFolder;
    for (const QString &path : places) {
        const QFileInfo place(savepaths::canonicalPlace(path));
        if (!place.fileName().isEmpty())
            namesByFolder[place.path()] << place.fileName();
    }
    for (auto folder = namesByFolder.cbegin(); folder != namesByFolder.cend(); ++folder) {
        const QDir dir(folder.key());
        const QStringList entries =
            dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks,
                          QDir::NoSort);
        for (const QString &entry : entries) {
            const bool ours =
                std::any_of(folder->begin(), folder->end(), [&entry](const QString &name) {
                    return savepaths::isSiblingName(entry, name, Sibling::Temporary)
                           || savepaths::isSiblingName(entry, name, Sibling::Backup);
                });
            const QString path = dir.filePath(entry);
            if (ours && !named.contains(path) && kindOf(path) == Kind::Regular)
                ::unlink(native(path).constData());
        }
    }
}

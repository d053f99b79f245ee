// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StagedFiles.h"

#include "SavePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio> // renameat2
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// A rename would put the new file where a device, a pipe or a folder is: the user named
// something that is no file to replace.
RuntimeError notAFile(const QString &path)
{
    return {RuntimeError::pathFileAccess().number,
            QStringLiteral("「%1」はフォルダやデバイスなど、ファイルでないもののため、置き換えられません。")
                .arg(path)};
}

} // namespace

QString StagedFiles::writtenPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target; // a dangling link names the file
}

namespace {

StagedFiles::TestFaults faults; // what tests let the file system do before it fails
StagedFiles::StepObserver observer; // what tests watch a commit do

void observed(StagedFiles::Step step, const QString &path)
{
    if (observer)
        observer(step, path);
}

void killedHereForTesting()
{
    if (faults.killAt >= 0 && faults.killAt-- == 0)
        ::raise(SIGKILL);
}

// write(2), unless the test budget says the disk is full.
ssize_t writeSome(int fd, const char *data, qsizetype size)
{
    qint64 &writeBudget = faults.writeBytes;
    if (writeBudget >= 0) {
        size = std::min<qint64>(size, writeBudget);
        if (size == 0) {
            errno = ENOSPC;
            return -1;
        }
    }
    const ssize_t written = ::write(fd, data, size_t(size));
    if (written > 0 && writeBudget >= 0)
        writeBudget -= written;
    return written;
}

} // namespace

bool StagedFiles::writeAll(int fd, const char *data, qsizetype left)
{
    while (left > 0) {
        const ssize_t written = writeSome(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

StagedFiles::StagedFiles(QString folder, Durability durability)
    : m_folder(std::move(folder)), m_durability(durability)
{
}

StagedFiles::~StagedFiles()
{
    removeFiles(&Entry::temporary);
    removeFiles(&Entry::backup);
}

int StagedFiles::createTemporary(const QString &target, QString &path) const
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = savepaths::freshSibling(target, savepaths::Sibling::Temporary);
        const int fd =
            ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            struct stat old;
            if (::stat(native(target).constData(), &old) == 0 && S_ISREG(old.st_mode))
                ::fchmod(fd, old.st_mode & 07777); // the new version keeps the old one's access
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

std::optional<RuntimeError> StagedFiles::stage(const QString &name, const QByteArray &bytes)
{
    return stageWritten(name, [&bytes](const Sink &sink) {
        return sink(bytes.constData(), bytes.size());
    });
}

std::optional<RuntimeError> StagedFiles::stageWritten(
    const QString &name, const std::function<bool(const Sink &)> &produce)
{
    Entry entry{writtenPath(QDir(m_folder).filePath(name)), {}, {}};
    struct stat old;
    if (::lstat(native(entry.target).constData(), &old) == 0 && !S_ISREG(old.st_mode))
        return notAFile(entry.target);
    const int fd = createTemporary(entry.target, entry.temporary);
    if (fd < 0)
        return RuntimeError::fromErrno(errno);
    m_entries.append(entry);
    // The cause of a failed write is kept at once: a producer may go on working after it.
    int writeError = 0;
    const Sink sink = [fd, &writeError](const char *data, qsizetype size) {
        if (writeAll(fd, data, size))
            return true;
        writeError = errno;
        return false;
    };
    const bool ok = produce(sink) && flushed(fd, entry.temporary);
    const int error = writeError != 0 ? writeError : errno;
    if (::close(fd) != 0 || !ok)
        return RuntimeError::fromErrno(ok ? errno : error);
    return std::nullopt;
}

bool StagedFiles::flushed(int fd, const QString &path) const
{
    if (m_durability == Durability::Unsynced)
        return true;
    if (::fsync(fd) != 0)
        return false;
    observed(Step::Flushed, path);
    return true;
}

std::optional<RuntimeError> StagedFiles::makeBackups()
{
    for (Entry &entry : m_entries) {
        struct stat old;
        if (::lstat(native(entry.target).constData(), &old) != 0) {
            if (errno == ENOENT)
                continue; // a new file: nothing to keep
            return RuntimeError::fromErrno(errno);
        }
        if (!S_ISREG(old.st_mode))
            return notAFile(entry.target);
        QString backup;
        int error = EEXIST;
        for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
            backup = savepaths::freshSibling(entry.target, savepaths::Sibling::Backup);
            error = ::link(native(entry.target).constData(), native(backup).constData()) == 0
                        ? 0
                        : errno;
        }
        // Some file systems have no hard links; a copy keeps the old version just as well.
        if (error != 0 && !QFile::copy(entry.target, backup))
            return RuntimeError::fromErrno(error);
        entry.backup = backup;
    }
    return std::nullopt;
}

void StagedFiles::restoreBackups(qsizetype moved)
{
    for (qsizetype i = 0; i < moved; ++i) {
        Entry &entry = m_entries[i];
        if (entry.backup.isEmpty()) {
            ::unlink(native(entry.target).constData());
            continue;
        }
        // A backup that cannot be put back is kept where it is rather than deleted.
        ::rename(native(entry.backup).constData(), native(entry.target).constData());
        entry.backup.clear();
    }
}

std::optional<RuntimeError> StagedFiles::writeJournal(const QString &journal) const
{
    QByteArray list;
    for (const Entry &entry : m_entries) {
        for (const QString *path : {&entry.temporary, &entry.target, &entry.backup})
            list += native(*path) + '\0';
    }
    QString temporary;
    const int fd = createTemporary(journal, temporary);
    if (fd < 0)
        return RuntimeError::fromErrno(errno);
    const bool ok = writeAll(fd, list.constData(), list.size()) && ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (ok)
        observed(Step::Flushed, temporary); // the list is always on the disk before any move
    if (!ok || ::rename(native(temporary).constData(), native(journal).constData()) != 0) {
        const int failure = ok ? errno : error;
        ::unlink(native(temporary).constData());
        return RuntimeError::fromErrno(failure);
    }
    observed(Step::Moved, temporary);
    savepaths::syncFoldersOf({journal});
    return std::nullopt;
}

std::optional<RuntimeError> StagedFiles::commit()
{
    // One file replaces its old version in one rename: there is nothing to put back.
    const bool single = m_entries.size() == 1;
    const QString journal =
        single ? QString()
               : savepaths::journalPath(m_folder, QFileInfo(m_entries.first().target).fileName());
    std::optional<RuntimeError> prepared = single ? std::nullopt : makeBackups();
    if (!prepared && !single)
        prepared = writeJournal(journal);
    if (prepared) {
        removeFiles(&Entry::backup);
        return prepared;
    }
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        Entry &entry = m_entries[i];
        if (!single)
            killedHereForTesting();
        if (!moveIntoPlace(entry)) {
            const int error = errno;
            ::unlink(native(journal).constData()); // what was moved goes back instead
            restoreBackups(i);
            return RuntimeError::fromErrno(error);
        }
        entry.temporary.clear();
    }
    if (!single)
        killedHereForTesting();
    if (m_durability == Durability::Synced) {
        QStringList targets;
        for (const Entry &entry : m_entries)
            targets << entry.target;
        savepaths::syncFoldersOf(targets);
    }
    if (!single)
        ::unlink(native(journal).constData());
    removeFiles(&Entry::backup);
    return std::nullopt;
}

void StagedFiles::setFaultsForTesting(TestFaults testFaults)
{
    faults = testFaults;
}

void StagedFiles::setObserverForTesting(StepObserver stepObserver)
{
    observer = std::move(stepObserver);
}

bool StagedFiles::moveIntoPlace(const Entry &entry) const
{
    if (faults.renames >= 0 && faults.renames-- == 0) {
        errno = EIO;
        return false;
    }
    const QByteArray temporary = native(entry.temporary);
    const QByteArray target = native(entry.target);
    struct stat old;
    bool moved = false;
    if (m_durability == Durability::Unsynced && ::lstat(target.constData(), &old) == 0
        && S_ISREG(old.st_mode)) {
        // Swapping the two names replaces the old file as atomically as a rename does, without
        // the flush that some file systems (ext4) force on a rename over an existing file. A
        // file that can be made again does not need that care; where the file system cannot
        // swap, an ordinary rename follows.
        moved = ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(),
                            RENAME_EXCHANGE)
                == 0;
        if (moved)
            ::unlink(temporary.constData()); // the old version, now under the temporary name
    }
    moved = moved || ::rename(temporary.constData(), target.constData()) == 0;
    if (moved)
        observed(Step::Moved, entry.temporary);
    return moved;
}

void StagedFiles::removeFiles(QString Entry::*which)
{
    for (Entry &entry : m_entries) {
        QString &path = entry.*which;
        if (!path.isEmpty())
            ::unlink(native(path).constData());
        path.clear();
    }
}

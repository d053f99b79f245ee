#include "StagedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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

// A hidden name beside `target` that no other save picks at the same time.
QString siblingName(const QString &target, const char *kind)
{
    const QFileInfo info(target);
    const QString suffix = QString::number(QRandomGenerator::global()->generate(), 16);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1Char('.')
                               + QLatin1String(kind) + suffix);
}

// Where a file of the folder really is: a symbolic link is saved through, so the link stays and
// the file it names gets the new content.
QString throughLinks(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target; // a dangling link names the file
}

StagedFiles::TestFaults faults; // what tests let the file system do before it fails

void killedHereForTesting()
{
    if (faults.killAt >= 0 && faults.killAt-- == 0)
        ::raise(SIGKILL);
}

// The list of moves of a commit of several files: for each file its temporary name, its target
// and its backup (empty for a new file), each ended by a NUL, which no path holds.
QString journalPath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(QLatin1Char('.') + name + QStringLiteral(".saving"));
}

constexpr qint64 MaxJournalBytes = 64 * 1024;

// A name of ours beside `target`: the list only ever moves or removes such files.
bool isSiblingOf(const QString &path, const QString &target, const char *kind)
{
    const QFileInfo file(path);
    const QFileInfo of(target);
    return file.absolutePath() == of.absolutePath() && of.isAbsolute()
        && file.fileName().startsWith(QLatin1Char('.') + of.fileName() + QLatin1Char('.')
                                      + QLatin1String(kind));
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

bool writeAll(int fd, const char *data, qsizetype left)
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

void syncFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Each folder the files are in, once: the moves into them are on the disk.
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

} // namespace

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
        path = siblingName(target, "tmp");
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
    Entry entry{throughLinks(QDir(m_folder).filePath(name)), {}, {}};
    const int fd = createTemporary(entry.target, entry.temporary);
    if (fd < 0)
        return RuntimeError::fromErrno(errno);
    m_entries.append(entry);
    const bool ok = writeAll(fd, bytes.constData(), bytes.size()) && flushed(fd);
    const int error = errno;
    if (::close(fd) != 0 || !ok)
        return RuntimeError::fromErrno(ok ? errno : error);
    return std::nullopt;
}

std::optional<RuntimeError> StagedFiles::stageWritten(
    const QString &name, const std::function<bool(const Sink &)> &produce)
{
    Entry entry{throughLinks(QDir(m_folder).filePath(name)), {}, {}};
    const int fd = createTemporary(entry.target, entry.temporary);
    if (fd < 0)
        return RuntimeError::fromErrno(errno);
    m_entries.append(entry);
    const Sink sink = [fd](const char *data, qsizetype size) { return writeAll(fd, data, size); };
    const bool ok = produce(sink) && flushed(fd);
    const int error = errno;
    if (::close(fd) != 0 || !ok)
        return RuntimeError::fromErrno(ok ? errno : error);
    return std::nullopt;
}

bool StagedFiles::flushed(int fd) const
{
    return m_durability == Durability::Unsynced || ::fsync(fd) == 0;
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
        if (S_ISDIR(old.st_mode))
            return RuntimeError::pathFileAccess(); // a folder stands where the file should go
        QString backup;
        int error = EEXIST;
        for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
            backup = siblingName(entry.target, "bak");
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
    if (!ok || ::rename(native(temporary).constData(), native(journal).constData()) != 0) {
        const int failure = ok ? errno : error;
        ::unlink(native(temporary).constData());
        return RuntimeError::fromErrno(failure);
    }
    syncFolder(QFileInfo(journal).absolutePath());
    return std::nullopt;
}

std::optional<RuntimeError> StagedFiles::commit()
{
    // One file replaces its old version in one rename: there is nothing to put back.
    const bool single = m_entries.size() == 1;
    const QString journal =
        single ? QString() : journalPath(m_folder, QFileInfo(m_entries.first().target).fileName());
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
        syncFoldersOf(targets);
    }
    if (!single)
        ::unlink(native(journal).constData());
    removeFiles(&Entry::backup);
    return std::nullopt;
}

void StagedFiles::finishInterrupted(const QString &folder, const QString &name)
{
    const QString first = QFileInfo(throughLinks(QDir(folder).filePath(name))).fileName();
    const QString journal = journalPath(folder, first);
    QFile file(journal);
    if (!QFileInfo(journal).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> fields = file.read(MaxJournalBytes).split('\0');
    file.close();
    // Three fields a file, and the empty one after the last NUL.
    if (fields.size() % 3 != 1 || !fields.last().isEmpty())
        return;
    for (qsizetype i = 0; i + 2 < fields.size(); i += 3) {
        const QString temporary = QFile::decodeName(fields[i]);
        const QString target = QFile::decodeName(fields[i + 1]);
        const QString backup = QFile::decodeName(fields[i + 2]);
        if (!isSiblingOf(temporary, target, "tmp")
            || (!backup.isEmpty() && !isSiblingOf(backup, target, "bak")))
            return; // not a list this program wrote: touch nothing
    }
    QStringList targets;
    for (qsizetype i = 0; i + 2 < fields.size(); i += 3) {
        // A temporary file still there was not moved yet; one that is gone already was.
        if (QFileInfo::exists(QFile::decodeName(fields[i])))
            ::rename(fields[i].constData(), fields[i + 1].constData());
        targets << QFile::decodeName(fields[i + 1]);
    }
    syncFoldersOf(targets);
    ::unlink(native(journal).constData());
    for (qsizetype i = 2; i < fields.size(); i += 3) {
        if (!fields[i].isEmpty())
            ::unlink(fields[i].constData());
    }
}

void StagedFiles::setFaultsForTesting(TestFaults testFaults)
{
    faults = testFaults;
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
    if (m_durability == Durability::Unsynced && ::lstat(target.constData(), &old) == 0
        && S_ISREG(old.st_mode)) {
        // Swapping the two names replaces the old file as atomically as a rename does, without
        // the flush that some file systems (ext4) force on a rename over an existing file. A
        // file that can be made again does not need that care; where the file system cannot
        // swap, an ordinary rename follows.
        if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(),
                        RENAME_EXCHANGE)
            == 0) {
            ::unlink(temporary.constData()); // the old version, now under the temporary name
            return true;
        }
    }
    return ::rename(temporary.constData(), target.constData()) == 0;
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

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RuntimeError.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// A set of files that replace their old versions together or not at all. Each file is first
// written completely (and flushed to the disk) under a temporary name in its target's folder;
// commit() then moves all of them into place. Until commit() succeeds the old files are
// untouched; if moving one fails, the ones already moved are put back from hard-linked (or
// copied) backups. Whatever is left staged is removed when the set is destroyed. A name that is
// a symbolic link is saved through: the file it names is replaced and the link stays. Only a
// regular file is ever replaced: a folder, a device or a pipe in the way is refused.
//
// A commit of several files first puts a list of its moves on the disk, in the folder given
// (".<name of the first file>.saving"). Should the program die half-way through the moves, or
// the power fail, InterruptedCommit completes them: the files are then all new, never a mix of
// old and new. Before that list is in place nothing has been moved, and the old files stand.
class StagedFiles
{
public:
    // A file that can be made again from the record book (an exported picture or page) need not
    // wait for the disk: it still never replaces the old file half-written, but a power cut right
    // after the export may lose it.
    enum class Durability { Synced, Unsynced };

    explicit StagedFiles(QString folder, Durability durability = Durability::Synced);
    ~StagedFiles();
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;

    std::optional<RuntimeError> stage(const QString &name, const QByteArray &bytes);

    // For a large file made piece by piece: `produce` appends its bytes through the sink, which
    // returns false (with errno set) when the disk refuses them.
    using Sink = std::function<bool(const char *data, qsizetype size)>;
    std::optional<RuntimeError> stageWritten(const QString &name,
                                             const std::function<bool(const Sink &)> &produce);

    std::optional<RuntimeError> commit();

    // Where staging `path` writes: the file a symbolic link names (a dangling link names the
    // file to create), else `path` itself.
    static QString writtenPath(const QString &path);

    // Appends all of `data` to an open file, going on after interruptions; false with errno set
    // when the file refuses the bytes. An export written into a FIFO or a device uses it too.
    static bool writeAll(int fd, const char *data, qsizetype size);

    // Tests make the file system fail: staged writes fail (ENOSPC) once `writeBytes` bytes have
    // been written in all, and moving a file into place fails (EIO) after `renames` moves. The
    // process kills itself at the `killAt`-th step of a commit of several files: 0 before the
    // first move, n after the n-th. A negative budget, the default, never fails.
    struct TestFaults
    {
        qint64 writeBytes = -1;
        int renames = -1;
        int killAt = -1;
    };
    static void setFaultsForTesting(TestFaults faults);

    // Tests watch the order of a commit's steps: each file flushed to the disk (the data of a
    // staged file, the list of moves) and each moved into place, told by its temporary name.
    enum class Step { Flushed, Moved };
    using StepObserver = std::function<void(Step, const QString &temporary)>;
    static void setObserverForTesting(StepObserver observer);

private:
    struct Entry
    {
        QString target;
        QString temporary;
        QString backup; // set during commit when the target existed
    };

    // Creates a new empty file under a fresh temporary name for `target`; returns its
    // descriptor, or -1 with errno set.
    int createTemporary(const QString &target, QString &path) const;
    // The bytes of the file staged as `path` are on the disk, as far as the durability asks.
    bool flushed(int fd, const QString &path) const;
    std::optional<RuntimeError> makeBackups();
    // Puts the list of moves in place, whole and on the disk, or says why it cannot.
    std::optional<RuntimeError> writeJournal(const QString &journal) const;
    // Puts the staged file where its target is; false with errno set when it cannot.
    bool moveIntoPlace(const Entry &entry) const;
    void restoreBackups(qsizetype moved);
    void removeFiles(QString Entry::*which);

    QString m_folder;
    Durability m_durability;
    QList<Entry> m_entries;
};

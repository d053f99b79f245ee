// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RuntimeError.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A commit of several staged files (see StagedFiles) that was cut off while its list of moves
// stood on the disk. The list is read as untrusted input: it may only move a temporary that a
// commit made beside one of the files the caller allows onto that file, compared as canonical
// paths, so that a list brought along with a record book cannot move or remove anything else.
struct InterruptedCommit
{
    struct Move
    {
        QString temporary; // the new version, until it is moved
        QString target;
        QString backup;    // the old version kept while moving; empty for a new file
    };

    QString journal;      // the list of moves
    QList<Move> moves;    // empty when anything in the list is foreign
    QStringList foreign;  // what the list names that is not ours to touch: never acted on
    qsizetype made = 0;   // of `moves`, those made before the cut

    bool isOurs() const { return foreign.isEmpty(); }
    // Before the first move the old files stand whole; after the last the new ones do.
    bool oldFilesWhole() const { return made == 0; }
    bool newFilesWhole() const { return made == moves.size(); }

    // The list of moves at `journal` of a commit onto `targets`, as it stands; nothing when there
    // is none. Reads, never writes.
    static std::optional<InterruptedCommit> find(const QString &journal,
                                                 const QStringList &targets);

    // Makes the moves not yet made and puts them on the disk, then removes the list and the
    // backups. A list that is not ours, or a move that fails, changes nothing more: the list and
    // the backups stay, and the failure is returned.
    std::optional<RuntimeError> finish() const;
};

// Removes the temporaries and backups that killed commits onto `targets` left beside them, and
// the temporaries of their list of moves `journal`: regular files with the hidden names a commit
// gives them. Whatever the list at `journal` names stays.
void removeLeftovers(const QString &journal, const QStringList &targets);

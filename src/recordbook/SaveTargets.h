// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RuntimeError.h"

#include <QString>
#include <QStringList>

#include <optional>

// Where a save of a record book writes: the .ini and its three object files, each through its
// symbolic link when it is one (the link stays and the file it names gets the new content), as
// long as that file lies in the book's folder or below it. A book brought from elsewhere may
// hold links anywhere; a save never writes through one that leads out.
struct SaveTargets
{
    QString journal;   // where the save's list of moves goes
    QStringList files; // the canonical places written that lie in the book's folder, .ini first
    // A link that leads out of the folder (or on to another link): named with where it points.
    // Nothing is saved then.
    std::optional<RuntimeError> refusal;
};

// The targets of saving the record book `iniName` in `folder`.
SaveTargets saveTargets(const QString &folder, const QString &iniName);

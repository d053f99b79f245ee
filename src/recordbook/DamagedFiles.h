// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordBook.h"

#include <QString>
#include <QStringList>

#include <optional>

// Object files that opened damaged. Their readable part is shown; the part after the damage is
// still on disk, and a save would replace it. So the user is told at open which file stopped
// where, and before a save replaces such a file a copy of it is kept beside it as "<name>.bak".

// The object files of a load that were found but not read to their end.
QStringList incompleteObjectFiles(const RecordBookLoadResult &loaded);

// Where one file stopped, as the user reads it: "寸法ラベル 2（12 行目）から先を読み込めません".
QString incompleteFileText(const ObjectFileReport &report);

// The warning shown at open, naming every incomplete file; empty when there is none.
QString openedDamagedText(const RecordBookLoadResult &loaded);

struct KeptDamagedFiles
{
    QStringList originals;             // the damaged files that were copied
    QStringList copies;                // their ".bak" copies, in the same order
    std::optional<RuntimeError> error; // a copy could not be written: do not save
};

// Copies each of `damaged` that saving the record book as folder/fileName would replace to a
// free name beside it ("<name>.bak", else "<name>.bak2", …), each copy whole and on the disk.
// Stops at the first that cannot be copied.
KeptDamagedFiles keepDamagedFiles(const QStringList &damaged, const QString &folder,
                                  const QString &fileName);

// The note shown after a save that kept copies.
QString keptDamagedText(const QStringList &copies);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "InterruptedCommit.h"
#include "SaveTargets.h"

#include <QString>

#include <optional>

// A save of a record book that was cut off (the program killed, the power gone) while moving its
// four files into place. Reading never completes it: Open asks the user first, and a save of the
// book completes it before writing.

// The cut-off save of the record book at iniPath, as its list of moves tells it; nothing when
// there is none. Reads, never writes.
std::optional<InterruptedCommit> findInterruptedSave(const QString &iniPath);

// Before a save: completes a cut-off save of ours, then removes what killed saves left beside
// the book. A list that is not ours is left alone (the save replaces it); a move that fails
// stops the save.
std::optional<RuntimeError> tidyBeforeSaving(const SaveTargets &targets);

// Open's question: which version the files on the disk are, and whether to complete the save.
QString interruptedSaveQuestion(const InterruptedCommit &commit);
// Open's warning about a list that names files not this book's own.
QString foreignJournalText(const InterruptedCommit &commit);
// One line for --dump, which reads the files as they are.
QString interruptedSaveNote(const InterruptedCommit &commit);

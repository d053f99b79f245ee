// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordBook.h"

#include <QByteArray>

// The record book as the reader understood it, as indented JSON: the picture file name, every
// scale value under its key, and every element of the six collections with every stored field
// (colours as the stored signed integers). With a load result, also which object files were
// read and whether each was read to its end.
QByteArray recordBookToJson(const RecordBookContent &content,
                            const RecordBookLoadResult *load = nullptr);

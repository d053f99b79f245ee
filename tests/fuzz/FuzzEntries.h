// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandLine.h"

#include <QByteArray>
#include <QString>

// What the fuzzers throw at the program, as plain functions: the fuzz targets call them on every
// input and the regression test on every input kept in regressions/. Each returns what the
// program did wrong with the input, or empty text when its answer is one it may give; crashes,
// hangs and sanitizer reports are faults of their own.
using FuzzEntry = QString (*)(const QByteArray &input);

// A record book packed into one input: the .ini, the text, the line and the shape object file,
// in that order, parted by PartSeparator. Missing parts are missing files; a part after the
// fourth stays in the shape file. The parts are written into a private folder as book.ini,
// book_Text.Bin, book_Line.Bin and book_Shape.Bin, so the .ini of a seed names those.
inline constexpr char PartSeparator[] = "\n--8<--\n";

// Reads the packed record book as `catchscale --dump` does.
CommandOutput dumpPackedRecordBook(const QByteArray &packed);

// Dumps the packed record book, takes its catch book rows and weight estimate and prints it.
// When the dump read it without a warning, saves it over itself and reads it back twice over,
// and expects the second save to give back what it was given.
QString openPackedRecordBook(const QByteArray &packed);

// Loads the bytes as Init.ini, writes both folders as the folder settings dialog does and expects
// to read back what was written.
QString openSettingsFile(const QByteArray &bytes);

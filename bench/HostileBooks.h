// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Record books made to be as slow to open as the reader's caps allow: a 1 MiB .ini, object files
// of 32 MiB, captions and font names as long as they come, every collection at its limit, a
// different font for every label. Each lies in a folder of its own with a small photograph.

// Writes every hostile book into FOLDER/<name>/book.ini; returns the names, or nothing when one
// could not be written.
QStringList writeHostileBooks(const QString &folder);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QIODevice;

// Qt's BMP and GIF readers fill what a cut-off file lacks with black and say nothing; these look
// at the file's own structure to tell whether the picture's data is all there.

// An uncompressed BMP holds every row its header promises. Compressed (run-length) bitmaps and
// anything that is no BMP count as whole.
// `head` is the file's first bytes (54 are enough), `fileSize` its size.
bool bmpIsWhole(const QByteArray &head, qint64 fileSize);

// A GIF holds its first image's data to the end of its last block. Anything that is no GIF counts
// as whole.
// Reads the file from its start, skipping over the image data.
bool gifIsWhole(QIODevice &file);

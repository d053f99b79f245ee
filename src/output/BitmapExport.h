// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/ImageExport.h"
#include "output/PageRenderer.h"
#include "platform/RuntimeError.h"
#include "recordbook/ExportTarget.h"
#include "recordbook/StagedFiles.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// The bitmap holds the canvas as the screen shows it at actual size: lines at their screen
// widths, every kept annotation burnt in (comments aside) and everything outside the print area
// white. Its header says 3780 pixels a metre, the screen's 96 dots an inch that everything in it
// is drawn at, so that other programs know its real size; the paper is as many pixels a
// millimetre, so that the bitmap's size is the paper's.
inline constexpr int BitmapDotsPerMetre = 3780;
inline constexpr double BitmapPixelsPerMm = BitmapDotsPerMetre / 1000.0;

// The canvas burnt into an image of canvasPx pixels (the paper at BitmapPixelsPerMm), with the
// outside of the print area whitened.
QImage subWrightImage(const PageScene &scene, QSize canvasPx, OleColor markerFill);

// Every pixel outside the print area turns white, the area's own border pixels too: rows and
// columns up to its rounded top and left edge and from its rounded bottom and right edge on.
void subWhiteOutside(QImage &canvas, const QRectF &printAreaMm, double pixelsPerMm);

// Writes the image as a 24-bit BMP file, rows bottom-up, with its resolution in the header.
// False when the sink refuses the bytes.
bool writeBmp(const QImage &image, const StagedFiles::Sink &sink);

// Burns, whitens and writes the canvas to the target as a BMP file. The file is written whole
// under a temporary name and then put in place, so a failure leaves what was there untouched. A
// canvas of more than MostExportPixels is refused, as a picture export is: its file would need
// the same memory (and, with three bytes a pixel, stays well within the format's 4 GB).
std::optional<RuntimeError> subSaveImage(const ExportTarget &target, const PageScene &scene,
                                         QSize canvasPx, OleColor markerFill);

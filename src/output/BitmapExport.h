#pragma once

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
// white. Its header says 3780 pixels a metre, so that other programs know its real size.
inline constexpr int BitmapDotsPerMetre = 3780;

// The canvas burnt into an image of canvasPx pixels (the paper at the canvas's pixels a
// millimetre), with the outside of the print area whitened.
QImage subWrightImage(const PageScene &scene, QSize canvasPx, OleColor markerFill);

// Every pixel outside the print area turns white, the area's own border pixels too: rows and
// columns up to its rounded top and left edge and from its rounded bottom and right edge on.
void subWhiteOutside(QImage &canvas, const QRectF &printAreaMm, double pixelsPerMm);

// Whether a BMP file can hold an image of that size: its sizes are 32-bit numbers.
bool bmpCanHold(QSize size);

// Writes the image as a 24-bit BMP file, rows bottom-up, with its resolution in the header.
// False when the sink refuses the bytes or the image is too large for the format.
bool writeBmp(const QImage &image, const StagedFiles::Sink &sink);

// Burns, whitens and writes the canvas to the target as a BMP file.
std::optional<RuntimeError> subSaveImage(const ExportTarget &target, const PageScene &scene,
                                         QSize canvasPx, OleColor markerFill);

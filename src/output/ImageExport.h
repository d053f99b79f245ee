// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/PageRenderer.h"
#include "platform/RuntimeError.h"
#include "recordbook/ExportTarget.h"

#include <QImage>
#include <QString>

#include <optional>

// The print area as a picture file for other programs: PNG or JPEG, chosen by the file's
// extension. At a print shop's resolution the file says its dots per inch, so that it prints at
// actual size; the share size fits social media and carries a scale bar instead.

// The resolutions offered, in dots per inch.
inline constexpr int ImageExportResolutions[] = {96, 150, 300, 600};
// The long side of a share-size picture, in pixels.
inline constexpr int ShareLongSidePx = 2048;
// No picture larger than this is made: 600 dpi of an A1 print area already needs 1.2 GB.
inline constexpr qint64 MostExportPixels = qint64(1) << 28;

struct ImageExportRequest
{
    PageKinds kinds;
    int dotsPerInch = 300; // ignored for the share size
    bool shareSize = false;
};

// The print area painted at the given resolution: the picture and the chosen kinds, white
// where the picture does not reach, lines and text at their printed size.
QImage printAreaImage(const PageScene &scene, PageKinds kinds, double dotsPerMm);

// A bar of a round length (1, 2 or 5 times a power of ten millimetres) about a fifth of the
// picture's width, with its length written above it, in the lower left corner.
void burnScaleBar(QImage &image, double dotsPerMm);

// Paints and writes the picture, as PNG or JPEG as the target's format says.
std::optional<RuntimeError> exportImage(const ExportTarget &target, const PageScene &scene,
                                        const ImageExportRequest &request);

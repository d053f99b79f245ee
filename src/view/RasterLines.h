// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"
#include "view/RasterTarget.h"

// Draws solid one-pixel lines straight into a 32-bit image, pixel for pixel as Qt's raster
// engine draws them with a pen of at most one pixel's width, no antialiasing and plain
// source-over drawing: the same fixed-point steps, the same clipping. The engine spends some
// microseconds on each line and some nanoseconds on each pixel; the 80,000 lines of a record
// book at its limits took most of a frame's time that way, about a tenth of it this way.
class RasterLines
{
public:
    explicit RasterLines(const RasterTarget &target);

    // Draws the line as paintLine would; false, drawing nothing, for a line the engine would
    // draw another way (a pattern, a wider pen, inverting, no length), which the caller paints.
    bool draw(const AnnotationLine &line, double pixelsPerMm);

private:
    void drawDeviceLine(double x1, double y1, double x2, double y2, quint32 colour);

    RasterTarget m_target;
};

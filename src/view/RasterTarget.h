// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QTransform>

#include <optional>

class QImage;
class QPainter;

// A painter's device when it is an image in the screen's format (RGB32) that objects may be
// written into directly, pixel for pixel as Qt's raster engine would put them there: no
// antialiasing, no transform but a shift, a rectangular clip (or none), plain source-over
// drawing at full opacity.
struct RasterTarget
{
    QImage *image = nullptr;
    QTransform transform; // painter coordinates to device pixels
    QRect clip;           // the device pixels that may be written

    // The painter's target, or nothing when its device or state is one the engine would draw
    // into differently.
    static std::optional<RasterTarget> of(const QPainter &painter);
};

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationStore.h"
#include "annotations/LiveObjects.h"
#include "annotations/StyleDefaults.h"

#include <QFlags>
#include <QImage>
#include <QRectF>

class CaptionLayouts;
class PicturePainter;
class QPainter;
class ShapeStamps;

// Which kinds of object a device gets: the screen shows everything, a print or a bitmap only the
// kinds the user chose.
enum class CanvasLayer : unsigned {
    Picture = 1 << 7,
    Dimensions = 1 << 0,
    TextLabels = 1 << 1,
    LeaderLines = 1 << 2,
    PaperFrame = 1 << 3,
    PrintArea = 1 << 4,
    Defaults = 1 << 5,
    Live = 1 << 6,
};
Q_DECLARE_FLAGS(CanvasLayers, CanvasLayer)
Q_DECLARE_OPERATORS_FOR_FLAGS(CanvasLayers)

inline constexpr CanvasLayers AllCanvasLayers = CanvasLayers(0xFF);

// The picture and everything drawn over it, borrowed from the main form for one paint.
struct CanvasScene
{
    const AnnotationStore &annotations;
    const LiveObjects &live;
    const StyleDefaults &defaults;
    const QImage *picture = nullptr; // null when the canvas shows none
    QSizeF pictureMm;                // the picture is painted at (0, 0) stretched to this size
};

struct CanvasRenderOptions
{
    static constexpr CanvasLayers LiveLayers = CanvasLayers(unsigned(CanvasLayer::Live));

    double pixelsPerMm = 96.0 / 25.4; // device pixels per canvas millimetre
    CanvasLayers layers = AllCanvasLayers;
    QRectF exposedPx;                          // the device area to paint; empty: everything
    PicturePainter *picturePainter = nullptr;  // keeps a reduced copy between paints
    ShapeStamps *shapeStamps = nullptr;        // keeps small shapes drawn between paints
    CaptionLayouts *captionLayouts = nullptr;  // keeps captions laid out between paints
    // The painter is clipped to exposedPx, so labels that opaque labels cover there can be left
    // out (CoveredLabels).
    bool skipCoveredLabels = false;
};

// Paints the annotations in layers, the live measuring objects last, onto a painter that works
// in device pixels with the canvas origin at (0, 0). Into an image in the screen's format, lines
// of a pixel are written straight (RasterLines), and with options.shapeStamps small shapes are
// stamped (ShapeStamps).
void renderCanvas(QPainter &painter, const CanvasScene &scene, const CanvasRenderOptions &options);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasRenderer.h"

#include "annotations/AnnotationPainter.h"
#include "view/CoveredLabels.h"
#include "view/ObjectBounds.h"
#include "view/PicturePainter.h"
#include "view/RasterLines.h"
#include "view/ShapeStamps.h"

#include <QPainter>

#include <optional>

namespace {

// Paints the visible elements of a collection that meet the exposed area (all of them when the
// area is empty), so a view of one corner of a crowded canvas stays quick.
template <class Collection, class PaintOne>
void paintAll(QPainter &painter, const Collection &collection, const CanvasRenderOptions &options,
              PaintOne paintOne)
{
    const double ppm = options.pixelsPerMm;
    const QRectF area = options.exposedPx.adjusted(-BoundsPaddingPx, -BoundsPaddingPx,
                                                   BoundsPaddingPx, BoundsPaddingPx);
    const bool everything = options.exposedPx.isEmpty();
    for (const auto &element : collection) {
        if (!element.Visible)
            continue;
        if (everything || area.intersects(deviceBounds(element, ppm).adjusted(-1, -1, 1, 1)))
            paintOne(painter, element, ppm);
    }
}

// Into a plain raster image, lines go straight and small shapes as stamps where they can;
// everything else goes through the painter.
struct RasterShortcuts
{
    std::optional<RasterLines> lines;
    std::optional<ShapeStamps::Stamper> stamper;

    RasterShortcuts(const QPainter &painter, ShapeStamps *stamps)
    {
        if (const std::optional<RasterTarget> target = RasterTarget::of(painter)) {
            lines.emplace(*target);
            if (stamps)
                stamper.emplace(*stamps, *target);
        }
    }

    auto linePainter()
    {
        return [this](QPainter &painter, const AnnotationLine &line, double ppm) {
            if (!lines || !lines->draw(line, ppm))
                paintLine(painter, line, ppm);
        };
    }
    auto shapePainter()
    {
        return [this](QPainter &painter, const MarkerShape &shape, double ppm) {
            if (!stamper || !stamper->draw(shape, ppm))
                paintShape(painter, shape, ppm);
        };
    }
};

auto labelPainter(const CanvasRenderOptions &options, const CoveredLabels *covered)
{
    return [layouts = options.captionLayouts, covered](QPainter &painter,
                                                       const AnnotationLabel &label, double ppm) {
        if (!covered || !covered->covers(label))
            paintLabel(painter, label, ppm, layouts);
    };
}

void paintDimensions(QPainter &painter, const AnnotationStore &store,
                     const CanvasRenderOptions &options, RasterShortcuts &raster,
                     const CoveredLabels *covered)
{
    paintAll(painter, store.lineDsSave, options, raster.linePainter());
    paintAll(painter, store.lineHojoSave, options, raster.linePainter());
    paintAll(painter, store.shpSnpo, options, raster.shapePainter());
    paintAll(painter, store.lblKyori, options, labelPainter(options, covered));
}

void paintLiveObjects(QPainter &painter, const LiveObjects &live, double ppm)
{
    paintLine(painter, live.lineCheck, ppm);
    for (const MarkerShape &marker : live.shpCheck)
        paintShape(painter, marker, ppm);
    paintLine(painter, live.lineHintX, ppm);
    paintLine(painter, live.lineHintY, ppm);
    paintLine(painter, live.lineDistance, ppm);
    for (const AnnotationLine &line : live.lineHojo)
        paintLine(painter, line, ppm);
    paintShape(painter, live.shpSnap, ppm);
    paintLabel(painter, live.lblDistance, ppm);
    paintLabel(painter, live.lblFt, ppm);
}

// The print-area masks shade what lies outside the area so that any picture still reads
// through them.
void paintMask(QPainter &painter, const MarkerShape &mask, double ppm)
{
    if (!mask.Visible)
        return;
    QColor shade = toQColor(mask.BackColor);
    shade.setAlpha(70);
    painter.fillRect(QRectF(mask.Left * ppm, mask.Top * ppm, mask.Width * ppm, mask.Height * ppm),
                     shade);
}

void paintPicture(QPainter &painter, const CanvasScene &scene, const CanvasRenderOptions &options)
{
    const QSizeF targetPx = scene.pictureMm * options.pixelsPerMm;
    const QRectF exposed =
        options.exposedPx.isEmpty() ? QRectF(QPointF(0, 0), targetPx) : options.exposedPx;
    if (options.picturePainter) {
        options.picturePainter->paint(painter, *scene.picture, targetPx, exposed);
        return;
    }
    PicturePainter oneOff;
    oneOff.paint(painter, *scene.picture, targetPx, exposed);
}

} // namespace

void renderCanvas(QPainter &painter, const CanvasScene &scene, const CanvasRenderOptions &options)
{
    const double ppm = options.pixelsPerMm;
    const CanvasLayers layers = options.layers;
    if ((layers & CanvasLayer::Picture) && scene.picture)
        paintPicture(painter, scene, options);
    RasterShortcuts raster(painter, options.shapeStamps);
    std::optional<CoveredLabels> covered;
    if (options.skipCoveredLabels && !options.exposedPx.isEmpty()) {
        const AnnotationStore &store = scene.annotations;
        covered.emplace(layers & CanvasLayer::Dimensions ? &store.lblKyori : nullptr,
                        layers & CanvasLayer::TextLabels ? &store.lblMoji : nullptr,
                        options.exposedPx.toAlignedRect(), ppm);
    }
    const CoveredLabels *coveredLabels = covered ? &*covered : nullptr;
    if (layers & CanvasLayer::LeaderLines)
        paintAll(painter, scene.annotations.lineHikidashi, options, raster.linePainter());
    if (layers & CanvasLayer::Dimensions)
        paintDimensions(painter, scene.annotations, options, raster, coveredLabels);
    if (layers & CanvasLayer::TextLabels)
        paintAll(painter, scene.annotations.lblMoji, options, labelPainter(options, coveredLabels));
    if (layers & CanvasLayer::PrintArea) {
        for (const MarkerShape &mask : scene.live.shpSps)
            paintMask(painter, mask, ppm);
        paintShape(painter, scene.live.shpPrint, ppm);
    }
    if (layers & CanvasLayer::PaperFrame) {
        for (const MarkerShape &frame : scene.live.shpPrintWaku)
            paintShape(painter, frame, ppm);
    }
    if (layers & CanvasLayer::Defaults) {
        paintLine(painter, scene.defaults.linDefault, ppm);
        paintLabel(painter, scene.defaults.lblDefault, ppm, options.captionLayouts);
    }
    if (layers & CanvasLayer::Live)
        paintLiveObjects(painter, scene.live, ppm);
}

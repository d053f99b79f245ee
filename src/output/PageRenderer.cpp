// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageRenderer.h"

#include "annotations/AnnotationPainter.h"
#include "document/LabelMetrics.h"
#include "output/PrintedLabels.h"
#include "view/PicturePainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// One point is this many millimetres: a comment prints one font height below its label's top.
constexpr double MmPerPoint = 0.352777755;
// On paper, a line wider than one pixel gets this many printer dots a pixel.
constexpr double PrinterDotsPerPixel = 4;

double penWidth(std::int16_t borderWidth, const PageStyle &style)
{
    if (style.pens == PagePens::ScreenPixels)
        return std::max<double>(1, borderWidth) * style.dotsPerMm / ScreenPixelsPerMm;
    return borderWidth <= 1 ? 1.0 : borderWidth * PrinterDotsPerPixel;
}

// Dashes keep the length they have on the screen whatever the pen width and the resolution, so a
// dashed hairline on a 600 dpi printer still reads as dashed.
QPen linePen(const AnnotationLine &line, const PageStyle &style)
{
    const double width = penWidth(line.BorderWidth, style);
    QPen pen(toQColor(line.BorderColor), width, toQtPenStyle(line.BorderStyle));
    pen.setCapStyle(Qt::FlatCap); // a 100 mm line is 100 mm, not one pen width more
    if (line.BorderStyle != BorderSolid && pen.style() != Qt::NoPen) {
        const double screenPixelInPens = style.dotsPerMm / ScreenPixelsPerMm / width;
        QList<qreal> dashes = pen.dashPattern();
        for (qreal &dash : dashes)
            dash *= std::max(1.0, screenPixelInPens);
        pen.setDashPattern(dashes);
    }
    return pen;
}

// Canvas millimetres to device units on paper.
QTransform toDots(const PageScene &scene, double dotsPerMm)
{
    return scene.toPaper * QTransform::fromScale(dotsPerMm, dotsPerMm);
}

// All but the last element: the last is the hidden spare.
template <class Collection, class DrawOne>
void forEachInUse(const Collection &collection, DrawOne drawOne)
{
    for (int i = 0; i < collection.UBound(); ++i)
        drawOne(collection[i]);
}

// Lines keep their widths and circles their roundness; only their places follow the paper.
void drawLine(QPainter &painter, const AnnotationLine &line, const QTransform &place,
              const PageStyle &style)
{
    if (line.BorderStyle == BorderTransparent)
        return;
    painter.setPen(linePen(line, style));
    painter.drawLine(place.map(QPointF(line.X1, line.Y1)), place.map(QPointF(line.X2, line.Y2)));
}

void drawEndCircles(QPainter &painter, const AnnotationLine &line, double radiusMm,
                    const QTransform &place, const PageStyle &style)
{
    QPen outline(toQColor(line.BorderColor), penWidth(line.BorderWidth, style), Qt::SolidLine);
    painter.setPen(outline);
    painter.setBrush(toQColor(style.markerFill));
    const double r = radiusMm * style.dotsPerMm;
    painter.drawEllipse(place.map(QPointF(line.X1, line.Y1)), r, r);
    painter.drawEllipse(place.map(QPointF(line.X2, line.Y2)), r, r);
    painter.setBrush(Qt::NoBrush);
}

// The shown part of a caption with the top of its line at `topLeft` (device units). An opaque
// label prints on white.
void drawText(QPainter &painter, const AnnotationLabel &label, const QString &caption,
              QPointF topLeft, const PageStyle &style)
{
    const QString text = shownCaption(caption);
    if (text.isEmpty())
        return;
    QFont font = toQFont(label);
    font.setStrikeOut(false);
    font.setUnderline(false);
    // Points measured on this device: its own resolution may differ from what the painter's
    // units are (a bitmap is drawn at the screen's scale).
    const int deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    font.setPointSizeF(font.pointSizeF() * style.dotsPerMm * 25.4 / deviceDpi);
    painter.setFont(font);
    const QRectF room(topLeft, QSizeF(1e6, 1e6));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
    if (label.BackStyle != 0)
        painter.fillRect(painter.boundingRect(room, flags, text), Qt::white);
    painter.setPen(toQColor(label.ForeColor));
    painter.drawText(room, flags, text);
}

// A comment's line starts one font height below its label's top, on paper as on the canvas.
void drawLabel(QPainter &painter, const AnnotationLabel &label, bool withComment,
               const QTransform &place, const PageStyle &style)
{
    const QPointF topLeft = place.map(QPointF(label.Left, label.Top));
    drawText(painter, label, label.Caption, topLeft, style);
    if (withComment) {
        const double lineDots = label.FontSize * MmPerPoint * style.dotsPerMm;
        drawText(painter, label, label.ToolTipText, topLeft + QPointF(0, lineDots), style);
    }
}

// A part of a picture as an image over the picture's own memory. A paint engine given the whole
// picture and a source rectangle copies that part first (the PDF engine does: tens of megabytes
// for a photograph); given this, it has nothing to copy. Pictures are 32-bit, as loaded.
QImage sharedPart(const QImage &picture, const QRect &part)
{
    if (picture.depth() < 24)
        return picture.copy(part); // a colour table would not come along
    const int bytesPerPixel = picture.depth() / 8;
    return QImage(picture.constScanLine(part.top()) + part.left() * bytesPerPixel, part.width(),
                  part.height(), picture.bytesPerLine(), picture.format());
}

// The canvas's dots to the paper's: the paper frame with its shift in device units.
QTransform inDots(const QTransform &toPaper, double dotsPerMm)
{
    return {toPaper.m11(), toPaper.m12(), toPaper.m21(), toPaper.m22(),
            toPaper.dx() * dotsPerMm, toPaper.dy() * dotsPerMm};
}

// The picture's own pixels for the part of the print area the device shows (its clip), drawn
// once, in the canvas's dots with the paper frame laid over them.
void drawPicture(QPainter &painter, const PageScene &scene, const PageStyle &style)
{
    const QImage &picture = *scene.picture;
    if (picture.isNull() || scene.pictureMm.isEmpty())
        return;
    const double dpm = style.dotsPerMm;
    const QTransform frame = inDots(scene.toPaper, dpm);
    const QSizeF targetDots = scene.pictureMm * dpm;
    const QRectF area = frame.inverted().mapRect(painter.clipBoundingRect())
                            .intersected(QRectF(scene.printAreaMm.topLeft() * dpm,
                                                scene.printAreaMm.size() * dpm));
    const QRectF wanted = area.intersected(QRectF(QPointF(0, 0), targetDots));
    if (wanted.isEmpty())
        return;
    painter.save();
    painter.setTransform(frame, true);
    if (style.picturePainter) {
        style.picturePainter->paint(painter, picture, targetDots, wanted);
    } else {
        // Whole source pixels covering the wanted part, so nothing is resampled.
        const double pxPerDotX = picture.width() / targetDots.width();
        const double pxPerDotY = picture.height() / targetDots.height();
        const int left = int(std::floor(wanted.left() * pxPerDotX));
        const int top = int(std::floor(wanted.top() * pxPerDotY));
        const int right = std::min(picture.width(), int(std::ceil(wanted.right() * pxPerDotX)));
        const int bottom =
            std::min(picture.height(), int(std::ceil(wanted.bottom() * pxPerDotY)));
        const QRect source(left, top, right - left, bottom - top);
        const QRectF target(source.left() / pxPerDotX, source.top() / pxPerDotY,
                            source.width() / pxPerDotX, source.height() / pxPerDotY);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, sharedPart(picture, source));
    }
    painter.restore();
}

// Nothing is drawn outside the print area: a rectangle on paper unless the frame turns it.
void clipToPrintArea(QPainter &painter, const PageScene &scene, double dotsPerMm)
{
    const QPolygonF area = printAreaOnPaper(scene);
    const QTransform scale = QTransform::fromScale(dotsPerMm, dotsPerMm);
    if (scene.toPaper.type() <= QTransform::TxScale) {
        painter.setClipRect(scale.mapRect(area.boundingRect()), Qt::IntersectClip);
        return;
    }
    QPainterPath path;
    path.addPolygon(scale.map(area));
    painter.setClipPath(path, Qt::IntersectClip);
}

} // namespace

QPolygonF printAreaOnPaper(const PageScene &scene)
{
    return scene.toPaper.map(QPolygonF(scene.printAreaMm));
}

QRectF printAreaBoundsOnPaper(const PageScene &scene)
{
    return scene.toPaper.mapRect(scene.printAreaMm);
}

void renderPage(QPainter &painter, const PageScene &scene, const PageStyle &style)
{
    painter.save();
    clipToPrintArea(painter, scene, style.dotsPerMm);
    painter.setBrush(Qt::NoBrush);
    if (scene.picture)
        drawPicture(painter, scene, style);
    const QTransform place = toDots(scene, style.dotsPerMm);
    const AnnotationStore &store = scene.annotations;
    const PageKinds kinds = style.kinds;
    const auto drawOne = [&](const AnnotationLine &line) {
        drawLine(painter, line, place, style);
    };
    if (kinds.dimensions) {
        forEachInUse(store.lineHojoSave, drawOne);
        const double radiusMm = store.shpSnpo[0].Width / 2.0;
        forEachInUse(store.lineDsSave, [&](const AnnotationLine &line) {
            drawOne(line);
            drawEndCircles(painter, line, radiusMm, place, style);
        });
    }
    if (kinds.leaders)
        forEachInUse(store.lineHikidashi, drawOne);
    if (kinds.dimensions) {
        for (const AnnotationLabel &label : printedDimensionLabels(scene))
            drawLabel(painter, label, kinds.comments, place, style);
    }
    if (kinds.texts) {
        for (const AnnotationLabel &label : printedTextLabels(scene))
            drawLabel(painter, label, false, place, style);
    }
    painter.restore();
}

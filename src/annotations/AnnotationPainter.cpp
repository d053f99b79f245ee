// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnnotationPainter.h"

#include "annotations/CaptionLayouts.h"
#include "document/LabelMetrics.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>

namespace {

QRectF toDevice(float left, float top, float width, float height, double pixelsPerMm)
{
    return QRectF(left * pixelsPerMm, top * pixelsPerMm, width * pixelsPerMm,
                  height * pixelsPerMm);
}

QPen borderPen(OleColor colour, std::int16_t width, std::int16_t style, double pixelsPerMm)
{
    const double scale = pixelsPerMm / ScreenPixelsPerMm;
    QPen pen(toQColor(colour), std::max<double>(1, width) * scale, toQtPenStyle(style));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Live measuring objects are drawn by inverting so they show on any picture and vanish when drawn
// twice. Only raster devices can do that; a printer or PDF gets an ordinary copy.
void applyDrawMode(QPainter &painter, std::int16_t drawMode)
{
    const bool raster = painter.paintEngine()
                        && painter.paintEngine()->type() == QPaintEngine::Raster;
    painter.setCompositionMode(drawMode == DrawModeXorPen && raster
                                   ? QPainter::RasterOp_SourceXorDestination
                                   : QPainter::CompositionMode_SourceOver);
}

Qt::BrushStyle hatchStyle(std::int16_t fillStyle)
{
    switch (fillStyle) {
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

// Squares and circles use the shorter side of the box, centred in it.
QRectF figureRect(const MarkerShape &shape, const QRectF &box)
{
    const bool equalSides = shape.Shape == ShapeSquare || shape.Shape == ShapeCircle
                            || shape.Shape == ShapeRoundedSquare;
    if (!equalSides)
        return box;
    const double side = std::min(box.width(), box.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(box.center());
    return square;
}

void drawFigure(QPainter &painter, const MarkerShape &shape, const QRectF &rect)
{
    switch (shape.Shape) {
    case ShapeOval:
    case ShapeCircle: painter.drawEllipse(rect); break;
    case ShapeRoundedRectangle:
    case ShapeRoundedSquare: {
        const double radius = std::min(rect.width(), rect.height()) / 6;
        painter.drawRoundedRect(rect, radius, radius);
        break;
    }
    default: painter.drawRect(rect); break;
    }
}

} // namespace

Qt::PenStyle toQtPenStyle(std::int16_t borderStyle)
{
    switch (borderStyle) {
    case BorderSolid: return Qt::SolidLine;
    case BorderDash: return Qt::DashLine;
    case BorderDot: return Qt::DotLine;
    case BorderDashDot: return Qt::DashDotLine;
    case BorderDashDotDot: return Qt::DashDotDotLine;
    default: return Qt::NoPen;
    }
}

QColor toQColor(OleColor colour)
{
    if (colour & 0x80000000u) {
        // System colours: the few the program uses, as a plain desktop shows them.
        return colour == SystemWindowTextColor ? QColor(Qt::black) : QColor(Qt::white);
    }
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void paintLine(QPainter &painter, const AnnotationLine &line, double pixelsPerMm)
{
    if (!line.Visible || line.BorderStyle == BorderTransparent)
        return;
    painter.save();
    applyDrawMode(painter, line.DrawMode);
    painter.setPen(borderPen(line.BorderColor, line.BorderWidth, line.BorderStyle, pixelsPerMm));
    painter.drawLine(QPointF(line.X1 * pixelsPerMm, line.Y1 * pixelsPerMm),
                     QPointF(line.X2 * pixelsPerMm, line.Y2 * pixelsPerMm));
    painter.restore();
}

void paintShape(QPainter &painter, const MarkerShape &shape, double pixelsPerMm)
{
    if (!shape.Visible)
        return;
    painter.save();
    applyDrawMode(painter, shape.DrawMode);
    const QRectF rect = figureRect(
        shape, toDevice(shape.Left, shape.Top, shape.Width, shape.Height, pixelsPerMm));
    painter.setPen(Qt::NoPen);
    // A solid fill covers the back colour exactly (the same figure, drawn the same way), so
    // the back is drawn only under a hatched or transparent fill.
    if (shape.BackStyle == 1 && shape.FillStyle != FillSolid) {
        painter.setBrush(toQColor(shape.BackColor));
        drawFigure(painter, shape, rect);
    }
    if (shape.FillStyle != FillTransparent) {
        const Qt::BrushStyle style =
            shape.FillStyle == FillSolid ? Qt::SolidPattern : hatchStyle(shape.FillStyle);
        painter.setBrush(QBrush(toQColor(shape.FillColor), style));
        drawFigure(painter, shape, rect);
    }
    if (shape.BorderStyle != BorderTransparent) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
            borderPen(shape.BorderColor, shape.BorderWidth, shape.BorderStyle, pixelsPerMm));
        drawFigure(painter, shape, rect);
    }
    painter.restore();
}

void paintLabel(QPainter &painter, const AnnotationLabel &label, double pixelsPerMm,
                CaptionLayouts *layouts)
{
    if (!label.Visible)
        return;
    painter.save();
    const QRectF box = toDevice(label.Left, label.Top, label.Width, label.Height, pixelsPerMm);
    if (label.BackStyle == 1)
        painter.fillRect(box, toQColor(label.BackColor));
    if (label.BorderStyle == 1) {
        painter.setPen(QPen(Qt::black, pixelsPerMm / ScreenPixelsPerMm));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    }
    // The font is sized so that its points cover the same millimetres on every device.
    FontKey font = fontKey(label);
    const int deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    const double points = label.FontSize * pixelsPerMm * 25.4 / deviceDpi;
    if (points > 0)
        font.points = points; // QFont ignores a size of 0 or less and keeps the one it has
    painter.setPen(toQColor(label.ForeColor));
    const double margin = LabelMarginPx * pixelsPerMm / ScreenPixelsPerMm;
    const Qt::Alignment horizontal = label.Alignment == AlignRight    ? Qt::AlignRight
                                     : label.Alignment == AlignCenter ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft;
    const QRectF textBox = box.adjusted(margin, margin, -margin, -margin);
    const QString caption = shownCaption(label.Caption);
    if (layouts) {
        layouts->draw(painter, textBox, horizontal, font, caption);
    } else {
        painter.setFont(font.toFont());
        painter.drawText(textBox, int(horizontal | Qt::AlignTop) | Qt::TextDontClip, caption);
    }
    painter.restore();
}

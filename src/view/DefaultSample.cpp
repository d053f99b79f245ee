// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefaultSample.h"

#include "annotations/StyleDefaults.h"
#include "document/AnnotationStore.h"

#include <QRectF>

#include <algorithm>
#include <vector>

namespace {

// The scroll bars pin the sample this far from the visible corner, at a fixed 0.2645 mm a pixel
// whatever the zoom.
constexpr double PinMmPerPixel = 0.2645;
constexpr double PinOffsetMm = 10;
// What the sample keeps clear between itself and the canvas or a label.
constexpr double ClearanceMm = 1;

// How far the view reaches beyond the canvas before its edge, in millimetres; 0 along a
// direction in which the canvas fills the view.
double marginMm(int originPx)
{
    return std::max(0, originPx) / ScreenPixelsPerMm;
}

// Moves `box` down below every box of `labels` it meets. Sorted by their tops, the labels are
// passed once: the box only moves down, past each one it meets.
void moveBelow(QRectF &box, std::vector<QRectF> labels)
{
    std::sort(labels.begin(), labels.end(),
              [](const QRectF &a, const QRectF &b) { return a.top() < b.top(); });
    for (const QRectF &label : labels) {
        if (label.top() > box.bottom())
            break;
        if (label.intersects(box))
            box.moveTop(label.bottom() + ClearanceMm);
    }
}

} // namespace

void placeDefaultSample(StyleDefaults &defaults, const AnnotationStore &kept,
                        QPoint canvasOriginPx, QPoint scrollPx)
{
    AnnotationLabel &sample = defaults.lblDefault;
    const double marginX = marginMm(canvasOriginPx.x());
    const double marginY = marginMm(canvasOriginPx.y());
    QRectF box(scrollPx.x() * PinMmPerPixel + PinOffsetMm,
               scrollPx.y() * PinMmPerPixel + PinOffsetMm, sample.Width, sample.Height);
    // Beside the canvas it is pinned to the view's corner, inside the grey.
    const auto inMargin = [](double margin, double size) {
        return -margin + std::min(PinOffsetMm, (margin - size) / 2);
    };
    if (marginY >= sample.Height + 2 * ClearanceMm) {
        box.moveTop(inMargin(marginY, sample.Height));
        if (marginX > 0)
            box.moveLeft(-marginX + PinOffsetMm);
    } else if (marginX >= sample.Width + 2 * ClearanceMm) {
        box.moveLeft(inMargin(marginX, sample.Width));
    } else {
        std::vector<QRectF> labels;
        const auto &texts = kept.lblMoji;
        for (int i = 1; i <= texts.UBound(); ++i) {
            const AnnotationLabel &label = texts[i];
            const QRectF bounds(label.Left, label.Top, label.Width, label.Height);
            if (label.Visible && bounds.left() < box.right() && bounds.right() > box.left())
                labels.push_back(bounds);
        }
        moveBelow(box, std::move(labels));
    }
    sample.Left = float(box.left());
    sample.Top = float(box.top());
    AnnotationLine &underline = defaults.linDefault;
    underline.X1 = sample.Left;
    underline.X2 = sample.Left + sample.Width;
    underline.Y1 = sample.Top + 4;
    underline.Y2 = underline.Y1;
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Segment.h"
#include "document/AnnotationStore.h"
#include "view/CoveredLabels.h"

#include <gtest/gtest.h>

namespace {

enum class Kind { Dimension, Text };

struct Placed
{
    Kind kind;
    QRectF boxMm;
    std::int16_t backStyle = 1;
};

// Puts the label in the store after those already there, visible, at 9.75 points; returns
// where it went.
std::pair<Kind, int> place(AnnotationStore &store, const Placed &placed)
{
    int index = 0;
    AnnotationLabel *label = nullptr;
    if (placed.kind == Kind::Text) {
        index = *store.CreateTextLabel();
        label = &store.lblMoji[index];
    } else {
        const AnnotationLabel spareLabel = store.lblKyori.spare();
        const MarkerShape marker = store.shpSnpo.spare();
        index = *store.AppendDimension(spareLabel, segment(0, 0, 1, 0), segment(0, 0, 0, 1),
                                       segment(1, 0, 1, 1), marker, marker);
        label = &store.lblKyori[index];
    }
    label->Left = float(placed.boxMm.left());
    label->Top = float(placed.boxMm.top());
    label->Width = float(placed.boxMm.width());
    label->Height = float(placed.boxMm.height());
    label->FontSize = 9.75f;
    label->BackStyle = placed.backStyle;
    label->Visible = true;
    return {placed.kind, index};
}

} // namespace

// A label may be left out only when what comes later paints over every pixel it could touch,
// its glyphs' overhang (about 1.5 mm at 9.75 points on the screen) included.
TEST(CoveredLabels, OnlyALabelWhollyUnderLaterOpaqueOnesIsLeftOut)
{
    const QRectF box(20, 20, 10, 4);
    const QRectF wide(18, 18, 14, 8);
    const QRect view(0, 0, 400, 400);
    // The ink of `box` at the screen's scale: 9.75 points are 13 px, a quarter of that, half a
    // pixel of frame and two of smoothing stand out 5.75 px on every side of 75.6 to 113.4 across
    // and 75.6 to 90.7 down: pixels 69 to 119 across, 69 to 96 down. An opaque box from pixel
    // edge 68.5 paints pixels from 69, and to edge 120.5 up to 119.
    const auto pixelEdges = [](double left, double top, double right, double bottom) {
        const double mm = 1 / ScreenPixelsPerMm;
        return QRectF(left * mm, top * mm, (right - left) * mm, (bottom - top) * mm);
    };
    struct Case
    {
        const char *what;
        Placed first, second;
        QRect area;
        bool firstCovered;
    };
    const Case cases[] = {
        {"a larger opaque text label after it", {Kind::Text, box}, {Kind::Text, wide}, view, true},
        {"the same under a transparent one", {Kind::Text, box}, {Kind::Text, wide, 0}, view,
         false},
        {"a label of the same box: its glyphs could stand out", {Kind::Text, box},
         {Kind::Text, box}, view, false},
        {"a text label over a dimension label", {Kind::Dimension, box}, {Kind::Text, wide}, view,
         true},
        {"a text label over a dimension label painted before it", {Kind::Text, box},
         {Kind::Dimension, wide}, view,
         false},
        {"covered only where the painter paints", {Kind::Text, QRectF(20, 20, 40, 4)},
         {Kind::Text, wide}, QRect(0, 0, 120, 400), true},
        {"not covered where the painter paints", {Kind::Text, QRectF(20, 20, 40, 4)},
         {Kind::Text, wide}, QRect(0, 0, 200, 400), false},
        {"every pixel of its ink covered", {Kind::Text, box},
         {Kind::Text, pixelEdges(68.5, 68.5, 120.5, 97.5)}, view, true},
        {"all but the last column", {Kind::Text, box},
         {Kind::Text, pixelEdges(68.5, 68.5, 119.5, 97.5)}, view, false},
        {"all but the last row", {Kind::Text, box},
         {Kind::Text, pixelEdges(68.5, 68.5, 120.5, 96.5)}, view, false},
    };
    for (const Case &c : cases) {
        AnnotationStore store;
        // A text label is always painted after every dimension label, whatever the order here.
        const bool textFirst = c.first.kind == Kind::Text && c.second.kind == Kind::Dimension;
        std::pair<Kind, int> first;
        if (textFirst) {
            place(store, c.second);
            first = place(store, c.first);
        } else {
            first = place(store, c.first);
            place(store, c.second);
        }
        const CoveredLabels covered(&store.lblKyori, &store.lblMoji, c.area, ScreenPixelsPerMm);
        const auto &labels = first.first == Kind::Text ? store.lblMoji : store.lblKyori;
        EXPECT_EQ(covered.covers(labels[first.second]), c.firstCovered) << c.what;
        EXPECT_EQ(covered.count(), c.firstCovered ? 1 : 0) << c.what;
    }
}

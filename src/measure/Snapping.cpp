// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Snapping.h"

#include "document/AnnotationStore.h"
#include "measure/KeptLines.h"

namespace {

// Half the side of the square around the pointer that catches a line end; its edge does not
// catch. Canvas millimetres, so the catch area stays the same size at every zoom.
constexpr float SnapWindowMm = 2.0f;

bool withinSnapWindow(float endX, float endY, float x, float y)
{
    return x - SnapWindowMm < endX && endX < x + SnapWindowMm && y - SnapWindowMm < endY
           && endY < y + SnapWindowMm;
}

void snapOnto(MarkerShape &marker, float endX, float endY, float &X, float &Y)
{
    X = endX;
    Y = endY;
    marker.Left = endX - marker.Width / 2;
    marker.Top = endY - marker.Height / 2;
}

} // namespace

bool subSnapToLineEnd(MarkerShape &snapCircle, const AnnotationLine &line, float x, float y,
                      float &X, float &Y)
{
    if (withinSnapWindow(line.X1, line.Y1, x, y))
        snapOnto(snapCircle, line.X1, line.Y1, X, Y);
    else if (withinSnapWindow(line.X2, line.Y2, x, y))
        snapOnto(snapCircle, line.X2, line.Y2, X, Y);
    else
        return false;
    return true;
}

void subSnapToEnds(const AnnotationStore &kept, MarkerShape &snapCircle, float &X, float &Y)
{
    const float x = X;
    const float y = Y;
    const auto snaps = [&](const AnnotationLine &line) {
        return subSnapToLineEnd(snapCircle, line, x, y, X, Y);
    };
    snapCircle.Visible =
        anyKeptLine(kept.lineHikidashi, snaps) || anyKeptLine(kept.lineHojoSave, snaps);
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeaderHitTest.h"

#include <algorithm>

namespace {

// Catch distances in canvas millimetres, the same at every zoom.
constexpr float EndHitMm = 2.0f;
constexpr float BodyHitMm = 2.0f;
constexpr double SlantedHitMm = 1.0;

bool onEnd(float endX, float endY, float X, float Y)
{
    return endX - EndHitMm <= X && X <= endX + EndHitMm && endY - EndHitMm <= Y
           && Y <= endY + EndHitMm;
}

// A horizontal or vertical line at `level` running from `low` to `high`: the pointer is within
// reach across it and clear of both ends along it, which are left to the end test.
bool onStraightBody(float level, float low, float high, float across, float along)
{
    return level - BodyHitMm <= across && across <= level + BodyHitMm && low + BodyHitMm < along
           && along < high - BodyHitMm;
}

// Whether the segment meets the square round (X, Y): the square overlaps the segment's box and
// its corners do not all lie strictly on one side of the segment's line.
bool onSlantedBody(const AnnotationLine &line, float X, float Y)
{
    const double left = X - SlantedHitMm;
    const double right = X + SlantedHitMm;
    const double top = Y - SlantedHitMm;
    const double bottom = Y + SlantedHitMm;
    if (std::max(line.X1, line.X2) < left || std::min(line.X1, line.X2) > right
        || std::max(line.Y1, line.Y2) < top || std::min(line.Y1, line.Y2) > bottom)
        return false;
    const double dx = double(line.X2) - line.X1;
    const double dy = double(line.Y2) - line.Y1;
    const auto side = [&](double px, double py) {
        return dx * (py - line.Y1) - dy * (px - line.X1);
    };
    const double corners[] = {side(left, top), side(right, top), side(left, bottom),
                              side(right, bottom)};
    const bool allOneSide = std::all_of(std::begin(corners), std::end(corners),
                                        [](double s) { return s > 0; })
                            || std::all_of(std::begin(corners), std::end(corners),
                                           [](double s) { return s < 0; });
    return !allOneSide;
}

LeaderGrabs bodyGrab(const AnnotationLine &line, float X, float Y)
{
    const auto [xmin, xmax] = std::minmax(line.X1, line.X2);
    const auto [ymin, ymax] = std::minmax(line.Y1, line.Y2);
    if (line.X1 == line.X2)
        return onStraightBody(xmin, ymin, ymax, X, Y) ? GrabStraightBody : GrabNothing;
    if (line.Y1 == line.Y2)
        return onStraightBody(ymin, xmin, xmax, Y, X) ? GrabStraightBody : GrabNothing;
    return onSlantedBody(line, X, Y) ? GrabSlantedBody : GrabNothing;
}

} // namespace

std::int16_t fncHitLeaderEnd(const AnnotationCollection<AnnotationLine> &lines,
                             std::int16_t &grab, float X, float Y)
{
    grab = GrabNothing;
    for (int i = 0; i <= lines.UBound(); ++i) {
        const AnnotationLine &line = lines[i];
        if (onEnd(line.X1, line.Y1, X, Y))
            grab = GrabStart;
        else if (onEnd(line.X2, line.Y2, X, Y))
            grab = GrabEnd;
        else
            continue;
        return std::int16_t(i);
    }
    return -1;
}

std::int16_t fncHitLeaderBody(const AnnotationCollection<AnnotationLine> &lines,
                              std::int16_t &grab, float X, float Y)
{
    grab = GrabNothing;
    for (int i = 0; i <= lines.UBound(); ++i) {
        grab = bodyGrab(lines[i], X, Y);
        if (grab != GrabNothing)
            return std::int16_t(i);
    }
    return -1;
}

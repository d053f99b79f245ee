// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Alignment.h"

#include "annotations/LiveObjects.h"
#include "document/AnnotationStore.h"
#include "measure/KeptLines.h"

namespace {

// How far off line the pointer may be for an end to pull it into line; the edge does not count.
constexpr float AlignBandMm = 2.0f;

bool inBand(float end, float pointer)
{
    return pointer - AlignBandMm < end && end < pointer + AlignBandMm;
}

void placeHint(AnnotationLine &hint, float fromX, float fromY, float toX, float toY)
{
    hint.X1 = fromX;
    hint.Y1 = fromY;
    hint.X2 = toX;
    hint.Y2 = toY;
}

} // namespace

bool subAlignHorizontal(AnnotationLine &hint, const AnnotationLine &line, float x, float y,
                        float &Y)
{
    const bool atStart = inBand(line.Y1, y);
    hint.Visible = atStart || inBand(line.Y2, y);
    if (hint.Visible) {
        Y = atStart ? line.Y1 : line.Y2;
        placeHint(hint, atStart ? line.X1 : line.X2, Y, x, Y);
    }
    return hint.Visible;
}

bool subAlignVertical(AnnotationLine &hint, const AnnotationLine &line, float x, float y,
                      float &X)
{
    const bool atStart = inBand(line.X1, x);
    hint.Visible = atStart || inBand(line.X2, x);
    if (hint.Visible) {
        X = atStart ? line.X1 : line.X2;
        placeHint(hint, X, atStart ? line.Y1 : line.Y2, X, y);
    }
    return hint.Visible;
}

void subAlignHints(const AnnotationStore &kept, LiveObjects &live, float &X, float &Y)
{
    const float x = X;
    const float y = Y;
    const auto horizontal = [&](const AnnotationLine &line) {
        return subAlignHorizontal(live.lineHintX, line, x, y, Y);
    };
    const auto vertical = [&](const AnnotationLine &line) {
        return subAlignVertical(live.lineHintY, line, x, y, X);
    };
    // The passes stop at the first hit, so a hint line no pass reached keeps its visibility.
    static_cast<void>(anyKeptLine(kept.lineHikidashi, horizontal)
                      || anyKeptLine(kept.lineHikidashi, vertical)
                      || anyKeptLine(kept.lineHojoSave, horizontal)
                      || anyKeptLine(kept.lineHojoSave, vertical));
}

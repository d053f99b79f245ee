// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Segment.h"
#include "annotations/LiveObjects.h"
#include "document/AnnotationStore.h"
#include "measure/CanvasState.h"

#include <gtest/gtest.h>

#include <optional>

// The kept lines and the live objects the measuring helpers look at, as a new record book has
// them, and lines put into them the way the gestures keep them.
struct KeptLines
{
    AnnotationStore annotations;
    LiveObjects live;
    CanvasState canvas;
};

inline int keepLeader(KeptLines &form, const AnnotationLine &line)
{
    const std::optional<int> index = form.annotations.lineHikidashi.AppendToSpare(line);
    EXPECT_TRUE(index.has_value());
    return index.value_or(-1);
}

// A dimension whose extension lines are `a` (element 2i) and `b` (element 2i + 1).
inline int keepDimension(KeptLines &form, const AnnotationLine &a, const AnnotationLine &b)
{
    const std::optional<int> index = form.annotations.AppendDimension(
        AnnotationLabel(), segment(a.X2, a.Y2, b.X2, b.Y2), a, b, MarkerShape(), MarkerShape());
    EXPECT_TRUE(index.has_value());
    return index.value_or(-1);
}

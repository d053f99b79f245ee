// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Segment.h"
#include "app/frmMain.h"

#include <gtest/gtest.h>

#include <optional>

// Lines put into a started form the way the gestures keep them.

inline int keepLeader(frmMain &form, const AnnotationLine &line)
{
    const std::optional<int> index = form.annotations.lineHikidashi.AppendToSpare(line);
    EXPECT_TRUE(index.has_value());
    return index.value_or(-1);
}

// A dimension whose extension lines are `a` (element 2i) and `b` (element 2i + 1).
inline int keepDimension(frmMain &form, const AnnotationLine &a, const AnnotationLine &b)
{
    const std::optional<int> index = form.annotations.AppendDimension(
        AnnotationLabel(), segment(a.X2, a.Y2, b.X2, b.Y2), a, b, MarkerShape(), MarkerShape());
    EXPECT_TRUE(index.has_value());
    return index.value_or(-1);
}

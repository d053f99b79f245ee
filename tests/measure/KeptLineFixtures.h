#pragma once

#include "app/frmMain.h"

#include <gtest/gtest.h>

#include <optional>

// Lines put into a started form the way the gestures keep them.

inline AnnotationLine segment(float x1, float y1, float x2, float y2)
{
    AnnotationLine line;
    line.X1 = x1;
    line.Y1 = y1;
    line.X2 = x2;
    line.Y2 = y2;
    return line;
}

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

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/ShiftConstraint.h"

#include <gtest/gtest.h>

namespace {

struct Constrained
{
    float x, y;
    float X, Y;
};

// The fixed end is (100, 100) throughout.
void expectConstrained(bool shift, const Constrained &c)
{
    float X = c.x;
    float Y = c.y;
    subShiftConstrain(shift, 100, 100, X, Y);
    SCOPED_TRACE(testing::Message() << "pointer " << c.x << ", " << c.y);
    EXPECT_FLOAT_EQ(X, c.X);
    EXPECT_FLOAT_EQ(Y, c.Y);
}

TEST(ShiftConstraint, StraightensHorizontalVerticalOrDiagonalOnlyWhileShiftIsHeld)
{
    expectConstrained(false, {150, 88, 150, 88});
    for (const Constrained &c : {
             Constrained{150, 91, 150, 100},   // 9 mm above, 50 right: horizontal
             Constrained{150, 88, 112, 88},    // 12 mm above, 50 right: 45 degrees, 12 and 12
             Constrained{150, 90.01f, 150, 100}, // just under 10 mm: still horizontal
             Constrained{150, 90, 110, 90},    // exactly 10 mm: no longer horizontal
             Constrained{109.99f, 130, 100, 130}, // just under 10 mm aside: vertical
             Constrained{110, 130, 130, 130},  // exactly 10 mm aside: diagonal
             Constrained{103, 103, 103, 100},  // both under 10: horizontal comes first
             // Diagonal in each quadrant keeps the vertical extent.
             Constrained{150, 130, 130, 130},
             Constrained{50, 130, 70, 130},
             Constrained{50, 80, 80, 80},
             Constrained{120, 40, 160, 40},
         })
        expectConstrained(true, c);
}

} // namespace

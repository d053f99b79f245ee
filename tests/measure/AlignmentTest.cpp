// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptLineFixtures.h"
#include "measure/Alignment.h"

#include <gtest/gtest.h>

namespace {

struct Align
{
    float x, y;
    float X, Y;         // the pointer afterwards
    bool hintX, hintY;  // which hint lines show afterwards
};

void expectAlign(KeptLines &form, const Align &c)
{
    form.live.lineHintX.Visible = false;
    form.live.lineHintY.Visible = false;
    float X = c.x;
    float Y = c.y;
    subAlignHints(form.annotations, form.live, X, Y);
    SCOPED_TRACE(testing::Message() << "pointer " << c.x << ", " << c.y);
    EXPECT_FLOAT_EQ(X, c.X);
    EXPECT_FLOAT_EQ(Y, c.Y);
    EXPECT_EQ(form.live.lineHintX.Visible, c.hintX);
    EXPECT_EQ(form.live.lineHintY.Visible, c.hintY);
}

void expectHint(const AnnotationLine &hint, float x1, float y1, float x2, float y2)
{
    EXPECT_FLOAT_EQ(hint.X1, x1);
    EXPECT_FLOAT_EQ(hint.Y1, y1);
    EXPECT_FLOAT_EQ(hint.X2, x2);
    EXPECT_FLOAT_EQ(hint.Y2, y2);
}

class Alignment : public testing::Test
{
protected:
    void SetUp() override
    {
        keepLeader(form, segment(10, 10, 40, 60));
        keepDimension(form, segment(200, 100, 200, 90), segment(300, 100, 300, 90));
    }

    KeptLines form;
};

TEST_F(Alignment, FourPassesInOrderStoppingAtTheFirstHit)
{
    // Horizontal on a leader line beats vertical on the same line.
    expectAlign(form, {11, 61, 11, 60, true, false});
    expectHint(form.live.lineHintX, 40, 60, 11, 60);
    // Vertical on a leader line beats horizontal on an extension line.
    expectAlign(form, {39, 99, 40, 99, false, true});
    expectHint(form.live.lineHintY, 40, 60, 40, 99);
    // Then horizontal on the extension lines, then vertical on them.
    expectAlign(form, {250, 91, 250, 90, true, false});
    expectHint(form.live.lineHintX, 200, 90, 250, 90);
    expectAlign(form, {301, 150, 300, 150, false, true});
    expectHint(form.live.lineHintY, 300, 100, 300, 150);
    // Nothing in line: the pointer stays and no hint shows.
    expectAlign(form, {500, 500, 500, 500, false, false});
}

TEST_F(Alignment, BandIsStrictOnBothAxes)
{
    for (const Align &c : {Align{500, 58, 500, 58, false, false},
                           Align{500, 58.01f, 500, 60, true, false},
                           Align{500, 61.99f, 500, 60, true, false},
                           Align{500, 62, 500, 62, false, false},
                           Align{38, 500, 38, 500, false, false},
                           Align{38.01f, 500, 40, 500, false, true},
                           Align{41.99f, 500, 40, 500, false, true},
                           Align{42, 500, 42, 500, false, false}})
        expectAlign(form, c);
}

TEST_F(Alignment, AHintLineNoPassReachedKeepsItsVisibility)
{
    form.live.lineHintY.Visible = true;
    float X = 11;
    float Y = 61;
    subAlignHints(form.annotations, form.live, X, Y);
    EXPECT_TRUE(form.live.lineHintX.Visible);
    EXPECT_TRUE(form.live.lineHintY.Visible);
}

TEST_F(Alignment, TheSpareOnTopIsNoCandidate)
{
    AnnotationLine &drawn = form.annotations.lineHikidashi[1];
    drawn = segment(400, 400, 450, 450);
    drawn.Visible = true;
    expectAlign(form, {401, 700, 401, 700, false, false});
}

} // namespace

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptLineFixtures.h"
#include "measure/Snapping.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

struct Snap
{
    float x, y;
    bool found;
    float X, Y;
};

// Runs the Ctrl search from (x, y) and checks where the pointer and the snap circle end up.
void expectSnap(KeptLines &form, const Snap &c)
{
    float X = c.x;
    float Y = c.y;
    subSnapToEnds(form.annotations, form.live.shpSnap, X, Y);
    SCOPED_TRACE(testing::Message() << "pointer " << c.x << ", " << c.y);
    EXPECT_EQ(form.live.shpSnap.Visible, c.found);
    EXPECT_FLOAT_EQ(X, c.X);
    EXPECT_FLOAT_EQ(Y, c.Y);
    if (c.found) {
        const MarkerShape &mark = form.live.shpSnap;
        EXPECT_FLOAT_EQ(mark.Left + mark.Width / 2, c.X);
        EXPECT_FLOAT_EQ(mark.Top + mark.Height / 2, c.Y);
    }
}

TEST(Snapping, PullsThePointerOntoEitherEndOfLeaderAndExtensionLines)
{
    KeptLines form;
    keepLeader(form, segment(10, 10, 40, 20));
    keepDimension(form, segment(100, 100, 100, 120), segment(150, 100, 150, 121));
    for (const Snap &c : {Snap{11, 9, true, 10, 10}, Snap{39, 21.5f, true, 40, 20},
                          Snap{101, 101, true, 100, 100}, Snap{149.5f, 122, true, 150, 121},
                          Snap{70, 70, false, 70, 70}}) // a miss hides the circle again
        expectSnap(form, c);
}

TEST(Snapping, WindowIsStrictOnEveryEdge)
{
    KeptLines form;
    keepLeader(form, segment(50, 40, 90, 90));
    for (const Snap &c : {Snap{52, 40, false, 52, 40}, Snap{48, 40, false, 48, 40},
                          Snap{50, 42, false, 50, 42}, Snap{50, 38, false, 50, 38},
                          Snap{51.99f, 41.99f, true, 50, 40}, Snap{48.01f, 38.01f, true, 50, 40}})
        expectSnap(form, c);
}

TEST(Snapping, FirstCandidateWinsOverANearerOne)
{
    KeptLines form;
    // Start before end of the same line, lower index first, leader lines before extension lines:
    // each time the pointer sits on the end that loses.
    keepLeader(form, segment(31.5f, 30, 30, 30));
    keepLeader(form, segment(60, 60, 61.5f, 60));
    keepLeader(form, segment(61, 60, 0, 0));
    keepLeader(form, segment(90, 91.5f, 0, 100));
    keepDimension(form, segment(90, 90, 90, 80), segment(120, 90, 120, 80));
    for (const Snap &c : {Snap{30, 30, true, 31.5f, 30}, Snap{61.5f, 60, true, 60, 60},
                          Snap{90, 90, true, 90, 91.5f}})
        expectSnap(form, c);
}

TEST(Snapping, OnlyLinesBelowTheSpareAreCandidates)
{
    KeptLines form;
    // Nothing kept: the hidden element 0 at the origin is the spare.
    expectSnap(form, {0.5f, 0.5f, false, 0.5f, 0.5f});

    // A single kept line already counts, even hidden.
    keepLeader(form, segment(20, 20, 40, 40));
    form.annotations.lineHikidashi[0].Visible = false;
    expectSnap(form, {21, 21, true, 20, 20});

    // The spare being drawn never catches the pointer on its own end.
    AnnotationLine &drawn = form.annotations.lineHikidashi[1];
    drawn = segment(70, 70, 80, 80);
    drawn.Visible = true;
    expectSnap(form, {70.5f, 70.5f, false, 70.5f, 70.5f});

    // Nor does the spare extension line on top.
    keepDimension(form, segment(100, 100, 100, 90), segment(130, 100, 130, 90));
    form.annotations.lineHojoSave[2] = segment(200, 200, 210, 210);
    expectSnap(form, {200, 200, false, 200, 200});
    expectSnap(form, {130, 91, true, 130, 90});
}

// With the model full (16,383 dimensions, 30,000 leader lines) a miss scans every candidate;
// the best match is the very last one.
TEST(Snapping, SearchesAFullModelToItsLastCandidate)
{
    KeptLines form;
    for (int i = 0; i < 30000; ++i)
        keepLeader(form, segment(float(i % 200), 500, float(i % 200), 600));
    for (int i = 0; i < 16383; ++i) {
        const float x = 1000 + float(i % 100);
        keepDimension(form, segment(x, 700, x, 710), segment(x, 800, x, 810));
    }
    AnnotationLine &last = form.annotations.lineHojoSave[32765];
    last.X2 = 5000;
    last.Y2 = 5000;
    expectSnap(form, {5000.5f, 4999.5f, true, 5000, 5000});

    constexpr int Searches = 200;
    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < Searches; ++n) {
        float X = 3000;
        float Y = 3000;
        subSnapToEnds(form.annotations, form.live.shpSnap, X, Y);
    }
    RecordProperty("microseconds_per_search", int(timer.nsecsElapsed() / 1000 / Searches));
}

} // namespace

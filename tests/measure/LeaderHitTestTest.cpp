// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptLineFixtures.h"
#include "measure/LeaderHitTest.h"

#include <gtest/gtest.h>

namespace {

struct Hit
{
    float x, y;
    int index;
    int grab;
};

using HitTest = std::int16_t (*)(const AnnotationCollection<AnnotationLine> &, std::int16_t &,
                                 float, float);

void expectHit(KeptLines &form, HitTest test, const Hit &c)
{
    form.canvas.LeaderGrab = 7; // whatever the last press left
    SCOPED_TRACE(testing::Message() << "pointer " << c.x << ", " << c.y);
    EXPECT_EQ(test(form.annotations.lineHikidashi, form.canvas.LeaderGrab, c.x, c.y), c.index);
    EXPECT_EQ(form.canvas.LeaderGrab, c.grab);
}

TEST(LeaderHitTest, EndsAreCaughtWithTheEdgeIncluded)
{
    KeptLines form;
    keepLeader(form, segment(50, 40, 80, 40));
    for (const Hit &c : {Hit{52, 42, 0, GrabStart}, Hit{48, 38, 0, GrabStart},
                         Hit{52.01f, 40, -1, GrabNothing}, Hit{50, 37.99f, -1, GrabNothing},
                         Hit{82, 40, 0, GrabEnd}, Hit{78, 38, 0, GrabEnd},
                         Hit{65, 40, -1, GrabNothing}})
        expectHit(form, fncHitLeaderEnd, c);
}

TEST(LeaderHitTest, StartBeforeEndAndLowerIndexFirst)
{
    KeptLines form;
    keepLeader(form, segment(50, 40, 51, 40));
    keepLeader(form, segment(10, 10, 100, 100));
    keepLeader(form, segment(100, 101, 0, 0));
    expectHit(form, fncHitLeaderEnd, {51, 40, 0, GrabStart});
    expectHit(form, fncHitLeaderEnd, {100, 101, 1, GrabEnd});
}

TEST(LeaderHitTest, StraightBodyIsCaughtAcrossInclusiveAlongStrict)
{
    KeptLines form;
    keepLeader(form, segment(30, 50, 10, 50)); // drawn right to left
    keepLeader(form, segment(100, 10, 100, 30));
    for (const Hit &c : {Hit{20, 52, 0, GrabStraightBody}, Hit{20, 48, 0, GrabStraightBody},
                         Hit{20, 52.01f, -1, GrabNothing}, Hit{12, 50, -1, GrabNothing},
                         Hit{12.01f, 50, 0, GrabStraightBody}, Hit{28, 50, -1, GrabNothing},
                         Hit{102, 20, 1, GrabStraightBody}, Hit{97.99f, 20, -1, GrabNothing},
                         Hit{100, 27.99f, 1, GrabStraightBody}, Hit{100, 28, -1, GrabNothing}})
        expectHit(form, fncHitLeaderBody, c);
}

TEST(LeaderHitTest, NearTheEndOfAStraightLineOnlyTheEndTestCatches)
{
    KeptLines form;
    keepLeader(form, segment(10, 50, 30, 50));
    keepLeader(form, segment(60, 50, 64, 50)); // 4 mm: no body at all
    expectHit(form, fncHitLeaderBody, {11, 50, -1, GrabNothing});
    expectHit(form, fncHitLeaderEnd, {11, 50, 0, GrabStart});
    expectHit(form, fncHitLeaderBody, {62, 50, -1, GrabNothing});
}

TEST(LeaderHitTest, SlantedBodyIsTheSegmentWithinOneMillimetre)
{
    KeptLines form;
    keepLeader(form, segment(20, 20, 30, 30));
    for (const Hit &c : {Hit{25, 25, 0, GrabSlantedBody},
                         Hit{26, 24, 0, GrabSlantedBody},     // the square's corner touches
                         Hit{26.01f, 24, -1, GrabNothing},
                         Hit{24, 26, 0, GrabSlantedBody},     // the same from the other side
                         Hit{24, 26.01f, -1, GrabNothing},
                         Hit{31, 31, 0, GrabSlantedBody},     // touches the end itself
                         Hit{31.01f, 31.01f, -1, GrabNothing},
                         Hit{19, 19, 0, GrabSlantedBody},
                         Hit{18.99f, 18.99f, -1, GrabNothing},
                         Hit{40, 40, -1, GrabNothing}})       // on the line, beyond the end
        expectHit(form, fncHitLeaderBody, c);
}

TEST(LeaderHitTest, AlmostVerticalLineIsCaughtAnywhereAlongIt)
{
    KeptLines form;
    keepLeader(form, segment(20, 20, 20.001f, 60));
    for (float y : {21.f, 33.3f, 40.f, 59.f})
        expectHit(form, fncHitLeaderBody, {20.5f, y, 0, GrabSlantedBody});
    expectHit(form, fncHitLeaderBody, {21.01f, 40, -1, GrabNothing});
}

TEST(LeaderHitTest, TheSpareOnTopIsTestedToo)
{
    KeptLines form;
    expectHit(form, fncHitLeaderEnd, {150, 150, -1, GrabNothing});
    expectHit(form, fncHitLeaderBody, {150, 150, -1, GrabNothing});
    keepLeader(form, segment(10, 10, 40, 10));
    form.annotations.lineHikidashi[1] = segment(150, 150, 170, 170);
    expectHit(form, fncHitLeaderEnd, {150, 150, 1, GrabStart});
    expectHit(form, fncHitLeaderBody, {160, 160, 1, GrabSlantedBody});
}

} // namespace

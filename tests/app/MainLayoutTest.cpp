// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainLayout.h"

#include <gtest/gtest.h>

namespace {

WindowMetrics windowsLikeMetrics()
{
    WindowMetrics metrics;
    metrics.verticalScrollBarWidth = 17;
    metrics.verticalScrollArrowHeight = 17;
    metrics.sizingFrameWidth = 4;
    metrics.sizingFrameHeight = 4;
    metrics.captionHeight = 23;
    metrics.menuBarHeight = 20;
    return metrics;
}

} // namespace

TEST(MainLayout, ViewFillsTheClientAreaUnderTheStripWithBarsOnItsEdges)
{
    ScrollBarState vscY, hscX;
    const MainLayout layout = Form_Resize(WindowState::Normal, {1000, 800}, windowsLikeMetrics(),
                                          {2000, 1000}, vscY, hscX);
    ASSERT_TRUE(layout.laidOut);
    // width 1000 - 17 - 2*4; height 800 - 17 - 23 - 20 - 2*4 - 45
    EXPECT_EQ(layout.pictWindow, QRect(0, 45, 975, 687));
    EXPECT_EQ(vscY.geometry, QRect(975, 45, 17, 687));
    EXPECT_EQ(hscX.geometry, QRect(0, 732, 975, 17));
    EXPECT_EQ(hscX.Max, 2000 - 975 + 4);
    EXPECT_EQ(vscY.Max, 1000 - 687 + 4);
    EXPECT_EQ(vscY.SmallChange, 10);
    EXPECT_EQ(vscY.LargeChange, 50);
}

TEST(MainLayout, MinimumSizeOnlyForANormalWindow)
{
    ScrollBarState vscY, hscX;
    EXPECT_EQ(Form_Resize(WindowState::Normal, {200, 150}, {}, {}, vscY, hscX).outerSize,
              QSize(320, 240));
    EXPECT_EQ(Form_Resize(WindowState::Maximized, {200, 150}, {}, {}, vscY, hscX).outerSize,
              QSize(200, 150));
    vscY.Max = 77;
    const MainLayout minimised =
        Form_Resize(WindowState::Minimized, {200, 150}, {}, {5000, 5000}, vscY, hscX);
    EXPECT_FALSE(minimised.laidOut);
    EXPECT_EQ(vscY.Max, 77) << "a minimised window is left alone";
}

TEST(MainLayout, ScrollMaximumRoundsHalvesToEvenAndMayGoNegative)
{
    EXPECT_EQ(scrollMaximum(1000, 600), 404);
    EXPECT_EQ(scrollMaximum(1122.5, 600), 526);  // 526.5 -> 526
    EXPECT_EQ(scrollMaximum(1123.5, 600), 528);  // 527.5 -> 528
    EXPECT_LT(scrollMaximum(300, 600), 0);
    EXPECT_GT(scrollMaximum(80000, 600), 32767) << "no 16-bit limit on scroll values";
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Toolbar.h"
#include "app/Zoom.h"
#include "StartedForm.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A 3000 x 2000 pixel picture on A4: at 100 % the canvas is the picture, larger than the
// 1264 x 719 pixel view of a 1280 x 800 window both ways.
struct LargePictureShown : StartedForm
{
    explicit LargePictureShown(QSize window = {1280, 800})
    {
        layOutWindow(window);
        form.pictOrg = QImage(3000, 2000, QImage::Format_RGB32);
        form.pictOrg.fill(Qt::darkCyan);
        ApplyZoom(form, 1.0f);
    }

    QSizeF view() const { return QSizeF(form.layout.pictWindow.size()); }
    // What lies under a view point, in pixels of the canvas at 100 %.
    QPointF pointUnder(QPointF viewPoint) const
    {
        return (viewPoint - QPointF(form.canvasOriginPx())) / double(form.view.ZoomFactor);
    }
};

enum class Expect {
    PointStays,  // the canvas point under the anchor is under it again
    Unchanged,   // neither zoom nor scrolling moved
    Centred,     // the canvas is smaller than the view and sits in its middle
    AtTopLeft,   // the bars stopped at their start
};

struct AnchorCase
{
    const char *name;
    float zoom;
    QPoint scroll;
    std::function<void(frmMain &, QPointF)> act; // given the anchor
    std::optional<QPointF> anchor;               // nothing: the view's centre
    Expect expect;
};
void PrintTo(const AnchorCase &c, std::ostream *os)
{
    *os << c.name;
}

void wheel(int steps, frmMain &form, QPointF at)
{
    zoomAtPoint(form, steps, at);
}

void toolbar(const char *key, frmMain &form, QPointF)
{
    Toolbar1_ButtonClick(form, QLatin1String(key));
}

class ZoomAboutPoint : public ::testing::TestWithParam<AnchorCase>
{
};

} // namespace

TEST_P(ZoomAboutPoint, KeepsThePointOrStopsAtABound)
{
    const AnchorCase &c = GetParam();
    LargePictureShown shown;
    shown.form.scale.GE_tpPtoD_r_X = 0.8;
    ApplyZoom(shown.form, shown.form.view.ZoomFactor = c.zoom);
    shown.form.hscX_Change(c.scroll.x());
    shown.form.vscY_Change(c.scroll.y());
    const QPointF anchor = c.anchor.value_or(QPointF(shown.view().width() / 2,
                                                     shown.view().height() / 2));
    const QPointF before = shown.pointUnder(anchor);

    c.act(shown.form, anchor);

    frmMain &form = shown.form;
    switch (c.expect) {
    case Expect::PointStays: {
        EXPECT_NE(form.view.ZoomFactor, c.zoom);
        // Scroll values are whole pixels: the point may be off by half a pixel of the view.
        const QPointF drift = (shown.pointUnder(anchor) - before) * double(form.view.ZoomFactor);
        EXPECT_LE(std::abs(drift.x()), 0.5) << drift.x();
        EXPECT_LE(std::abs(drift.y()), 0.5) << drift.y();
        break;
    }
    case Expect::Unchanged:
        EXPECT_EQ(form.view.ZoomFactor, c.zoom);
        EXPECT_EQ(QPoint(form.view.hscX.Value, form.view.vscY.Value), c.scroll);
        break;
    case Expect::Centred: {
        const QSizeF margin = (shown.view() - form.view.pictMapPx) / 2;
        EXPECT_GT(margin.width(), 0);
        EXPECT_GT(margin.height(), 0);
        EXPECT_EQ(form.canvasOriginPx(),
                  QPoint(int(std::floor(margin.width())), int(std::floor(margin.height()))));
        EXPECT_FALSE(form.view.hscX.Visible || form.view.vscY.Visible);
        break;
    }
    case Expect::AtTopLeft:
        EXPECT_EQ(form.canvasOriginPx(), QPoint(0, 0));
        break;
    }
    EXPECT_TRUE(shown.platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZoomAboutPoint,
    ::testing::Values(
        AnchorCase{"WheelInTwoNotchesAboutAnOffCentrePoint", 1.0f, {700, 400},
                   [](frmMain &f, QPointF at) { wheel(2, f, at); }, QPointF(300, 170),
                   Expect::PointStays},
        AnchorCase{"WheelOutThreeNotchesNearTheBottomRight", 1.0f, {700, 400},
                   [](frmMain &f, QPointF at) { wheel(-3, f, at); }, QPointF(1100, 650),
                   Expect::PointStays},
        AnchorCase{"MagnifyKeepsTheViewCentre", 1.3f, {900, 500},
                   [](frmMain &f, QPointF at) { toolbar("magnify", f, at); }, {},
                   Expect::PointStays},
        AnchorCase{"ReduceKeepsTheViewCentre", 1.3f, {900, 500},
                   [](frmMain &f, QPointF at) { toolbar("reduce", f, at); }, {},
                   Expect::PointStays},
        AnchorCase{"ActualSizeKeepsTheViewCentre", 1.0f, {700, 400},
                   [](frmMain &f, QPointF at) { toolbar("genn", f, at); }, {},
                   Expect::PointStays},
        AnchorCase{"MenuPresetKeepsTheViewCentre", 1.0f, {700, 400},
                   [](frmMain &f, QPointF) { f.runCommand(QStringLiteral("mnuDisp50")); }, {},
                   Expect::PointStays},
        AnchorCase{"AtTheLargestZoomAWheelNotchChangesNothing", 2.0f, {2000, 1000},
                   [](frmMain &f, QPointF at) { wheel(1, f, at); }, QPointF(300, 170),
                   Expect::Unchanged},
        AnchorCase{"AtTheSmallestZoomTheCanvasIsCentred", 0.2f, {0, 0},
                   [](frmMain &f, QPointF at) { wheel(-5, f, at); }, QPointF(100, 60),
                   Expect::Centred},
        AnchorCase{"OutFromTheTopLeftStopsAtTheStart", 1.0f, {0, 0},
                   [](frmMain &f, QPointF at) { toolbar("reduce", f, at); }, {},
                   Expect::AtTopLeft}),
    [](const auto &info) { return std::string(info.param.name); });

// "画面に合わせる" shows the whole canvas without scroll bars, as large as the view allows along
// the tighter direction, in a wide window and in a narrow one.
TEST(ZoomToFit, FillsTheTighterDirectionAndCentresTheOther)
{
    for (const QSize window : {QSize(1280, 800), QSize(700, 900)}) {
        LargePictureShown shown(window);
        shown.form.hscX_Change(300);
        Toolbar1_ButtonClick(shown.form, QStringLiteral("fit"));
        const frmMain &form = shown.form;
        const QSizeF spare = shown.view() - form.view.pictMapPx;
        EXPECT_GE(std::min(spare.width(), spare.height()), 4 - 1e-3) << window.width();
        EXPECT_LT(std::min(spare.width(), spare.height()), 5) << window.width();
        EXPECT_FALSE(form.view.hscX.Visible || form.view.vscY.Visible);
        EXPECT_EQ(form.canvasOriginPx(), QPoint(int(spare.width() / 2), int(spare.height() / 2)));
    }
}

TEST(ZoomReadout, ShowsPercentAndActualSize)
{
    const struct
    {
        float zoom;
        double ratio;
        QString text;
        float referenceMm = 300; // the reference, on the picture and on the object
    } rows[] = {
        {1.25f, 0.62992125984252, QStringLiteral("125 %")},
        {0.62992125984252f, 0.62992125984252, QStringLiteral("63 %  原寸大")},
        {0.1f, 1.0, QStringLiteral("10 %")},
        // A damaged book's ratio is shown at 100 %, which is then its actual size.
        {1.0f, 0.0, QStringLiteral("100 %  原寸大")},
        // No reference yet: the start values say nothing about the catch.
        {1.0f, 1.0, QStringLiteral("100 %  未校正"), 100},
        {0.5f, 1.0, QStringLiteral("50 %  未校正"), 100},
    };
    StartedForm started;
    for (const auto &row : rows) {
        started.form.view.ZoomFactor = row.zoom;
        started.form.scale.GE_tpPtoD_r_X = row.ratio;
        started.form.scale.GE_sngPiccelD_X = started.form.scale.GE_sngDistanceD_X = row.referenceMm;
        EXPECT_EQ(zoomReadout(started.form), row.text);
    }
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Toolbar.h"
#include "output/PaperLayout.h"
#include "app/Zoom.h"
#include "StartedForm.h"

#include <gtest/gtest.h>

namespace {

const QString ZoomErrorText = QStringLiteral(
    "画像が読み込まれていないか、拡大縮小の不可能な画像、または設定です。\rピクチャが不正です。");

// A started form showing a 1200 x 900 pixel picture (317.5 x 238.125 mm) on A4 at 100 %.
struct PictureShown : StartedForm
{
    PictureShown()
    {
        layOutWindow();
        form.pictOrg = QImage(1200, 900, QImage::Format_RGB32);
        form.pictOrg.fill(Qt::darkCyan);
        ApplyZoom(form, 1.0f);
    }
};

} // namespace

TEST(Zoom, ToolbarStepsStopAtTheirBounds)
{
    PictureShown shown;
    for (int i = 0; i < 15; ++i)
        Toolbar1_ButtonClick(shown.form, QStringLiteral("reduce"));
    EXPECT_FLOAT_EQ(shown.form.view.ZoomFactor, 0.1f);
    for (int i = 0; i < 25; ++i)
        Toolbar1_ButtonClick(shown.form, QStringLiteral("magnify"));
    EXPECT_FLOAT_EQ(shown.form.view.ZoomFactor, 2.0f);
    Toolbar1_ButtonClick(shown.form, QStringLiteral("modosu"));
    EXPECT_FLOAT_EQ(shown.form.view.ZoomFactor, 1.0f);
    EXPECT_TRUE(shown.platform.messages.empty());
}

TEST(Zoom, ActualSizeUsesTheRatioBeyondTheToolbarBounds)
{
    PictureShown shown;
    shown.form.scale.GE_tpPtoD_r_X = 3.5;
    Toolbar1_ButtonClick(shown.form, QStringLiteral("genn"));
    EXPECT_FLOAT_EQ(shown.form.view.ZoomFactor, 3.5f);
    EXPECT_FLOAT_EQ(shown.form.view.LayoutZoom, 3.5f);
    EXPECT_NEAR(shown.form.view.CanvasWidthMm, 317.5 * 3.5, 1e-3);
    // The paper frame is laid out again at its real size after the zoom; the canvas still
    // reaches to the picture's far edge, so all of it can be measured.
    EXPECT_FLOAT_EQ(shown.form.live.shpPrintWaku[0].Width, 297.0f);
    EXPECT_NEAR(shown.form.view.pictMapPx.width(), 317.5 * 3.5 * 96 / 25.4, 1e-3);
}

TEST(Zoom, MenuPresetsCheckOneItemAndToolbarClearsThem)
{
    PictureShown shown;
    const std::pair<const char *, float> presets[] = {{"mnuDisp200", 1.25f}, {"mnuDisp100", 1.0f},
                                                      {"mnuDisp80", 0.75f},  {"mnuDisp50", 0.5f},
                                                      {"mnuDisp25", 0.25f}};
    for (const auto &[name, z] : presets) {
        ASSERT_TRUE(shown.form.runCommand(QLatin1String(name)));
        EXPECT_FLOAT_EQ(shown.form.view.ZoomFactor, z) << name;
        int checked = 0;
        for (const QString &item : MenuTree::zoomGroup())
            checked += shown.form.menus[item].checked ? 1 : 0;
        EXPECT_EQ(checked, 1) << name;
        EXPECT_TRUE(shown.form.menus[QLatin1String(name)].checked);
    }
    shown.form.live.lineDistance.Visible = true;
    Toolbar1_ButtonClick(shown.form, QStringLiteral("help"));
    EXPECT_FALSE(shown.form.menus[QStringLiteral("mnuDisp25")].checked);
    EXPECT_FALSE(shown.form.live.lineDistance.Visible);
    EXPECT_EQ(shown.platform.messageTexts(), QStringList{QStringLiteral("Ｆ１キーを押しください。")});
    for (const char *hidden : {"mnuDispEnlarge", "mnuDispAll", "mnuDispOrg"})
        EXPECT_FALSE(shown.form.menus[QLatin1String(hidden)].visible) << hidden;
}

TEST(Zoom, WithoutAPictureEachZoomReportsOnceAndStillLaysOut)
{
    StartedForm started;
    started.layOutWindow();
    ASSERT_TRUE(started.form.runCommand(QStringLiteral("mnuDisp50")));
    ASSERT_EQ(started.platform.messages.size(), 1u);
    EXPECT_EQ(started.platform.messages[0].title, QStringLiteral("拡大縮小時エラー"));
    EXPECT_EQ(started.platform.messages[0].text, ZoomErrorText);
    // The steps after the failing one ran: objects and canvas follow the new zoom.
    EXPECT_FLOAT_EQ(started.form.view.LayoutZoom, 0.5f);
    EXPECT_FLOAT_EQ(started.form.live.shpPrintWaku[0].Width, 148.5f);
    EXPECT_EQ(started.platform.busyDepth, 0) << "the window is enabled again";
    Toolbar1_ButtonClick(started.form, QStringLiteral("magnify"));
    EXPECT_EQ(started.platform.messages.size(), 2u);
}

TEST(Zoom, ToolbarFileButtonsDoNothingWhileTheirEntriesAreDisabled)
{
    PictureShown shown;
    int saves = 0;
    shown.form.setCommand(QStringLiteral("mnuFileSavePrj"), [&] { ++saves; });
    Toolbar1_ButtonClick(shown.form, QStringLiteral("save"));
    EXPECT_EQ(saves, 0);
    shown.form.menus[QStringLiteral("mnuFileSavePrj")].enabled = true;
    Toolbar1_ButtonClick(shown.form, QStringLiteral("save"));
    EXPECT_EQ(saves, 1);
}

TEST(Zoom, ScrollBarsShowWhenTheCanvasIsAtLeastAsLargeAsTheView)
{
    PictureShown shown;
    const QRect view = shown.form.layout.pictWindow;
    shown.form.view.pictMapPx = QSizeF(view.width() - 1, view.height());
    UpdateScrollBars(shown.form);
    EXPECT_TRUE(shown.form.view.vscY.Visible) << "equal heights still show the bar";
    EXPECT_FALSE(shown.form.view.hscX.Visible);
    EXPECT_EQ(shown.form.view.vscY.Max, 4);
    EXPECT_EQ(shown.form.view.hscX.Max, 3);
}

TEST(Zoom, ShrinkingTheCanvasPullsTheScrollValueBack)
{
    PictureShown shown;
    shown.form.runCommand(QStringLiteral("mnuDisp200"));
    shown.form.vscY_Change(shown.form.view.vscY.Max);
    shown.form.runCommand(QStringLiteral("mnuDisp25"));
    EXPECT_LE(shown.form.view.vscY.Value, std::max(0, shown.form.view.vscY.Max));
    // The sample goes with it: pinned while the canvas fills the view, above it once it has room.
    const AnnotationLabel &sample = shown.form.defaults.lblDefault;
    if (shown.form.view.vscY.Visible)
        EXPECT_NEAR(sample.Top, shown.form.view.vscY.Value * 0.2645 + 10, 1e-4);
    else
        EXPECT_LT(sample.Top + sample.Height, 0);
}

TEST(DisplayToggles, CoordinatePanelAndDefaultSample)
{
    StartedForm started;
    ASSERT_TRUE(started.form.runCommand(QStringLiteral("mnuDispAxis")));
    const TextBox *boxes = started.form.txtPict;
    EXPECT_EQ(boxes[0].Width, 0);
    EXPECT_FALSE(boxes[0].Visible);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(boxes[i].Visible);
        EXPECT_EQ(boxes[i].Width, 73);
        EXPECT_EQ(boxes[i].Left, boxes[i - 1].Left + boxes[i - 1].Width + 2);
    }
    EXPECT_EQ(boxes[4].ToolTipText, QStringLiteral("距離・寸法"));
    started.form.runCommand(QStringLiteral("mnuDispAxis"));
    for (const TextBox &box : started.form.txtPict)
        EXPECT_FALSE(box.Visible);

    started.form.runCommand(QStringLiteral("mnuDspDefault"));
    EXPECT_FALSE(started.form.defaults.lblDefault.Visible);
    EXPECT_FALSE(started.form.defaults.linDefault.Visible);
    started.form.runCommand(QStringLiteral("mnuDspDefault"));
    EXPECT_TRUE(started.form.defaults.lblDefault.Visible);
    EXPECT_TRUE(started.form.menus[QStringLiteral("mnuDspDefault")].checked);
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A measurement left open while the user does something else: zooms to place the second end,
// opens the option dialog, takes another tool, presses Esc, or clicks beside the canvas.
#include "measure/PointerEvents.h"
#include "StartedForm.h"

#include <gtest/gtest.h>

namespace {

constexpr int Left = 1;
constexpr int NoButton = 0;

// An A4 canvas with a picture, the measure tool keeping what it measures.
struct Measuring : StartedForm
{
    Measuring()
    {
        layOutWindow();
        form.pictOrg = QImage(1200, 800, QImage::Format_RGB32);
        form.pictOrg.fill(Qt::darkCyan);
        form.runCommand(QStringLiteral("mnuDisp100"));
        form.runCommand(QStringLiteral("mnuToolMes"));
        form.runCommand(QStringLiteral("popMesPutSen"));
    }
    void click(float x, float y)
    {
        pictMap_MouseDown(form.measuring, Left, x, y);
        pictMap_MouseUp(form.measuring, Left, x, y);
    }
    void startMeasuring()
    {
        click(10, 20);
        pictMap_MouseMove(form.measuring, NoButton, 60, 20);
        ASSERT_TRUE(form.canvas.DimMeasuring);
    }
    int keptDimensions() const { return form.annotations.dimensionCount(); }
};

} // namespace

TEST(InterruptedMeasurement, AZoomBeforeTheSecondEndKeepsTheDistanceBetweenTheClickedPoints)
{
    // Nose at 100 %, tail at 50 %, and the other way round at 125 %.
    struct Road
    {
        const char *zoomItem;
        float zoom;
    };
    for (const Road road : {Road{"mnuDisp50", 0.5f}, Road{"mnuDisp200", 1.25f}}) {
        Measuring canvas;
        canvas.startMeasuring();
        canvas.form.runCommand(QLatin1String(road.zoomItem));
        EXPECT_TRUE(canvas.form.live.lineDistance.Visible) << "the measurement is still shown";
        // The tail 150 mm right of the nose and level with it, clicked at the new zoom.
        const float x = 160 * road.zoom, y = 20 * road.zoom;
        pictMap_MouseMove(canvas.form.measuring, NoButton, x, y);
        canvas.click(x, y);
        ASSERT_EQ(canvas.keptDimensions(), 1) << road.zoomItem;
        const AnnotationLine &kept = canvas.form.annotations.lineDsSave[0];
        EXPECT_FLOAT_EQ(kept.X1, 10 * road.zoom) << road.zoomItem;
        EXPECT_FLOAT_EQ(kept.Y1, kept.Y2) << road.zoomItem;
        EXPECT_EQ(canvas.form.annotations.lblKyori[0].Caption, QStringLiteral("15.0cm "))
            << road.zoomItem;
    }
}

TEST(InterruptedMeasurement, AnotherToolTheOptionDialogOrEscEndItWithoutKeepingIt)
{
    struct Road
    {
        const char *what;
        void (*interrupt)(Measuring &);
    };
    const Road roads[] = {
        {"option dialog, then the reference line's first click",
         [](Measuring &canvas) {
             canvas.form.runCommand(QStringLiteral("mnuToolOpt"));
             canvas.click(100, 100);
         }},
        {"text tool, then the click that places a label",
         [](Measuring &canvas) {
             canvas.form.runCommand(QStringLiteral("mnuToolCmnt"));
             canvas.platform.textAnswers.push_back(QStringLiteral("New"));
             canvas.click(100, 100);
         }},
        {"print-area tool", [](Measuring &canvas) {
             canvas.form.runCommand(QStringLiteral("mnuPrintEria"));
             canvas.click(100, 100);
         }},
        {"Esc", [](Measuring &canvas) { cancelDrawing(canvas.form.measuring); }},
    };
    for (const Road &road : roads) {
        Measuring canvas;
        canvas.startMeasuring();
        road.interrupt(canvas);
        EXPECT_EQ(canvas.keptDimensions(), 0) << road.what;
        EXPECT_FALSE(canvas.form.canvas.DimMeasuring) << road.what;
        EXPECT_FALSE(canvas.form.live.lblFt.Visible) << road.what;
    }
}

TEST(InterruptedMeasurement, PressesBesideTheCanvasDoNothing)
{
    Measuring canvas;
    const QSizeF canvasMm = canvas.form.view.pictMapPx / (96 / 25.4);
    const QPointF outside[] = {{-0.5, 20},
                               {20, -0.5},
                               {canvasMm.width() + 0.5, 20},
                               {20, canvasMm.height() + 0.5}};
    const MarkerShape area = canvas.form.live.shpPrint;
    for (const char *tool : {"mnuToolMes", "mnuToolCmnt", "mnuToolLine", "mnuPrintEria"}) {
        canvas.form.runCommand(QLatin1String(tool));
        for (const QPointF &point : outside) {
            canvas.click(float(point.x()), float(point.y()));
            EXPECT_FALSE(canvas.form.canvas.DimMeasuring) << tool;
            EXPECT_TRUE(canvas.platform.prompts.empty()) << tool << " asked for a label";
            EXPECT_EQ(canvas.form.annotations.lineHikidashi.UBound(), 0) << tool;
            EXPECT_EQ(canvas.form.live.shpPrint, area) << tool;
        }
    }
    // The canvas's own edge still takes a press.
    canvas.form.runCommand(QStringLiteral("mnuToolMes"));
    canvas.click(float(canvasMm.width()), 20);
    EXPECT_TRUE(canvas.form.canvas.DimMeasuring);
}

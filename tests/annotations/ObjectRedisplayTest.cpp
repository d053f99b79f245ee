// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "annotations/ObjectRedisplay.h"
#include "Segment.h"
#include "ScriptedPlatform.h"
#include "annotations/LiveObjects.h"
#include "document/AnnotationStore.h"

#include <gtest/gtest.h>

namespace {

MarkerShape dot()
{
    MarkerShape marker;
    marker.Shape = ShapeCircle;
    marker.Width = marker.Height = twipsToMm(105);
    return marker;
}

// What a zoom lays out again, at 100 % on an A4 paper frame.
struct Laid
{
    ScriptedPlatform platform;
    AnnotationStore annotations;
    LiveObjects live;
    float LayoutZoom = 1.0f;
    float ZoomFactor = 1.0f;

    Laid()
    {
        for (MarkerShape &frame : live.shpPrintWaku) {
            frame.Width = 297;
            frame.Height = 210;
        }
    }
};

void relayOutForZoom(Laid &form)
{
    subDisp_Object(form.annotations, form.live, form.LayoutZoom, form.ZoomFactor, form.platform);
}

// Two kept dimensions, one text label and one leader line, laid out at 100 %.
struct Populated : Laid
{
    Populated()
    {
        AnnotationStore &objects = annotations;
        for (float y : {40.0f, 80.0f}) {
            AnnotationLabel label = objects.lblKyori.spare();
            label.Caption = QStringLiteral("38.0cm ");
            label.Left = 60;
            label.Top = y - 6;
            objects.AppendDimension(label, segment(20, y, 120, y), segment(20, y + 15, 20, y),
                                    segment(120, y + 15, 120, y), dot(), dot());
        }
        objects.lineHikidashi.AppendToSpare(segment(10, 10, 50, 30));
        objects.lineHikidashi[1] = segment(3, 4, 5, 6); // the spare, hidden, scaled all the same
        const int label = *objects.CreateTextLabel();
        objects.lblMoji[label].Left = 30;
        objects.lblMoji[label].Top = 90;
        objects.lblMoji[label].Caption = QStringLiteral("全長");
        objects.lblMoji[label].Visible = true;
    }
};

} // namespace

TEST(ObjectRedisplay, HalvingAndRestoringTheZoomReturnsEveryValue)
{
    Populated form;
    const AnnotationStore before = form.annotations;
    const AnnotationLabel templateBefore = form.annotations.lblMoji[0];

    form.ZoomFactor = 0.5f;
    relayOutForZoom(form);
    const AnnotationStore &halved = form.annotations;
    EXPECT_FLOAT_EQ(halved.lineDsSave[1].X2, 60.0f);
    EXPECT_FLOAT_EQ(halved.lineHojoSave[2].Y1, 47.5f);
    EXPECT_FLOAT_EQ(halved.lineHikidashi[1].X1, 1.5f) << "the spare leader line is scaled too";
    EXPECT_FLOAT_EQ(halved.lblMoji[1].Left, 15.0f);
    EXPECT_FLOAT_EQ(halved.lblMoji[1].FontSize, 9.75f / 2);
    EXPECT_FLOAT_EQ(halved.lblKyori[0].FontSize, before.lblKyori[0].FontSize / 2);
    // End markers keep their size and sit centred on their (halved) line ends.
    const MarkerShape &marker = halved.shpSnpo[3];
    EXPECT_FLOAT_EQ(marker.Width, twipsToMm(105));
    EXPECT_FLOAT_EQ(marker.Left + marker.Width / 2, halved.lineDsSave[1].X2);
    EXPECT_FLOAT_EQ(marker.Top + marker.Height / 2, halved.lineDsSave[1].Y2);
    EXPECT_EQ(halved.lblMoji[0], templateBefore) << "the template is never touched";
    EXPECT_FLOAT_EQ(form.LayoutZoom, 0.5f);

    form.ZoomFactor = 1.0f;
    relayOutForZoom(form);
    for (int i = 0; i <= before.lineDsSave.UBound(); ++i) {
        EXPECT_FLOAT_EQ(form.annotations.lineDsSave[i].X1, before.lineDsSave[i].X1);
        EXPECT_FLOAT_EQ(form.annotations.lineDsSave[i].Y2, before.lineDsSave[i].Y2);
    }
    for (int i = 0; i <= before.lblKyori.UBound(); ++i) {
        EXPECT_FLOAT_EQ(form.annotations.lblKyori[i].Left, before.lblKyori[i].Left)
            << "no drift: dimension labels are not shifted";
        EXPECT_FLOAT_EQ(form.annotations.lblKyori[i].Top, before.lblKyori[i].Top);
        EXPECT_FLOAT_EQ(form.annotations.lblKyori[i].FontSize, before.lblKyori[i].FontSize);
    }
    EXPECT_FLOAT_EQ(form.annotations.shpSnpo[0].Left + form.annotations.shpSnpo[0].Width / 2,
                    before.lineDsSave[0].X1);
    EXPECT_EQ(form.annotations.lblMoji[1].Caption, QStringLiteral("全長"));
    EXPECT_TRUE(form.platform.messages.empty());
}

TEST(ObjectRedisplay, WithNoAnnotationsOnlyThePrintLayoutScales)
{
    Laid form;
    form.live.shpPrint = {};
    form.live.shpPrint.Width = 100;
    form.ZoomFactor = 2.0f;
    relayOutForZoom(form);
    EXPECT_FLOAT_EQ(form.live.shpPrint.Width, 200.0f);
    for (const MarkerShape &frame : form.live.shpPrintWaku) { // all four outlines follow
        EXPECT_FLOAT_EQ(frame.Width, 594.0f);
        EXPECT_FLOAT_EQ(frame.Height, 420.0f);
    }
}

TEST(ObjectRedisplay, ZeroLayoutZoomStopsWithTheErrorAndKeepsIt)
{
    Laid form;
    form.LayoutZoom = 0.0f;
    form.ZoomFactor = 2.0f;
    relayOutForZoom(form);
    ASSERT_EQ(form.platform.messages.size(), 1u);
    EXPECT_EQ(form.platform.messages[0].title, QStringLiteral("ｴﾗｰ"));
    EXPECT_EQ(form.platform.messages[0].text,
              QStringLiteral("subDisp_Object():ｴﾗｰ番号  11 ｴﾗｰが発生しました。\r0 で除算しました。"));
    EXPECT_FLOAT_EQ(form.LayoutZoom, 0.0f);
    EXPECT_FLOAT_EQ(form.live.shpPrintWaku[0].Width, 297.0f);
}

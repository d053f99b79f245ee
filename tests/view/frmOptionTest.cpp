// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/PointerEvents.h"
#include "app/ScaleOptionCommand.h"
#include "measure/frmOption.h"
#include "StartedForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include <gtest/gtest.h>

namespace {

const char *const ToolItems[] = {"mnuToolMes", "mnuToolLine", "mnuToolCmnt", "mnuPrintEria"};

// A started form with the option dialog opened from the tools menu.
struct DialogOpen : StartedForm
{
    DialogOpen()
    {
        registerOptionCommands(form);
        EXPECT_TRUE(form.runCommand(QStringLiteral("mnuToolOpt")));
    }

    frmOption &dialog() { return *form.optionDialog; }

    void type(int box, const QString &text)
    {
        dialog().txtXY_GotFocus(box);
        dialog().setBoxText(box, text);
    }
    // Types into a box and moves on, as clicking elsewhere in the dialog does.
    void typeAndLeave(int box, const QString &text)
    {
        type(box, text);
        dialog().txtXY_LostFocus(box);
    }
    std::vector<QString> boxes()
    {
        return {std::begin(dialog().txtXY), std::end(dialog().txtXY)};
    }
};

} // namespace

TEST(ScaleOptionDialog, OpensFromTheScaleValuesInCalibrationMode)
{
    DialogOpen open;
    ASSERT_TRUE(open.form.optionDialog);
    EXPECT_EQ(open.platform.optionDialog, open.form.optionDialog.get());
    EXPECT_EQ(open.boxes(), (std::vector<QString>{"50", "5", "150", "5", "100", "100"}));
    EXPECT_EQ(open.dialog().lblRecio, QStringLiteral("1.0"));
    EXPECT_EQ(open.dialog().lblUnit, QStringLiteral("mm "));
    for (const char *item : ToolItems)
        EXPECT_FALSE(open.form.menus[QLatin1String(item)].checked) << item;
    EXPECT_FALSE(open.form.menus[QStringLiteral("mnuEditSet")].enabled);
    EXPECT_TRUE(open.process.OptionDialogOpen);
}

TEST(ScaleOptionDialog, SetteiSetsTheRatioFromTheLeadingNumbers)
{
    struct Case
    {
        QString onScreen, real, shown;
        double ratio;
    };
    const Case cases[] = {
        {"100", "200", "2.0", 2.0},
        {"400", "200", ".5", 0.5},
        {" 1.0", "2.0 ", "2.0", 2.0},
        {"120mm", "30cm", ".25", 0.25}, // only the leading numbers count
        {"3", "1", ".33", 1.0 / 3.0},
    };
    for (const Case &c : cases) {
        DialogOpen open;
        open.type(4, c.onScreen);
        open.type(5, c.real);
        open.dialog().cmdSettei_Click();
        EXPECT_EQ(open.dialog().lblRecio, c.shown) << c.onScreen.toStdString();
        EXPECT_DOUBLE_EQ(open.form.scale.GE_tpPtoD_r_X, c.ratio);
        EXPECT_DOUBLE_EQ(open.form.scale.GE_tpPtoD_r_Y, c.ratio);
    }
}

TEST(ScaleOptionDialog, SetteiWithANonPositiveLengthStoresItButKeepsTheRatio)
{
    struct Case
    {
        QString onScreen, real;
        float storedScreen, storedReal;
    };
    const Case cases[] = {{"0", "200", 0, 200}, {"abc", "200", 0, 200}, {"50", "-1", 50, -1}};
    for (const Case &c : cases) {
        DialogOpen open;
        open.type(4, c.onScreen);
        open.type(5, c.real);
        open.dialog().cmdSettei_Click();
        EXPECT_EQ(open.dialog().lblRecio, QStringLiteral("1.0"));
        EXPECT_EQ(open.form.scale.GE_tpPtoD_r_X, 1.0);
        EXPECT_EQ(open.form.scale.GE_sngPiccelD_X, c.storedScreen);
        EXPECT_EQ(open.form.scale.GE_sngDistanceD_X, c.storedReal);
        EXPECT_TRUE(open.platform.messages.empty());
    }
}

TEST(ScaleOptionDialog, SetteiIgnoresALengthBeyondTheSingleRange)
{
    DialogOpen open;
    open.type(4, QStringLiteral("100"));
    open.type(5, QStringLiteral("1e39"));
    open.dialog().cmdSettei_Click();
    EXPECT_EQ(open.dialog().lblRecio, QStringLiteral("1.0"));
    EXPECT_EQ(open.form.scale.GE_tpPtoD_r_X, 1.0);
    EXPECT_EQ(open.form.scale.GE_sngDistanceD_X, 100.0f);
}

TEST(ScaleOptionDialog, LeavingABoxWithTextThatIsNoNumberResetsItOnly)
{
    DialogOpen open;
    open.typeAndLeave(2, QStringLiteral("abc"));
    EXPECT_EQ(open.boxes(), (std::vector<QString>{"50", "5", "0", "5", "100", "100"}));
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[1].sngX, 150.0f);
}

TEST(ScaleOptionDialog, LeavingAPointBoxRecomputesTheScreenLengthAndThePoints)
{
    DialogOpen open;
    open.typeAndLeave(3, QStringLiteral("105"));
    EXPECT_EQ(open.dialog().txtXY[4], QStringLiteral("141.4214"));
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[0].sngX, 50.0f);
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[0].sngY, 5.0f);
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[1].sngX, 150.0f);
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[1].sngY, 105.0f);

    // The length boxes are only checked.
    open.typeAndLeave(5, QStringLiteral(" 250 "));
    EXPECT_EQ(open.dialog().txtXY[4], QStringLiteral("141.4214"));
    EXPECT_EQ(open.dialog().txtXY[5], QStringLiteral(" 250 "));
}

TEST(ScaleOptionDialog, ScreenLengthFromThePointsIsInBaseMillimetresOfTheZoomTheyWereDrawnAt)
{
    DialogOpen open;
    // The reference line is drawn at 200 %, then the view goes to 50 % before a point is typed.
    open.form.view.ZoomFactor = 2.0f;
    AnnotationLine &line = open.form.live.lineDistance;
    line.X1 = 100, line.Y1 = 10, line.X2 = 300, line.Y2 = 50;
    open.dialog().FillFromReferenceLine(101.98f);
    open.form.view.ZoomFactor = 0.5f;
    open.typeAndLeave(3, QStringLiteral("10"));
    EXPECT_EQ(open.dialog().txtXY[4], QStringLiteral("100"));
    // The points themselves stay as drawn on the canvas.
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[1].sngX, 300.0f);
}

TEST(ScaleOptionDialog, SetteiWithoutAnEditKeepsTheCalibrationAtAnyZoom)
{
    // Points drawn at 100 % and at 63 %, the dialog then opened at other zooms: passing through
    // a point box and pressing "設定" leaves box 4 and the ratio as they were.
    struct Road
    {
        float drawnAt, openedAt;
    };
    for (const Road road : {Road{1.0f, 1.25f}, Road{0.63f, 0.63f}, Road{0.63f, 1.0f}}) {
        DialogOpen open;
        open.form.view.ZoomFactor = road.drawnAt;
        AnnotationLine &line = open.form.live.lineDistance;
        line.X1 = 100 * road.drawnAt, line.Y1 = 40 * road.drawnAt;
        line.X2 = 400 * road.drawnAt, line.Y2 = 40 * road.drawnAt;
        open.dialog().FillFromReferenceLine(300);
        open.typeAndLeave(5, QStringLiteral("150"));
        open.dialog().cmdSettei_Click();
        const double ratio = open.form.scale.GE_tpPtoD_r_X;
        EXPECT_DOUBLE_EQ(ratio, 0.5);
        open.dialog().cmdOK_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        open.form.view.ZoomFactor = road.openedAt;
        ASSERT_TRUE(open.form.runCommand(QStringLiteral("mnuToolOpt")));
        open.dialog().txtXY_GotFocus(0);
        open.dialog().txtXY_LostFocus(0); // the click on "設定" takes the focus away
        open.dialog().cmdSettei_Click();
        EXPECT_EQ(open.dialog().txtXY[4], QStringLiteral("300")) << road.drawnAt << road.openedAt;
        EXPECT_DOUBLE_EQ(open.form.scale.GE_tpPtoD_r_X, ratio) << road.drawnAt << road.openedAt;
    }
}

TEST(ScaleOptionDialog, EnterMovesOnFromANumberAndWrapsFromTheLengthRow)
{
    struct Case
    {
        int box;
        QString text;
        int focusAfter;
    };
    const Case cases[] = {{0, "1", 1}, {3, "-2", 4}, {4, ".5", 0}, {5, "1.0", 0},
                          {2, "abc", 2}, {4, "", 4}, {1, "1.2.3", 1}};
    for (const Case &c : cases) {
        DialogOpen open;
        std::vector<int> requested;
        QObject::connect(&open.dialog(), &frmOption::focusRequested,
                         [&requested](int index) { requested.push_back(index); });
        open.type(c.box, c.text);
        EXPECT_TRUE(open.dialog().txtXY_KeyPress(c.box, frmOption::EnterKey));
        EXPECT_EQ(open.dialog().ActiveBox, c.focusAfter) << c.box << c.text.toStdString();
        const bool moved = c.focusAfter != c.box;
        EXPECT_EQ(requested, moved ? std::vector<int>{c.focusAfter} : std::vector<int>{});
        EXPECT_EQ(open.dialog().txtXY[c.box], c.text) << "Enter itself changes no text";
    }
}

TEST(ScaleOptionDialog, EnterRunsTheLeavingRulesOfTheBoxLeft)
{
    DialogOpen open;
    open.type(2, QStringLiteral("50"));
    open.dialog().txtXY_KeyPress(2, frmOption::EnterKey);
    EXPECT_EQ(open.dialog().txtXY[4], QStringLiteral("0"));
    EXPECT_EQ(open.dialog().SelLength, 1) << "the next box's text is selected";
    EXPECT_FALSE(open.dialog().txtXY_KeyPress(3, 'a')) << "other keys go through";
}

TEST(ScaleOptionDialog, NumericTexts)
{
    for (const char *text : {"1.0", "2.0", ".5", "1.", " -2 ", "+3", "\t7", "1e3", "1E-2", "1D3"})
        EXPECT_TRUE(isNumericText(QString::fromLatin1(text))) << text;
    for (const char *text : {"abc", "", " ", "-", ".", "1.2.3", "1,5", "12a", "e3", "1e", "1e39",
                             "0x10"})
        EXPECT_FALSE(isNumericText(QString::fromLatin1(text))) << text;
    // As an input method types them: full-width digits, signs and point, alone or mixed.
    for (const char *text : {"１２", "－０．５", "＋３", "1２．5", "１e３"})
        EXPECT_TRUE(isNumericText(QString::fromUtf8(text))) << text;
    // Full-width letters, commas and the long-vowel mark "ー" are not part of a number.
    for (const char *text : {"１２ａ", "１．２．３", "１，５", "ー１", "－"})
        EXPECT_FALSE(isNumericText(QString::fromUtf8(text))) << text;
}

TEST(ScaleOptionDialog, FullWidthDigitsAreReadAsTheirValues)
{
    struct Case
    {
        const char *onScreen, *real, *shown;
        double ratio;
    };
    const Case cases[] = {
        {"４００", "１２３．５", ".31", 123.5 / 400},
        {"２５．５", "５１", "2.0", 2.0},
        {"1２0", "３6", ".3", 0.3}, // mixed widths
    };
    for (const Case &c : cases) {
        DialogOpen open;
        open.typeAndLeave(4, QString::fromUtf8(c.onScreen));
        open.typeAndLeave(5, QString::fromUtf8(c.real));
        open.dialog().cmdSettei_Click();
        EXPECT_EQ(open.dialog().lblRecio, QLatin1String(c.shown)) << c.onScreen;
        EXPECT_DOUBLE_EQ(open.form.scale.GE_tpPtoD_r_X, c.ratio) << c.onScreen;
    }

    // A point typed full-width with its sign moves the point and the screen length follows:
    // (50, 5)-(150, -95) is 100 * sqrt(2) long.
    DialogOpen open;
    open.typeAndLeave(3, QStringLiteral("－９５"));
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[1].sngY, -95.0f);
    EXPECT_EQ(open.dialog().txtXY[4], QStringLiteral("141.4214"));
}

TEST(ScaleOptionDialog, FocusSelectsTheWholeText)
{
    DialogOpen open;
    open.dialog().txtXY_GotFocus(2);
    EXPECT_EQ(open.dialog().ActiveBox, 2);
    EXPECT_EQ(open.dialog().SelStart, 0);
    EXPECT_EQ(open.dialog().SelLength, 3);
    open.dialog().txtXY_LostFocus(2);
    EXPECT_EQ(open.dialog().ActiveBox, -1);
}

TEST(ScaleOptionDialog, ReferenceLineFillsTheBoxesAndThePoints)
{
    DialogOpen open;
    int changes = 0;
    QObject::connect(&open.dialog(), &frmOption::changed, [&changes] { ++changes; });
    AnnotationLine &line = open.form.live.lineDistance;
    line.X1 = 12.5f;
    line.Y1 = 20;
    line.X2 = 112.25f;
    line.Y2 = 0.1f;
    open.dialog().FillFromReferenceLine(50.125f);
    EXPECT_EQ(open.boxes(),
              (std::vector<QString>{"12.5", "20", "112.25", "0.1", "50.125", "100"}));
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[0].sngX, 12.5f);
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[0].sngY, 20.0f);
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[1].sngX, 112.25f);
    EXPECT_EQ(open.form.scale.GE_tpPiccelD[1].sngY, 0.1f);
    EXPECT_EQ(open.form.scale.GE_sngPiccelD_X, 100.0f) << "only 設定 stores the length";
    EXPECT_EQ(changes, 1);
}

TEST(ScaleOptionDialog, OkLeavesCalibrationModeAndReleasesTheDialog)
{
    DialogOpen open;
    open.form.live.lineCheck.Visible = true;
    open.form.live.shpCheck[0].Visible = true;
    open.form.live.shpCheck[1].Visible = true;
    int unloads = 0;
    QObject::connect(&open.dialog(), &frmOption::unloaded, [&unloads] { ++unloads; });
    QPointer<frmOption> model = open.form.optionDialog.get();

    open.dialog().cmdOK_Click();

    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(open.process.OptionDialogOpen);
    EXPECT_TRUE(open.form.menus[QStringLiteral("mnuToolMes")].checked);
    EXPECT_TRUE(open.form.menus[QStringLiteral("mnuEditSet")].enabled);
    EXPECT_FALSE(open.form.live.lineCheck.Visible);
    EXPECT_FALSE(open.form.live.shpCheck[0].Visible);
    EXPECT_FALSE(open.form.live.shpCheck[1].Visible);
    EXPECT_EQ(open.platform.optionDialog, nullptr);
    EXPECT_FALSE(open.form.optionDialog);
    ASSERT_TRUE(model) << "still alive while its own handler returns";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(model);

    unloadOptionDialog(open.form); // nothing loaded: nothing happens
    EXPECT_TRUE(open.form.menus[QStringLiteral("mnuToolMes")].checked);
}

TEST(ScaleOptionDialog, ReopeningRebuildsFromTheScaleValues)
{
    DialogOpen open;
    open.type(4, QStringLiteral("50"));
    open.type(5, QStringLiteral("200"));
    open.dialog().cmdSettei_Click();
    open.type(0, QStringLiteral("77")); // typed, never left
    unloadOptionDialog(open.form);

    open.form.runCommand(QStringLiteral("mnuToolOpt"));
    EXPECT_EQ(open.boxes(), (std::vector<QString>{"50", "5", "150", "5", "50", "200"}));
    EXPECT_EQ(open.dialog().lblRecio, QStringLiteral("4.0"));
    EXPECT_EQ(open.platform.optionDialogShows, 2);
}

TEST(ScaleOptionDialog, ClosingAbandonsAReferenceLineStillBeingDrawn)
{
    DialogOpen open;
    open.form.canvas.RefMeasuring = true;
    open.form.canvas.RefMoved = true;
    open.form.live.lineDistance.Visible = true;
    open.form.live.lblDistance.Visible = true;
    open.form.live.lineHojo[2].Visible = true;
    open.form.scale.GE_sngHosei[2] = 42;

    unloadOptionDialog(open.form);

    EXPECT_FALSE(open.form.canvas.RefMeasuring);
    EXPECT_FALSE(open.form.canvas.RefMoved);
    EXPECT_FALSE(open.form.live.lineDistance.Visible);
    EXPECT_FALSE(open.form.live.lblDistance.Visible);
    EXPECT_FALSE(open.form.live.lineHojo[2].Visible);
    EXPECT_EQ(open.form.scale.GE_sngHosei[2], 42.0f) << "the tilt reference is left alone";
}

TEST(ScaleOptionDialog, AReferenceLineGivesTheSameRatioAtAnyZoomItIsDrawnAt)
{
    // 200 base mm across (and a little down) for 150 real mm, drawn at 100 %, 125 % and 63 %.
    for (const float zoom : {1.0f, 1.25f, 0.63f}) {
        DialogOpen open;
        open.form.view.ZoomFactor = open.form.view.LayoutZoom = zoom;
        const auto at = [zoom](float mm) { return mm * zoom; };
        pictMap_MouseDown(open.form.measuring, 1, at(20), at(40));
        pictMap_MouseUp(open.form.measuring, 1, at(20), at(40));
        pictMap_MouseMove(open.form.measuring, 0, at(220), at(40));
        pictMap_MouseDown(open.form.measuring, 1, at(220), at(40));
        pictMap_MouseUp(open.form.measuring, 1, at(220), at(40));
        EXPECT_EQ(open.dialog().txtXY[4], QStringLiteral("200")) << zoom;
        open.typeAndLeave(5, QStringLiteral("150"));
        open.dialog().cmdSettei_Click();
        EXPECT_NEAR(open.form.scale.GE_tpPtoD_r_X, 0.75, 1e-6) << zoom;
    }
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenCheckDialog.h"
#include "app/ScreenScale.h"
#include "app/Toolbar.h"
#include "document/ScaleModel.h"
#include "app/Zoom.h"
#include "platform/Cp932.h"
#include "StartedForm.h"

#include <gtest/gtest.h>

namespace {

// A 2000 x 1000 pixel photograph calibrated at `picturePxPerMm` pixels of picture a real
// millimetre, shown at actual size on A4.
struct CalibratedPicture : StartedForm
{
    explicit CalibratedPicture(double picturePxPerMm, const QString &settings = {})
        : StartedForm(cp932::encode(settings).bytes)
    {
        layOutWindow();
        form.pictOrg = QImage(2000, 1000, QImage::Format_RGB32);
        form.pictOrg.fill(Qt::darkCyan);
        // 100 real mm cover 100 x picturePxPerMm picture pixels, each 25.4 / 96 base mm.
        SetRatio(form.scale, float(100 * picturePxPerMm * MmPerScreenPixel), 100);
        form.runCommand(QStringLiteral("mnuOrgEnlarge"));
    }

    // How many screen pixels 100 real millimetres of the object cover now.
    double screenPxFor100Mm(double picturePxPerMm) const
    {
        const double canvasPxPerPicturePx =
            form.view.pictureOnCanvasMm.width() * ScreenPixelsPerMm / form.pictOrg.width();
        return 100 * picturePxPerMm * canvasPxPerPicturePx;
    }
};

QString storedScreen(const char *value)
{
    return QStringLiteral("[画面の実寸]\r\nHDMI-1 1920x1080+0+0=") + QLatin1String(value)
           + QStringLiteral("\r\n");
}

struct ZoomCase
{
    const char *name;
    double picturePxPerMm;
    QString settings; // the stored measurement, if any
    platform::PixelsPerMm reported;
    double pxFor100Mm;
    QString readout;
};
void PrintTo(const ZoomCase &c, std::ostream *os)
{
    *os << c.name;
}

class RealSizeOnScreen : public ::testing::TestWithParam<ZoomCase>
{
};

constexpr platform::PixelsPerMm Nominal{96 / 25.4, 96 / 25.4};

} // namespace

// The zoom is the actual-size zoom (the ratio) times the screen's px/mm over the canvas's
// nominal 3.7795: a 10 px/mm picture has ratio 0.37795, so on a 3.78 px/mm screen
// z = 0.37795 x 3.78 / 3.7795 = 0.378 and 100 mm (1000 picture pixels) cover 378 pixels.
TEST_P(RealSizeOnScreen, ObjectMillimetresAreScreenMillimetres)
{
    const ZoomCase &c = GetParam();
    CalibratedPicture shown(c.picturePxPerMm, c.settings);
    shown.platform.screen.reported = c.reported;
    shown.platform.messageAnswers.push_back(platform::MessageAnswer::No); // when asked
    ASSERT_TRUE(shown.form.runCommand(QStringLiteral("mnuDispRealOnScreen")));
    EXPECT_NEAR(shown.screenPxFor100Mm(c.picturePxPerMm), c.pxFor100Mm, 0.05);
    EXPECT_EQ(zoomReadout(shown.form), c.readout);
    EXPECT_EQ(shown.platform.messages.size(), c.settings.isEmpty() ? 1u : 0u)
        << "only an unmeasured screen is asked about";
    for (const QString &item : MenuTree::zoomGroup())
        EXPECT_EQ(shown.form.menus[item].checked, item == QLatin1String("mnuDispRealOnScreen"));
    // The paper frame (A4 across) scales with the picture: 297 mm at 378 px a 100 mm.
    EXPECT_NEAR(shown.form.live.shpPrintWaku[0].Width * ScreenPixelsPerMm,
                297 * c.pxFor100Mm / 100, 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RealSizeOnScreen,
    ::testing::Values(
        ZoomCase{"MeasuredScreen", 10, storedScreen("3.7800,3.7800"), Nominal, 378, "38 %  実物大"},
        // One zoom for both directions: the screen's across wins, as the ratio's does.
        ZoomCase{"PixelsTallerThanWideFollowAcross", 10, storedScreen("4.5000,3.9000"), Nominal,
                 450, "45 %  実物大"},
        // 2 px/mm: ratio 1.8898, beyond what the toolbar's steps reach.
        ZoomCase{"CoarsePicture", 2, storedScreen("3.7800,3.7800"), Nominal, 378,
                 "189 %  実物大"},
        // A screen at exactly 96 dpi shows real size at actual size.
        ZoomCase{"NominalScreenMeetsActualSize", 10, storedScreen("3.7795,3.7795"), Nominal,
                 377.95, "38 %  原寸大・実物大"},
        ZoomCase{"UnmeasuredScreenTakesItsReport", 10, "", {7.5591, 7.5591}, 755.91,
                 "76 %  実物大"},
        ZoomCase{"UnmeasuredScreenWithAnAbsurdReportCountsAsNominal", 10, "", {0, 0}, 377.95,
                 "38 %  原寸大・実物大"}),
    [](const auto &info) { return std::string(info.param.name); });

// An unmeasured screen is offered its self-check once a run. Measured then, the zoom uses the
// measurement at once; measured again while at real size, the view follows.
TEST(RealSizeOnScreenZoom, AnUnmeasuredScreenIsOfferedItsCheckOnce)
{
    CalibratedPicture shown(10);
    shown.platform.messageAnswers.push_back(platform::MessageAnswer::Yes);
    shown.platform.useScreenCheckDialog = [](ScreenCheckDialog &dialog) {
        dialog.dragCorner({428, 270}); // 5 px/mm across
        dialog.OKButton_Click();
    };
    shown.form.runCommand(QStringLiteral("mnuDispRealOnScreen"));
    ASSERT_EQ(shown.platform.messages.size(), 1u);
    EXPECT_EQ(shown.platform.messages[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_NEAR(shown.screenPxFor100Mm(10), 500, 0.05);

    shown.platform.screen.geometry.moveLeft(1920); // the window moved to an unmeasured screen
    shown.platform.messageAnswers.push_back(platform::MessageAnswer::No);
    shown.form.runCommand(QStringLiteral("mnuDispRealOnScreen"));
    shown.form.runCommand(QStringLiteral("mnuDispRealOnScreen"));
    EXPECT_EQ(shown.platform.messages.size(), 2u) << "asked once for the second screen";
    EXPECT_NEAR(shown.screenPxFor100Mm(10), 377.95, 0.05);

    shown.platform.useScreenCheckDialog = [](ScreenCheckDialog &dialog) {
        dialog.dragCorner({342, 216}); // 3.9953 px/mm across
        dialog.OKButton_Click();
    };
    shown.form.runCommand(QStringLiteral("mnuDispScreenCheck"));
    EXPECT_NEAR(shown.screenPxFor100Mm(10), 399.53, 0.05);
    EXPECT_EQ(zoomReadout(shown.form), QStringLiteral("40 %  実物大"));
}

// A save goes to 100 % and back and takes the check mark off the zoom menu, as every toolbar
// button does; the zoom is still real size on the screen, and the readout keeps saying so.
TEST(RealSizeOnScreenZoom, TheReadoutKeepsRealSizeAfterASave)
{
    for (const bool toolbar : {false, true}) {
        CalibratedPicture shown(10, storedScreen("3.7800,3.7800"));
        shown.form.runCommand(QStringLiteral("mnuDispRealOnScreen"));
        ASSERT_EQ(zoomReadout(shown.form), QStringLiteral("38 %  実物大"));
        shown.platform.fileAnswers.push_back(shown.folder.filePath(QStringLiteral("b.ini")));
        shown.form.runCommand(QStringLiteral("mnuFileSaveAsPrj"));
        if (toolbar)
            Toolbar1_ButtonClick(shown.form, QStringLiteral("save"));
        EXPECT_EQ(zoomReadout(shown.form), QStringLiteral("38 %  実物大")) << toolbar;
    }
}

// Without a picture it says what is missing, as every zoom does, and asks nothing else.
TEST(RealSizeOnScreenZoom, WithoutAPictureOnlyTheZoomErrorShows)
{
    StartedForm started;
    started.layOutWindow();
    started.form.runCommand(QStringLiteral("mnuDispRealOnScreen"));
    ASSERT_EQ(started.platform.messages.size(), 1u);
    EXPECT_EQ(started.platform.messages[0].title, QStringLiteral("拡大縮小時エラー"));
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartedForm.h"
#include "document/AnnotationTypes.h"
#include "document/ScaleModel.h"
#include "measure/LengthUnits.h"
#include "view/MeasurementAccuracy.h"
#include "measure/frmOption.h"

#include <gtest/gtest.h>

namespace {

// A 300 mm ruler drawn over `pixels` picture pixels as the calibration's reference.
ScaleValues calibratedOver(double pixels)
{
    ScaleValues values;
    const float baseMm = float(pixels * MmPerScreenPixel);
    SetRatio(values, baseMm, 300);
    return values;
}

} // namespace

// A short reference gives a large ±, and the option dialog says so; a long one is quiet.
TEST(MeasurementAccuracy, AShortReferenceGivesALargeErrorAndAWarning)
{
    struct Case
    {
        double referencePx, longestBaseMm;
        bool warned;
    };
    const Case cases[] = {
        {100, 0, true},                            // under 200 px
        {199, 0, true},
        {200, 0, false},
        {1000, 4 * 1000 * MmPerScreenPixel, false}, // a quarter of the longest: enough
        {1000, 4.1 * 1000 * MmPerScreenPixel, true},
    };
    for (const Case &c : cases) {
        const QString warning = referenceWarning(calibratedOver(c.referencePx), c.longestBaseMm);
        EXPECT_EQ(!warning.isEmpty(), c.warned) << c.referencePx << " px, " << c.longestBaseMm;
    }
    // 380 mm measured: over 100 px a pixel of the ruler is 3 mm; over 1,000 px 0.3 mm.
    const double shortError = lengthUncertaintyMm(calibratedOver(100), 380);
    const double longError = lengthUncertaintyMm(calibratedOver(1000), 380);
    EXPECT_NEAR(shortError, 380 * 2 / 100.0 + 2 * 3.0, 1e-3);
    EXPECT_NEAR(longError, 380 * 2 / 1000.0 + 2 * 0.3, 1e-3);
    const LengthStyle withError{LengthUnit::Centimetre, false, true};
    EXPECT_EQ(lengthText(380, withError, shortError), QStringLiteral("38.0±1.4cm "));
    EXPECT_EQ(lengthText(380, withError, longError), QStringLiteral("38.0±0.2cm "));
    EXPECT_EQ(lengthText(388, {LengthUnit::QuarterInch, false, true}, 1),
              QStringLiteral("15 1/4±1/4in ")) << "never less than one step";
}

// The dialog's warning follows the reference the user sets with 設定.
TEST(MeasurementAccuracy, TheOptionDialogWarnsOnceTheShortReferenceIsSet)
{
    StartedForm started;
    frmOption dialog(started.form.measuring);
    dialog.Form_Load();
    dialog.setBoxText(4, QString::number(100 * MmPerScreenPixel));
    dialog.setBoxText(5, QStringLiteral("300"));
    dialog.cmdSettei_Click();
    EXPECT_TRUE(dialog.lblWarning.contains(QStringLiteral("100 ピクセル")))
        << dialog.lblWarning.toStdString();
    dialog.setBoxText(4, QString::number(1000 * MmPerScreenPixel));
    dialog.cmdSettei_Click();
    EXPECT_TRUE(dialog.lblWarning.isEmpty()) << dialog.lblWarning.toStdString();
}

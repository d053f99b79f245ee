// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartedForm.h"
#include "measure/DimensionConstruction.h"
#include "measure/LengthUnits.h"
#include "platform/Cp932.h"
#include "document/ScaleModel.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(LengthUnits, NearestStepOrUpToTheNextAsTournamentsMeasure)
{
    using U = LengthUnit;
    struct Case
    {
        double mm;
        U unit;
        bool roundUp;
        const char *text;
    };
    const Case cases[] = {
        {382, U::Centimetre, false, "38.2cm "},
        {382, U::Centimetre, true, "38.5cm "},
        {385, U::Centimetre, true, "38.5cm "},       // on a step: stays
        {664 * (100.0 / 332), U::Centimetre, true, "20.0cm "}, // 200.00000000000003: stays
        {388, U::QuarterInch, false, "15 1/4in "},   // 15.28 in
        {388, U::QuarterInch, true, "15 1/2in "},
        {388, U::EighthInch, false, "15 1/4in "},    // 122.2 eighths: 2/8 reduced
        {388, U::EighthInch, true, "15 3/8in "},
        {381, U::QuarterInch, true, "15in "},        // exactly 15 in
        {3, U::QuarterInch, false, "0in "},
        {3, U::QuarterInch, true, "1/4in "},
        {304.8, U::FeetAndInches, false, "1ft 0in "},
        {380, U::FeetAndInches, false, "1ft 3in "},  // 14.96 in
        {380, U::FeetAndInches, true, "1ft 3in "},
        {100, U::FeetAndInches, true, "4in "},       // 3.94 in, no feet
    };
    for (const Case &c : cases) {
        EXPECT_EQ(lengthText(c.mm, {c.unit, c.roundUp}).toStdString(), c.text)
            << c.mm << " mm, unit " << int(c.unit) << (c.roundUp ? ", up" : "");
    }
}

// The choice is made in the menu, shows in the live label and in what is kept, and comes back
// with the next start from the settings file.
TEST(LengthUnits, TheChosenUnitIsKeptAndComesBackWithTheNextStart)
{
    QByteArray settings;
    {
        StartedForm started;
        MeasuringTool &form = started.form.measuring;
        SetRatio(started.form.scale, 100, 380);
        ASSERT_TRUE(started.form.runCommand(QStringLiteral("mnuUnitIn4")));
        ASSERT_TRUE(started.form.runCommand(QStringLiteral("mnuUnitRoundUp")));
        EXPECT_TRUE(form.menus[QStringLiteral("mnuUnitIn4")].checked);
        EXPECT_FALSE(form.menus[QStringLiteral("mnuUnitCm")].checked);
        AnnotationLine &line = form.live.lineDistance;
        line = {};
        line.X2 = 100;
        line.Visible = true;
        subDistanceLabels(form);
        EXPECT_EQ(form.live.lblDistance.Caption, QStringLiteral("15in ")); // 14.96 in, up
        EXPECT_EQ(form.live.lblFt.Caption, QStringLiteral("1.25ft. ")) << "the feet label stays";
        QFile file(started.process.settingsFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        settings = file.readAll();
    }
    EXPECT_TRUE(cp932::decode(settings).contains(QStringLiteral("[寸法の単位]\r\nUNIT=in4\r\nROUND_UP=1\r\n")))
        << settings.toStdString();
    StartedForm again(settings);
    EXPECT_EQ(again.process.lengthStyle, (LengthStyle{LengthUnit::QuarterInch, true}));
    EXPECT_TRUE(again.form.menus[QStringLiteral("mnuUnitRoundUp")].checked);
}

// A kept caption reads back as the length it shows, in every unit and with its ±; anything
// else, the foot label among them, is no length.
TEST(LengthUnits, CaptionsReadBackAsTheirLength)
{
    struct Case
    {
        const char *caption;
        double mm;
        double uncertaintyMm; // < 0: the caption shows none
    };
    const Case cases[] = {
        {"38.0cm ", 380, -1},
        {".5cm ", 5, -1},
        {"38.0±0.4cm ", 380, 4},
        {"7cm", 70, -1},
        {"15 1/4in ", 15.25 * 25.4, -1},
        {"1/8in ", 0.125 * 25.4, -1},
        {"15 3/8±1/8in ", 15.375 * 25.4, 0.125 * 25.4},
        {"1ft 3 1/4in ", 15.25 * 25.4, -1},
        {"2ft 0in ", 24 * 25.4, -1},
    };
    for (const Case &c : cases) {
        const std::optional<CaptionLength> length = parseLengthText(QString::fromUtf8(c.caption));
        ASSERT_TRUE(length) << c.caption;
        EXPECT_NEAR(length->mm, c.mm, 1e-9) << c.caption;
        EXPECT_EQ(length->uncertaintyMm.has_value(), c.uncertaintyMm >= 0) << c.caption;
        if (length->uncertaintyMm)
            EXPECT_NEAR(*length->uncertaintyMm, c.uncertaintyMm, 1e-9) << c.caption;
    }
    for (const char *other : {"1.25ft. ", "New  3", "cm", "15 1/4", "1ft in", "3/0in", "38.0cmx"})
        EXPECT_FALSE(parseLengthText(QString::fromUtf8(other))) << other;
}

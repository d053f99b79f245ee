// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartedForm.h"
#include "measure/DimensionConstruction.h"
#include "measure/MeasurePopup.h"

#include <gtest/gtest.h>

namespace {

struct PopupForm : StartedForm
{
    PopupForm() { form.setCommands(measurePopupCommands(form.measuring)); }

    bool checked(const char *item) const { return form.menus[QLatin1String(item)].checked; }

    void showLiveMeasurement()
    {
        form.live.lineDistance.Visible = true;
        form.live.lblDistance.Visible = true;
        form.live.lblFt.Visible = true;
        subHojoVisible(form.measuring, true);
    }

    bool liveMeasurementHidden() const
    {
        const LiveObjects &live = form.live;
        bool hidden = !live.lineDistance.Visible && !live.lblDistance.Visible
            && !live.lblFt.Visible;
        for (const AnnotationLine &line : live.lineHojo)
            hidden = hidden && !line.Visible;
        return hidden;
    }
};

TEST(MeasurePopup, SubModesExcludeEachOtherHideTheLiveLineAndKeepingToggles)
{
    PopupForm f;
    f.showLiveMeasurement();
    ASSERT_TRUE(f.form.runCommand(QStringLiteral("popMesCancel")));
    EXPECT_TRUE(f.checked("popMesCancel"));
    EXPECT_FALSE(f.checked("popMesLine"));
    EXPECT_TRUE(f.liveMeasurementHidden());

    f.showLiveMeasurement();
    f.form.runCommand(QStringLiteral("popMesLine"));
    EXPECT_TRUE(f.checked("popMesLine"));
    EXPECT_FALSE(f.checked("popMesCancel"));
    EXPECT_TRUE(f.liveMeasurementHidden());

    f.form.runCommand(QStringLiteral("popMesPutSen")); // a toggle of its own
    EXPECT_TRUE(f.checked("popMesPutSen"));
    EXPECT_TRUE(f.checked("popMesLine"));
    f.form.runCommand(QStringLiteral("popMesPutSen"));
    EXPECT_FALSE(f.checked("popMesPutSen"));
}

TEST(MeasurePopup, EachLengthChecksOnlyItselfAndSetsTheExtensionLength)
{
    const std::pair<const char *, float> lengths[] = {
        {"popMesHj05", 5}, {"popMesHj10", 10}, {"popMesHj15", 15},
        {"popMesHj20", 20}, {"popMesHj25", 25}, {"popMesHj30", 30},
    };
    PopupForm f;
    for (const auto &[chosen, mm] : lengths) {
        SCOPED_TRACE(chosen);
        ASSERT_TRUE(f.form.runCommand(QLatin1String(chosen)));
        EXPECT_EQ(f.form.scale.GE_sngHojoLen, mm);
        for (const auto &[item, unused] : lengths)
            EXPECT_EQ(f.checked(item), item == chosen) << item;
    }
    // The live lines take it at their next placement.
    subHojoStart(f.form.measuring, 40, 30);
    subHojoPlace(f.form.measuring, 40, 30, 40, 30, f.form.scale.GE_sngHojoLen);
    EXPECT_FLOAT_EQ(f.form.live.lineHojo[0].X2, 70);
}

TEST(MeasurePopup, EraseAllRemovesEveryDimensionAndKeepsTheCheckMarks)
{
    PopupForm f;
    f.form.runCommand(QStringLiteral("popMesPutSen"));
    AnnotationLine &line = f.form.live.lineDistance;
    for (float y : {40.0f, 80.0f}) {
        line = {};
        line.X1 = 20;
        line.Y1 = y;
        line.X2 = 120;
        line.Y2 = y;
        subHojoStart(f.form.measuring, 20, y);
        subHojoPlace(f.form.measuring, 20, y, 120, y, 15);
        subDistanceLabels(f.form.measuring);
        subKeepDimension(f.form.measuring);
    }
    f.showLiveMeasurement();
    ASSERT_EQ(f.form.annotations.dimensionCount(), 2);

    ASSERT_TRUE(f.form.runCommand(QStringLiteral("popMesObjDel")));
    const AnnotationStore &store = f.form.annotations;
    EXPECT_EQ(store.lblKyori.UBound(), 0);
    EXPECT_EQ(store.lineDsSave.UBound(), 0);
    EXPECT_EQ(store.lineHojoSave.UBound(), 0);
    EXPECT_EQ(store.shpSnpo.UBound(), 0);
    EXPECT_FALSE(store.lblKyori[0].Visible);
    EXPECT_FALSE(store.shpSnpo[0].Visible);
    EXPECT_TRUE(f.liveMeasurementHidden());
    EXPECT_TRUE(f.checked("popMesPutSen"));
    EXPECT_TRUE(f.checked("popMesLine"));
}

} // namespace

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditFixture.h"
#include "measure/PointerEvents.h"

#include <array>
#include <ostream>

namespace {

const std::array<const char *, 3> StructureItems{"popEditRev", "popEditDpp", "popEditDel"};

struct PopupCase
{
    const char *kind;
    std::array<bool, 3> enabled; // mirror, duplicate, delete
};

void PrintTo(const PopupCase &c, std::ostream *os)
{
    *os << c.kind;
}

class EditPopupStates : public testing::TestWithParam<PopupCase>
{
};

TEST_P(EditPopupStates, OfferMirrorDuplicateAndDeleteByKind)
{
    const PopupCase &c = GetParam();
    EditForm f;
    f.keepDimension(1);
    f.keepTextLabel(1);
    f.keepLeaderLine(1);
    MenuTree &menus = f.form.menus;
    for (std::size_t i = 0; i < StructureItems.size(); ++i)
        menus[QLatin1String(StructureItems[i])].enabled = !c.enabled[i];
    menus[QStringLiteral("popEditWidthP")].enabled = false; // the tool mode's business

    f.form.EditTarget = {QLatin1String(c.kind), c.kind == QLatin1String("lblMoji") ? 1 : 0};
    showEditPopup(f.form.editing);

    for (std::size_t i = 0; i < StructureItems.size(); ++i)
        EXPECT_EQ(menus[QLatin1String(StructureItems[i])].enabled, c.enabled[i])
            << StructureItems[i];
    EXPECT_FALSE(menus[QStringLiteral("popEditWidthP")].enabled);
    EXPECT_EQ(f.platform.popupMenus, std::vector<QString>{QStringLiteral("popEdit")});
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EditPopupStates,
    testing::Values(PopupCase{editkind::Dimension, {true, false, true}},
                    PopupCase{editkind::TextLabel, {false, true, true}},
                    PopupCase{editkind::LeaderLine, {false, true, true}},
                    PopupCase{editkind::Defaults, {false, false, false}},
                    PopupCase{"", {false, false, false}}),
    [](const auto &info) {
        return info.param.kind[0] ? std::string(info.param.kind) : std::string("NoKind");
    });

// A leader line right-clicked on the canvas right after a dimension label: the pop-up no longer
// offers the dimension's mirror.
TEST(EditPopup, LeaderLineRightClickedOnTheCanvasOffersDuplicateAndDelete)
{
    EditForm f;
    f.form.runCommand(QStringLiteral("mnuToolLine"));
    f.form.menus[QStringLiteral("popHkdSenNew")].checked = false;
    f.form.menus[QStringLiteral("popHkdSenSelect")].checked = true;
    f.keepLeaderLine(10); // (10, 20) to (30, 40)
    f.form.EditTarget = {QLatin1String(editkind::Dimension), 0};
    f.form.menus[QStringLiteral("popEditRev")].enabled = true;
    f.form.menus[QStringLiteral("popEditDpp")].enabled = false;

    pictMap_MouseDown(f.form.measuring, 2, 20, 30);

    EXPECT_EQ(f.form.EditTarget.kind, QLatin1String(editkind::LeaderLine));
    EXPECT_EQ(f.platform.popupMenus, std::vector<QString>{QStringLiteral("popEdit")});
    EXPECT_FALSE(f.form.menus[QStringLiteral("popEditRev")].enabled);
    EXPECT_TRUE(f.form.menus[QStringLiteral("popEditDpp")].enabled);
    EXPECT_TRUE(f.form.menus[QStringLiteral("popEditDel")].enabled);
}

} // namespace

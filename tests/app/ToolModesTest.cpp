// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartedForm.h"
#include "app/ToolModes.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace {

const std::array<const char *, 4> ToolItems{"mnuToolMes", "mnuToolLine", "mnuToolCmnt",
                                            "mnuPrintEria"};
const std::array<const char *, 8> EditItems{"popEditRev",   "popEditColor",
                                            "popEditFont",  "popEditWidthP",
                                            "popEditStyle", "popEditBorderColor",
                                            "popEditDpp",   "popEditDel"};

struct ToolCase
{
    const char *command;
    std::array<bool, 8> enabled; // in the order of EditItems
};

const ToolCase ToolCases[] = {
    {"mnuToolMes", {true, true, true, true, true, true, false, true}},
    {"mnuToolLine", {false, false, false, true, true, true, true, true}},
    {"mnuToolCmnt", {false, true, true, false, false, false, true, true}},
};

struct ToolForm : StartedForm
{
    ToolForm() { registerToolCommands(form); }

    void expectOnlyChecked(const char *tool) const
    {
        for (const char *item : ToolItems)
            EXPECT_EQ(form.menus[QLatin1String(item)].checked, QLatin1String(item) == tool)
                << item;
    }
    void setEditItems(const std::array<bool, 8> &states)
    {
        for (std::size_t i = 0; i < EditItems.size(); ++i)
            form.menus[QLatin1String(EditItems[i])].enabled = states[i];
    }
    void expectEditItems(const std::array<bool, 8> &states) const
    {
        for (std::size_t i = 0; i < EditItems.size(); ++i)
            EXPECT_EQ(form.menus[QLatin1String(EditItems[i])].enabled, states[i]) << EditItems[i];
    }
};

std::array<bool, 8> inverted(std::array<bool, 8> states)
{
    for (bool &state : states)
        state = !state;
    return states;
}

void PrintTo(const ToolCase &c, std::ostream *os)
{
    *os << c.command;
}

class ToolMode : public testing::TestWithParam<ToolCase>
{
};

TEST_P(ToolMode, ChecksItsItemAloneAndSetsEveryEditItem)
{
    const ToolCase &c = GetParam();
    ToolForm f;
    // Every item starts in the state the mode must change, so a row left out shows.
    f.setEditItems(inverted(c.enabled));
    ASSERT_TRUE(f.form.runCommand(QLatin1String(c.command)));
    f.expectOnlyChecked(c.command);
    f.expectEditItems(c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Modes, ToolMode, testing::ValuesIn(ToolCases),
                         [](const auto &info) { return std::string(info.param.command); });

TEST(ToolModes, PrintAreaAfterLeaderLineKeepsTheLeaderLineStates)
{
    ToolForm f;
    f.form.runCommand(QStringLiteral("mnuToolLine"));
    f.form.runCommand(QStringLiteral("mnuPrintEria"));
    f.expectOnlyChecked("mnuPrintEria");
    f.expectEditItems(ToolCases[1].enabled);
}

TEST(ToolModes, TextToolShowsEveryTextLabelButNotTheTemplate)
{
    ToolForm f;
    AnnotationStore &store = f.form.annotations;
    for (int n = 0; n < 3; ++n)
        ASSERT_TRUE(store.CreateTextLabel().has_value()); // created hidden
    f.form.runCommand(QStringLiteral("mnuToolCmnt"));
    EXPECT_FALSE(store.lblMoji[0].Visible);
    for (int j = 1; j <= 3; ++j)
        EXPECT_TRUE(store.lblMoji[j].Visible) << j;
}

} // namespace

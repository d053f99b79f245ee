// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasurePopup.h"

#include "DimensionConstruction.h"
#include "measure/MeasuringTool.h"

#include <array>
#include <utility>

namespace {

// The extension-line lengths offered, in canvas millimetres, with their menu items.
const std::array<std::pair<const char *, float>, 6> HojoLengths{{
    {"popMesHj05", 5},
    {"popMesHj10", 10},
    {"popMesHj15", 15},
    {"popMesHj20", 20},
    {"popMesHj25", 25},
    {"popMesHj30", 30},
}};

void selectMeasureMode(MeasuringTool &tool, const QString &item)
{
    for (const char *name : {"popMesCancel", "popMesLine", "popMesObjDel"})
        tool.menus[QLatin1String(name)].checked = false;
    tool.menus[item].checked = true;
    tool.live.hideMeasurement();
}

// The live extension lines take the new length at their next placement.
void selectHojoLength(MeasuringTool &tool, float lengthMm)
{
    tool.scale.GE_sngHojoLen = lengthMm;
    checkHojoLength(tool);
}

} // namespace

void checkHojoLength(MeasuringTool &tool)
{
    for (const auto &[name, length] : HojoLengths)
        tool.menus[QLatin1String(name)].checked = length == tool.scale.GE_sngHojoLen;
}

void popMesCancel_Click(MeasuringTool &tool)
{
    selectMeasureMode(tool, QStringLiteral("popMesCancel"));
}

void popMesLine_Click(MeasuringTool &tool)
{
    selectMeasureMode(tool, QStringLiteral("popMesLine"));
}

void popMesPutSen_Click(MeasuringTool &tool)
{
    MenuItem &item = tool.menus[QStringLiteral("popMesPutSen")];
    item.checked = !item.checked;
}

void popMesObjDel_Click(MeasuringTool &tool)
{
    tool.annotations.ClearDimensions();
    tool.live.hideMeasurement();
}

MenuCommands measurePopupCommands(MeasuringTool &tool)
{
    MenuCommands commands;
    commands.push_back({QStringLiteral("popMesCancel"), [&tool] { popMesCancel_Click(tool); }});
    commands.push_back({QStringLiteral("popMesLine"), [&tool] { popMesLine_Click(tool); }});
    commands.push_back({QStringLiteral("popMesPutSen"), [&tool] { popMesPutSen_Click(tool); }});
    commands.push_back({QStringLiteral("popMesObjDel"), [&tool] { popMesObjDel_Click(tool); }});
    for (const auto &[name, length] : HojoLengths) {
        const float mm = length;
        commands.push_back({QLatin1String(name), [&tool, mm] { selectHojoLength(tool, mm); }});
    }
    return commands;
}

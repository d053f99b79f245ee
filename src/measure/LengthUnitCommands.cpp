// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LengthUnitCommands.h"

#include "platform/SettingsWriteFailure.h"
#include "measure/MeasuringTool.h"
#include "measure/DimensionConstruction.h"
#include "measure/LengthUnits.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<const char *, LengthUnit>, 4> UnitItems = {{
    {"mnuUnitCm", LengthUnit::Centimetre},
    {"mnuUnitIn4", LengthUnit::QuarterInch},
    {"mnuUnitIn8", LengthUnit::EighthInch},
    {"mnuUnitFtIn", LengthUnit::FeetAndInches},
}};
const QString RoundUpItem = QStringLiteral("mnuUnitRoundUp");
const QString UncertaintyItem = QStringLiteral("mnuUnitShowError");

// Takes the new style: the menu shows it, a measurement under way shows its length in it, and
// the settings file keeps it for the next start.
void choose(MeasuringTool &tool, const LengthStyle &style)
{
    tool.process.lengthStyle = style;
    showLengthStyle(tool);
    if (tool.live.lineDistance.Visible)
        subDistanceLabels(tool);
    const QString file = tool.process.settingsFile;
    if (!SaveLengthStyle(style, file)) {
        tool.platform.showOk(QStringLiteral("寸法の単位"),
                             choiceNotSaved(QStringLiteral("寸法の単位"), file),
                             platform::MessageIcon::Warning);
    }
}

} // namespace

void showLengthStyle(MeasuringTool &tool)
{
    for (const auto &[name, unit] : UnitItems)
        tool.menus[QLatin1String(name)].checked = tool.process.lengthStyle.unit == unit;
    tool.menus[RoundUpItem].checked = tool.process.lengthStyle.roundUp;
    tool.menus[UncertaintyItem].checked = tool.process.lengthStyle.showUncertainty;
}

MenuCommands lengthUnitCommands(MeasuringTool &tool)
{
    MenuCommands commands;
    for (const auto &[name, unit] : UnitItems) {
        const LengthUnit chosen = unit;
        commands.push_back({QLatin1String(name), [&tool, chosen] {
            LengthStyle style = tool.process.lengthStyle;
            style.unit = chosen;
            choose(tool, style);
        }});
    }
    for (const auto &[item, flag] : {std::pair{RoundUpItem, &LengthStyle::roundUp},
                                     std::pair{UncertaintyItem, &LengthStyle::showUncertainty}}) {
        const auto toggled = flag;
        commands.push_back({item, [&tool, toggled] {
            LengthStyle style = tool.process.lengthStyle;
            style.*toggled = !(style.*toggled);
            choose(tool, style);
        }});
    }
    return commands;
}

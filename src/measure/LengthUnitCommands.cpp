// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LengthUnitCommands.h"

#include "platform/SettingsWriteFailure.h"
#include "app/frmMain.h"
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
void choose(frmMain &form, const LengthStyle &style)
{
    form.process.lengthStyle = style;
    showLengthStyle(form);
    if (form.live.lineDistance.Visible)
        subDistanceLabels(form);
    const QString file = form.process.settingsFile;
    if (!SaveLengthStyle(style, file)) {
        form.platform.showOk(QStringLiteral("寸法の単位"),
                             choiceNotSaved(QStringLiteral("寸法の単位"), file),
                             platform::MessageIcon::Warning);
    }
}

} // namespace

void showLengthStyle(frmMain &form)
{
    for (const auto &[name, unit] : UnitItems)
        form.menus[QLatin1String(name)].checked = form.process.lengthStyle.unit == unit;
    form.menus[RoundUpItem].checked = form.process.lengthStyle.roundUp;
    form.menus[UncertaintyItem].checked = form.process.lengthStyle.showUncertainty;
}

void registerLengthUnitCommands(frmMain &form)
{
    for (const auto &[name, unit] : UnitItems) {
        const LengthUnit chosen = unit;
        form.setCommand(QLatin1String(name), [&form, chosen] {
            LengthStyle style = form.process.lengthStyle;
            style.unit = chosen;
            choose(form, style);
        });
    }
    for (const auto &[item, flag] : {std::pair{RoundUpItem, &LengthStyle::roundUp},
                                     std::pair{UncertaintyItem, &LengthStyle::showUncertainty}}) {
        const auto toggled = flag;
        form.setCommand(item, [&form, toggled] {
            LengthStyle style = form.process.lengthStyle;
            style.*toggled = !(style.*toggled);
            choose(form, style);
        });
    }
}

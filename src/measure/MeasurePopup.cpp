// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasurePopup.h"

#include "DimensionConstruction.h"
#include "app/frmMain.h"

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

void selectMeasureMode(frmMain &form, const QString &item)
{
    for (const char *name : {"popMesCancel", "popMesLine", "popMesObjDel"})
        form.menus[QLatin1String(name)].checked = false;
    form.menus[item].checked = true;
    form.live.hideMeasurement();
}

// The live extension lines take the new length at their next placement.
void selectHojoLength(frmMain &form, float lengthMm)
{
    form.process.GE_sngHojoLen = lengthMm;
    checkHojoLength(form);
}

} // namespace

void checkHojoLength(frmMain &form)
{
    for (const auto &[name, length] : HojoLengths)
        form.menus[QLatin1String(name)].checked = length == form.process.GE_sngHojoLen;
}

void popMesCancel_Click(frmMain &form)
{
    selectMeasureMode(form, QStringLiteral("popMesCancel"));
}

void popMesLine_Click(frmMain &form)
{
    selectMeasureMode(form, QStringLiteral("popMesLine"));
}

void popMesPutSen_Click(frmMain &form)
{
    MenuItem &item = form.menus[QStringLiteral("popMesPutSen")];
    item.checked = !item.checked;
}

void popMesObjDel_Click(frmMain &form)
{
    form.annotations.ClearDimensions();
    form.live.hideMeasurement();
}

void registerMeasurePopupCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("popMesCancel"), [&form] { popMesCancel_Click(form); });
    form.setCommand(QStringLiteral("popMesLine"), [&form] { popMesLine_Click(form); });
    form.setCommand(QStringLiteral("popMesPutSen"), [&form] { popMesPutSen_Click(form); });
    form.setCommand(QStringLiteral("popMesObjDel"), [&form] { popMesObjDel_Click(form); });
    for (const auto &[name, length] : HojoLengths) {
        const float mm = length;
        form.setCommand(QLatin1String(name), [&form, mm] { selectHojoLength(form, mm); });
    }
}

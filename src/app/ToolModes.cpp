// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolModes.h"

#include "frmMain.h"
#include "measure/PointerEvents.h"

#include <array>

namespace {

const std::array<const char *, 4> ToolItems{"mnuToolMes", "mnuToolLine", "mnuToolCmnt",
                                            "mnuPrintEria"};

// Which edit pop-up items each drawing mode offers: the measure tool edits dimensions (label and
// lines), the leader-line tool lines only, the text tool labels only. Dimensions are never
// duplicated.
struct EditItemStates
{
    const char *item;
    bool measure;
    bool leaderLine;
    bool text;
};

const std::array<EditItemStates, 8> EditItemTable{{
    {"popEditRev", true, false, false},
    {"popEditColor", true, false, true},
    {"popEditFont", true, false, true},
    {"popEditWidthP", true, true, false},
    {"popEditStyle", true, true, false},
    {"popEditBorderColor", true, true, false},
    {"popEditDpp", false, true, true},
    {"popEditDel", true, true, true},
}};

enum class DrawingMode { Measure, LeaderLine, Text };

void selectTool(frmMain &form, const char *toolItem)
{
    abandonMeasurement(form.measuring);
    ClearToolChecks(form);
    form.menus[QLatin1String(toolItem)].checked = true;
}

void selectDrawingMode(frmMain &form, const char *toolItem, DrawingMode mode)
{
    selectTool(form, toolItem);
    for (const EditItemStates &row : EditItemTable) {
        const bool enabled = mode == DrawingMode::Measure      ? row.measure
                             : mode == DrawingMode::LeaderLine ? row.leaderLine
                                                               : row.text;
        form.menus[QLatin1String(row.item)].enabled = enabled;
    }
}

} // namespace

void ClearToolChecks(frmMain &form)
{
    for (const char *item : ToolItems)
        form.menus[QLatin1String(item)].checked = false;
}

void mnuToolMes_Click(frmMain &form)
{
    selectDrawingMode(form, "mnuToolMes", DrawingMode::Measure);
}

void mnuToolLine_Click(frmMain &form)
{
    selectDrawingMode(form, "mnuToolLine", DrawingMode::LeaderLine);
}

void mnuToolCmnt_Click(frmMain &form)
{
    selectDrawingMode(form, "mnuToolCmnt", DrawingMode::Text);
    AnnotationCollection<AnnotationLabel> &labels = form.annotations.lblMoji;
    for (int j = 1; j <= labels.UBound(); ++j)
        labels[j].Visible = true;
}

void mnuPrintEria_Click(frmMain &form)
{
    selectTool(form, "mnuPrintEria");
}

void registerToolCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuToolMes"), [&form] { mnuToolMes_Click(form); });
    form.setCommand(QStringLiteral("mnuToolLine"), [&form] { mnuToolLine_Click(form); });
    form.setCommand(QStringLiteral("mnuToolCmnt"), [&form] { mnuToolCmnt_Click(form); });
    form.setCommand(QStringLiteral("mnuPrintEria"), [&form] { mnuPrintEria_Click(form); });
}

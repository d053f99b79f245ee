// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextAndLeaderPopups.h"

#include "annotations/AnnotationEditing.h"

namespace {

// Checks `chosen` and unchecks its partner.
void selectSubMode(AnnotationEditing &edit, const char *chosen, const char *partner)
{
    edit.menus[QLatin1String(partner)].checked = false;
    edit.menus[QLatin1String(chosen)].checked = true;
}

} // namespace

void popMojiNew_Click(AnnotationEditing &edit)
{
    selectSubMode(edit, "popMojiNew", "popMojiSelect");
}

void popMojiSelect_Click(AnnotationEditing &edit)
{
    selectSubMode(edit, "popMojiSelect", "popMojiNew");
}

void popMojiAllClr_Click(AnnotationEditing &edit)
{
    edit.annotations.ClearTextLabels();
}

void popHkdSenNew_Click(AnnotationEditing &edit)
{
    selectSubMode(edit, "popHkdSenNew", "popHkdSenSelect");
}

void popHkdSenSelect_Click(AnnotationEditing &edit)
{
    selectSubMode(edit, "popHkdSenSelect", "popHkdSenNew");
}

void popHkdSenAllClr_Click(AnnotationEditing &edit)
{
    edit.annotations.ClearLeaderLines();
}

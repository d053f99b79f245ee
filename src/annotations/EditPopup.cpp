// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditPopup.h"

#include "annotations/EditTarget.h"
#include "annotations/AnnotationEditing.h"

namespace {

struct StructureItems
{
    bool mirror; // popEditRev
    bool duplicate; // popEditDpp
    bool remove; // popEditDel
};

StructureItems offeredFor(EditKind kind)
{
    switch (kind) {
    case EditKind::Dimension: return {true, false, true};
    case EditKind::TextLabel:
    case EditKind::LeaderLine: return {false, true, true};
    case EditKind::Defaults:
    case EditKind::Unknown: break;
    }
    return {false, false, false};
}

} // namespace

void showEditPopup(AnnotationEditing &edit)
{
    const StructureItems items = offeredFor(editKind(edit));
    edit.menus[QStringLiteral("popEditRev")].enabled = items.mirror;
    edit.menus[QStringLiteral("popEditDpp")].enabled = items.duplicate;
    edit.menus[QStringLiteral("popEditDel")].enabled = items.remove;
    edit.platform.showPopupMenu(QStringLiteral("popEdit"));
}

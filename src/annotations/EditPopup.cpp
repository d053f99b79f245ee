#include "EditPopup.h"

#include "annotations/EditTarget.h"
#include "app/frmMain.h"

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

void showEditPopup(frmMain &form)
{
    const StructureItems items = offeredFor(editKind(form));
    form.menus[QStringLiteral("popEditRev")].enabled = items.mirror;
    form.menus[QStringLiteral("popEditDpp")].enabled = items.duplicate;
    form.menus[QStringLiteral("popEditDel")].enabled = items.remove;
    form.platform.showPopupMenu(QStringLiteral("popEdit"));
}

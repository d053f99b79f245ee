// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditCommands.h"

#include "annotations/ColorAndFontCommands.h"
#include "annotations/LookCommands.h"
#include "annotations/StructureCommands.h"
#include "annotations/TextAndLeaderPopups.h"
#include "app/frmMain.h"

namespace {

// The highest width and style item indices; the width menu skips some numbers (6P, 8P).
constexpr int HighestWidthItem = 9;
constexpr int HighestStyleItem = 5;

} // namespace

void registerEditCommands(frmMain &form)
{
    frmMain *f = &form;
    form.setCommand(QStringLiteral("popEditRev"), [f] { popEditRev_Click(f->editing); });
    form.setCommand(QStringLiteral("popEditForColor"),
                    [f] { popEditColor_Click(f->editing, ColourUse::Text); });
    form.setCommand(QStringLiteral("popEditBackColor"),
                    [f] { popEditColor_Click(f->editing, ColourUse::Back); });
    form.setCommand(QStringLiteral("popEditBorderColor"),
                    [f] { popEditColor_Click(f->editing, ColourUse::Line); });
    for (int b : {0, 1}) {
        form.setCommand(QStringLiteral("popBackStyle%1").arg(b),
                        [f, b] { popBackStyle_Click(f->editing, b); });
        form.setCommand(QStringLiteral("popBorderStyle%1").arg(b),
                        [f, b] { popBorderStyle_Click(f->editing, b); });
    }
    form.setCommand(QStringLiteral("popEditFont"), [f] { popEditFont_Click(f->editing); });
    // An item's index is its width in pixels.
    for (int w = 1; w <= HighestWidthItem; ++w) {
        const QString item = QStringLiteral("popEditWidth(%1)").arg(w);
        if (form.menus.find(item))
            form.setCommand(item, [f, w] { popEditWidth_Click(f->editing, w); });
    }
    for (int s = 1; s <= HighestStyleItem; ++s)
        form.setCommand(QStringLiteral("popEditStyle%1").arg(s),
                        [f, s] { popEditStyle_Click(f->editing, s); });
    form.setCommand(QStringLiteral("popEditDpp"), [f] { popEditDpp_Click(f->editing); });
    form.setCommand(QStringLiteral("popEditDel"), [f] { popEditDel_Click(f->editing); });
}

void registerTextAndLeaderCommands(frmMain &form)
{
    const struct
    {
        const char *item;
        void (*command)(AnnotationEditing &);
    } commands[] = {
        {"popMojiNew", popMojiNew_Click},
        {"popMojiSelect", popMojiSelect_Click},
        {"popMojiAllClr", popMojiAllClr_Click},
        {"popHkdSenNew", popHkdSenNew_Click},
        {"popHkdSenSelect", popHkdSenSelect_Click},
        {"popHkdSenAllClr", popHkdSenAllClr_Click},
    };
    AnnotationEditing &edit = form.editing;
    for (const auto &[item, command] : commands)
        form.setCommand(QLatin1String(item), [&edit, command = command] { command(edit); });
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayToggles.h"

#include "app/frmMain.h"

namespace {

constexpr int PanelBoxWidth = 73;
constexpr int PanelGap = 2;

} // namespace

void mnuDispAxis_Click(frmMain &form)
{
    MenuItem &item = form.menus[QStringLiteral("mnuDispAxis")];
    if (item.checked) {
        item.checked = false;
        for (TextBox &box : form.txtPict)
            box.Visible = false;
        return;
    }
    item.checked = true;
    TextBox *boxes = form.txtPict;
    boxes[0].Width = 0;
    const QString tips[] = {QString(), QStringLiteral("X mm"), QStringLiteral("Y mm"),
                            QStringLiteral("角度"), QStringLiteral("距離・寸法")};
    for (int i = 1; i <= 4; ++i) {
        boxes[i].Width = PanelBoxWidth;
        boxes[i].Left = boxes[i - 1].Left + boxes[i - 1].Width + PanelGap;
    }
    for (int i = 0; i <= 4; ++i)
        boxes[i].ToolTipText = tips[i];
    for (int i = 1; i <= 4; ++i)
        boxes[i].Visible = true;
}

void mnuDspDefault_Click(frmMain &form)
{
    MenuItem &item = form.menus[QStringLiteral("mnuDspDefault")];
    item.checked = !item.checked;
    form.defaults.lblDefault.Visible = item.checked;
    form.defaults.linDefault.Visible = item.checked;
}

void registerDisplayToggleCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuDispAxis"), [&form] { mnuDispAxis_Click(form); });
    form.setCommand(QStringLiteral("mnuDspDefault"), [&form] { mnuDspDefault_Click(form); });
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

class frmMain;

struct ToolbarButton
{
    QString key;
    QString toolTip;
};

// The toolbar's buttons from left to right.
const std::vector<ToolbarButton> &toolbarButtons();

// Routes a toolbar button by its key. Every button first clears the zoom check marks and hides
// the live measurement.
void Toolbar1_ButtonClick(frmMain &form, const QString &key);

// "ヘルプ" and "バージョン情報" of the help menu.
void registerHelpCommands(frmMain &form);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class frmMain;

// "座標データ表示": shows or hides the pointer, angle and length boxes above the view.
void mnuDispAxis_Click(frmMain &form);

// "デフォルト": shows or hides the sample of the default look.
void mnuDspDefault_Click(frmMain &form);

void registerDisplayToggleCommands(frmMain &form);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class frmMain;

// The tool mode is the check mark of one of the four tool menu items "測定ツール",
// "引き出し線", "文字列" and "画像印刷範囲"; no item checked means the scale option dialog has
// the canvas. Each mode also decides which items of the edit pop-up are offered.

// Unchecks all four tool items.
void ClearToolChecks(frmMain &form);

void mnuToolMes_Click(frmMain &form);
void mnuToolLine_Click(frmMain &form);
// Also shows every text label, so that hidden ones can be found and edited.
void mnuToolCmnt_Click(frmMain &form);
// The edit pop-up keeps the states the previous mode gave it.
void mnuPrintEria_Click(frmMain &form);

void registerToolCommands(frmMain &form);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class frmMain;

// Adds the command of every item of the edit pop-up "p編集": mirror, the three colours, back
// and border style, font, the line widths and styles, duplicate and delete. Each acts on the
// object EditTarget names; showEditPopup (EditPopup.h) opens the pop-up.
void registerEditCommands(frmMain &form);

// The text tool's pop-up "p文字列" and the leader tool's "p引き出し線": new or select, and
// clear all.
void registerTextAndLeaderCommands(frmMain &form);

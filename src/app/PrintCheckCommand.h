// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class frmMain;

// "印刷の実寸チェック" of the file menu: the dialog, modal, loaded afresh.
void registerPrintCheckCommand(frmMain &form);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class frmMain;

// The zoom menu group (with "画面上で実物大", which first offers an unmeasured screen its
// self-check).
void registerViewCommands(frmMain &form);

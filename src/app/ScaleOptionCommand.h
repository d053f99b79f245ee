// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class frmMain;

// "ｵﾌﾟｼｮﾝ(&T)....": no tool is checked while the scale option dialog is open, so the canvas
// measures the reference line. The dialog is loaded from the scale values on first showing.
void mnuToolOpt_Click(frmMain &form);

// Closes the scale option dialog if it is loaded (OK, the title bar, New and Open): the main
// window leaves the calibration mode, the desktop closes the dialog and the model is released
// once control is back in the event loop, so this is safe from inside the dialog's own handlers.
void unloadOptionDialog(frmMain &form);

void registerOptionCommands(frmMain &form);

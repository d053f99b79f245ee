// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class frmMain;

// The paper on the window's canvas.

// Sizes the canvas and the paper frame for a paper code and shows it in the status caption. A code
// not in the table becomes "A4"; "00" is the picture's size at actual size.
void subSetPaper(frmMain &form, const QString &code);

// The canvas covers the paper and the picture as displayed, whichever reaches further, so every
// part of the picture can be seen and measured; the scroll bars follow.
void sizeCanvasToPaper(frmMain &form);

// "用紙サイズ....": the paper size dialog, then the frame and print area laid out at actual size.
void mnuSize_Click(frmMain &form);

void registerPaperCommands(frmMain &form);

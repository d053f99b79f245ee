// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

class frmMain;
struct LiveObjects;

// The paper frame on the canvas, the print area inside it and the four masks around that.

// Sizes the canvas and the paper frame for a paper code and shows it in the status caption. A code
// not in the table becomes "A4"; "00" is the picture's size at actual size.
void subSetPaper(frmMain &form, const QString &code);
// The paper frame's size for a paper code, in millimetres; "00" is the picture (pictureMm at
// 100 %) at the actual size of the ratio; nothing for a code not in the table.
std::optional<QSizeF> paperFrameMmFor(const QString &code, QSizeF pictureMm, double ratio);

// The default-style sample names the paper: "画像サイズ" for "00", else the code.
void showPaperCaption(frmMain &form, const QString &code);

// The canvas covers the paper and the picture as displayed, whichever reaches further, so every
// part of the picture can be seen and measured; the scroll bars follow.
void sizeCanvasToPaper(frmMain &form);

// The print area 5 mm inside the paper frame, shown with its masks.
void subResetPrintArea(frmMain &form);

// Places the four masks around the current print area.
void subPlaceMasks(frmMain &form);

// The print area the user drew, in millimetres at 100 %, from the live objects laid out for
// layoutZoom; nothing while it is the one laid out by default.
std::optional<QRectF> ownPrintAreaMm(const LiveObjects &live, float layoutZoom);

// Puts back a print area kept in the record book (millimetres at 100 %), cut to the canvas, and
// places its masks. False, with the print area as it was, when it does not start on the canvas.
bool restorePrintArea(frmMain &form, const QRectF &areaMm);

// "用紙サイズ....": the paper size dialog, then the frame and print area laid out at actual size.
void mnuSize_Click(frmMain &form);

// The entries of the paper size dialog; an entry's code is its first two characters.
const QStringList &paperSizeEntries();

void registerPaperCommands(frmMain &form);

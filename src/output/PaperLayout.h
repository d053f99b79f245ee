// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

struct AnnotationLabel;
struct LiveObjects;

// The paper frame on the canvas, the print area inside it and the four masks around that.

// The paper frame's size for a paper code, in millimetres; "00" is the picture (pictureMm at
// 100 %) at the actual size of the ratio; nothing for a code not in the table.
std::optional<QSizeF> paperFrameMmFor(const QString &code, QSizeF pictureMm, double ratio);

// Gives the paper frames that size, in canvas millimetres at the zoom in force.
void placePaperFrame(LiveObjects &live, QSizeF paperMm);

// The default-style sample names the paper: "画像サイズ" for "00", else the code.
void showPaperCaption(AnnotationLabel &sample, const QString &code);

// The print area 5 mm inside the paper frame, shown with its masks.
void subResetPrintArea(LiveObjects &live, platform::Platform &platform);

// Places the four masks around the current print area.
void subPlaceMasks(LiveObjects &live, platform::Platform &platform);

// The print area the user drew, in millimetres at 100 %, from the live objects laid out for
// layoutZoom; nothing while it is the one laid out by default.
std::optional<QRectF> ownPrintAreaMm(const LiveObjects &live, float layoutZoom);

// Puts back a print area kept in the record book (millimetres at 100 %), cut to the canvas of
// canvasPx pixels laid out for layoutZoom, and places its masks. False, with the print area as it
// was, when it does not start on the canvas.
bool restorePrintArea(LiveObjects &live, platform::Platform &platform, QSizeF canvasPx,
                      float layoutZoom, const QRectF &areaMm);

// The entries of the paper size dialog; an entry's code is its first two characters.
const QStringList &paperSizeEntries();

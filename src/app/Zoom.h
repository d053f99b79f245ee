// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "view/ZoomRatios.h"

#include <QPointF>
#include <QString>

class frmMain;

// Redraws the picture at zoom z and lays out everything that depends on the zoom: the annotations,
// the canvas (the paper frame at this zoom), the window and the scroll bars. A failing step shows
// the zoom error and the next step runs all the same.
void ApplyZoom(frmMain &form, float z);

// Shows a scroll bar when the canvas is at least as large as the view in its direction.
void UpdateScrollBars(frmMain &form);

// Clears the check marks of the zoom menu and hides the live measurement, unless one is open:
// a measurement survives a zoom, its start rescaled with everything else.
void ResetViewChecks(frmMain &form);

// "画面上で実物大" at the screen the window is on, as measured (else as it reports), keeping the
// centre of the view; the caller checks the menu item.
void zoomToRealSizeOnScreen(frmMain &form);

// The toolbar's zoom steps; the caller has already run ResetViewChecks. Each keeps the canvas
// point at the centre of the view where it was, as far as the scroll bars reach.
void zoomToLoadedSize(frmMain &form); // "modosu"
void zoomOut(frmMain &form);          // "reduce"
void zoomIn(frmMain &form);           // "magnify"
void zoomToActualSize(frmMain &form); // "genn"
// The whole canvas in the view, as large as the toolbar's steps allow: "画面に合わせる".
void zoomToFit(frmMain &form);
// The same with its menu item checked, for a canvas larger than the view alone: a new photo
// opens whole, its ruler in sight.
void zoomOutToFit(frmMain &form);

// Ctrl + wheel: `steps` toolbar steps (negative zooms out) about a point of the view, in view
// pixels: the canvas point under it stays under it.
void zoomAtPoint(frmMain &form, int steps, QPointF viewPoint);

// The zoom as the window shows it: "125 %", and at the record book's actual size "原寸大" too;
// at "画面上で実物大", while the zoom still is the real size on the window's screen, "実物大";
// "未校正" instead of either until a reference has set the ratio.
QString zoomReadout(const frmMain &form);

// Zooms to z, keeping the canvas point at the centre of the view where it was, as far as the
// scroll bars reach.
void zoomKeepingTheCentre(frmMain &form, float z);
// A command of the zoom menu checks its own item alone.
void checkZoomItem(frmMain &form, const QString &item);

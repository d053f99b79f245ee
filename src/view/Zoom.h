#pragma once

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

// The zoom at which one canvas millimetre is one real millimetre: the record book's ratio, kept
// within what the canvas can show (a damaged book's zero or absurd ratio shows at 100 %).
float actualSizeZoom(double ratio);

// The toolbar's zoom steps; the caller has already run ResetViewChecks. Each keeps the canvas
// point at the centre of the view where it was, as far as the scroll bars reach.
void zoomToLoadedSize(frmMain &form); // "modosu"
void zoomOut(frmMain &form);          // "reduce"
void zoomIn(frmMain &form);           // "magnify"
void zoomToActualSize(frmMain &form); // "genn"
// The whole canvas in the view, as large as the toolbar's steps allow: "画面に合わせる".
void zoomToFit(frmMain &form);

// Ctrl + wheel: `steps` toolbar steps (negative zooms out) about a point of the view, in view
// pixels: the canvas point under it stays under it.
void zoomAtPoint(frmMain &form, int steps, QPointF viewPoint);

// The zoom as the window shows it: "125 %", and at the record book's actual size "原寸大" too.
QString zoomReadout(const frmMain &form);

// The zoom menu group, "座標データ表示" and "デフォルト".
void registerViewCommands(frmMain &form);

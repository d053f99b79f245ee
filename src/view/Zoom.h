#pragma once

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

// The toolbar's zoom steps; the caller has already run ResetViewChecks.
void zoomToLoadedSize(frmMain &form); // "modosu"
void zoomOut(frmMain &form);          // "reduce"
void zoomIn(frmMain &form);           // "magnify"
void zoomToActualSize(frmMain &form); // "genn"

// The zoom menu group, "座標データ表示" and "デフォルト".
void registerViewCommands(frmMain &form);

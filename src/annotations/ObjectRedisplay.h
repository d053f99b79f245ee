#pragma once

class frmMain;

// Re-lays every annotation out for the zoom now in force: geometry and label fonts are multiplied
// by ZoomFactor / LayoutZoom about the canvas origin and the dimension end markers are centred on
// their line ends again. A failure stops it with a message; what was done stays done.
void subDisp_Object(frmMain &form);

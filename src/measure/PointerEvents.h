// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct MeasuringTool;

// The canvas's three pointer events. Button: 1 left, 2 right (a move reports the buttons held as
// a mask, 0 for none); X and Y in canvas millimetres. Ctrl, Shift and Space come from the live
// keyboard state. X and Y may be snapped, and every later step of the event uses the snapped
// point.
void pictMap_MouseDown(MeasuringTool &tool, int Button, float X, float Y);
void pictMap_MouseMove(MeasuringTool &tool, int Button, float X, float Y);
void pictMap_MouseUp(MeasuringTool &tool, int Button, float X, float Y);

// A leader line still being drawn (its button not yet released) is dropped: the spare it was
// drawn on is hidden again. A save, New, Open and a right-click call it first, so that nothing
// half drawn is ever written.
void dropUnfinishedStroke(MeasuringTool &tool);

// A measurement or reference line still open ends without being kept, its live lines hidden:
// another tool, the option dialog and Esc end it so.
void abandonMeasurement(MeasuringTool &tool);

// Esc, undo and redo: whatever is being drawn on the canvas is dropped, and a label being
// dragged stays where it is.
void cancelDrawing(MeasuringTool &tool);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What the canvas's three pointer events share between them: the open measurements and the
// leader line being dragged.
struct CanvasState
{
    bool DimMeasuring = false; // a dimension measurement started and not finished
    bool DimMoved = false;     // the pointer moved with no button held since it started
    bool RefMeasuring = false; // the same for the reference line of the option dialog
    bool RefMoved = false;
    bool PrintAreaDrawn = false; // a print area being drawn, its button held
    // What a select-mode press grabbed: -1 nothing, 0 or 3 a line's body, 1 its start, 2 its end.
    std::int16_t LeaderGrab = -1;
    std::int16_t SelectedLeader = 0;
    float DragAnchorX = 0; // pointer at the previous step of a body drag
    float DragAnchorY = 0;
};

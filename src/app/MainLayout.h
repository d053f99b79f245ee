// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/Viewport.h"

#include <QRect>
#include <QSize>

// The main window is laid out in code: a minimum size, the view container under the 45-pixel
// toolbar strip, and the two scroll bars along its right and bottom edges. Everything in pixels.

enum class WindowState { Normal, Minimized, Maximized };

// What the window system tells about its frame and bars.
struct WindowMetrics
{
    int verticalScrollBarWidth = 16;
    int verticalScrollArrowHeight = 16; // used as the horizontal bar's height
    int sizingFrameWidth = 0;
    int sizingFrameHeight = 0;
    int captionHeight = 0;
    int menuBarHeight = 0;
};
inline constexpr int ToolbarStripHeight = 45;
inline constexpr QSize MinimumWindowSize{320, 240};

struct MainLayout
{
    bool laidOut = false;  // false when the window is minimised: nothing below changed
    QSize outerSize;       // the window's outer size after the minimum was enforced
    QRect pictWindow;      // the view container, in client pixels below the menu bar
};

// Lays the window out. canvasSize is the canvas (`pictMap`) in pixels; the scroll bars' geometry,
// maxima and steps are written into vscY and hscX, their values and visibility left alone.
MainLayout Form_Resize(WindowState state, QSize outerSize, const WindowMetrics &metrics,
                       QSizeF canvasSize, ScrollBarState &vscY, ScrollBarState &hscX);

// The scroll maximum for a canvas extent in a view extent, rounded halves to even.
int scrollMaximum(double canvasExtent, int viewExtent);

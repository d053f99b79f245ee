// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSizeF>

// A scroll bar of the view: where it sits, its range and position, whether it shows.
struct ScrollBarState
{
    QRect geometry;
    int Value = 0;
    int Max = 0;
    int SmallChange = 10;
    int LargeChange = 50;
    bool Visible = false;
};

// How the window shows the canvas: the zoom, the scroll bars and the canvas's size in pixels,
// with the picture's place on it.
struct Viewport
{
    float ZoomFactor = 1.0f; // the zoom the canvas shows
    float LayoutZoom = 1.0f; // the zoom the annotations are laid out for
    ScrollBarState vscY;
    ScrollBarState hscX;
    QSizeF pictMapPx;               // the canvas in pixels: the paper frame at the current zoom
    bool pictMapHasPicture = false; // the picture is painted on it
    QSizeF pictureOnCanvasMm;       // where the picture is painted: (0, 0) stretched to this size
    // The picture's size in canvas millimetres at the zoom, in single precision as the page
    // places it.
    float CanvasWidthMm = 0;
    float CanvasHeightMm = 0;
};

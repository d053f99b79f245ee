// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationStore.h"

#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

class PicturePainter;
class QPainter;

// How large labels print. By default at the size they have at the actual-size zoom, as the canvas
// shows them there: the text shrinks with the picture, and on a photograph of many pixels it can
// become too small to read. Else each label at its own point size, the size it has at 100 %.
enum class TextSize { FollowsPicture, OwnPoints };

// What goes on paper: the picture and the kept annotations inside the print area, all in canvas
// millimetres at the actual-size zoom, where one canvas millimetre is one real millimetre along
// the tilt line; `toPaper` (a paperFrame) takes them to millimetres on paper.
struct PageScene
{
    const AnnotationStore &annotations;
    const QImage *picture = nullptr; // null: annotations only
    QSizeF pictureMm;                // the picture is drawn at (0, 0) stretched to this size
    QRectF printAreaMm;              // nothing outside it is ever seen
    QTransform toPaper;
    float labelZoom = 1; // the zoom the labels stand at: their own size is FontSize / labelZoom
    TextSize textSize = TextSize::FollowsPicture;
};

// The print area as it lies on paper, and the rectangle around it: what the paper must hold.
QPolygonF printAreaOnPaper(const PageScene &scene);
QRectF printAreaBoundsOnPaper(const PageScene &scene);

// The kinds of annotation the user chose to print. A comment prints under its dimension's label,
// so comments need dimensions.
struct PageKinds
{
    bool dimensions = false;
    bool comments = false;
    bool leaders = false;
    bool texts = false;

    static constexpr PageKinds all() { return {true, true, true, true}; }
    bool operator==(const PageKinds &) const = default;
};

// How line widths reach the device. On a printer a 1-pixel line is one printer dot and a wider
// one four dots a pixel; a bitmap keeps the widths the screen shows.
enum class PagePens { PrinterDots, ScreenPixels };

struct PageStyle
{
    double dotsPerMm = 600 / 25.4; // device units per millimetre
    PagePens pens = PagePens::PrinterDots;
    PageKinds kinds;
    OleColor markerFill = rgb(0, 0, 0); // end circles of dimension lines
    // A bitmap reuses the reduced copy the screen already made; paper gets the picture's own
    // pixels, never resampled down.
    PicturePainter *picturePainter = nullptr;
};

// Draws the picture and the chosen annotations onto a painter that works in device units with
// the paper's origin at (0, 0): extension lines, dimension lines with their end circles, leader
// lines, dimension labels with their comments, text labels. Labels print their caption alone at
// their top-left corner, in their font at its point size. Nothing is drawn outside the print
// area, which stays as it was (white on paper).
void renderPage(QPainter &painter, const PageScene &scene, const PageStyle &style);

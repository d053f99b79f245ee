// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

// A print area larger than the page, printed at actual size over several sheets. Each sheet
// shows a part of the canvas as large as the page less a strip along its bottom (the strip
// carries the sheet's label and a 100 mm check bar, outside the picture). Neighbouring parts
// share an overlap, which both sheets print alike with the same cut and alignment marks.

inline constexpr double SheetStripMm = 14;
inline constexpr double DefaultOverlapMm = 10;
// No more sheets than this are printed or written: a whole B0 print area on A5 takes 72.
inline constexpr int MostSheets = 300;

struct TilePlan
{
    QRectF areaMm;    // the rectangle around the print area on paper
    QSizeF sheetMm;   // the page in the orientation chosen, as far as it is printed on
    double overlapMm = DefaultOverlapMm;
    int rows = 1;
    int columns = 1;

    qint64 count() const { return qint64(rows) * columns; }
    bool landscape() const { return sheetMm.width() > sheetMm.height(); }
    // The size of the canvas part a sheet shows.
    QSizeF partSizeMm() const { return {sheetMm.width(), sheetMm.height() - SheetStripMm}; }
    // The canvas part sheet (row, column) shows, both counted from 0. The parts of the last
    // row and column may reach past the print area.
    QRectF partMm(int row, int column) const;
};

// A page lying down: the long side across.
inline QSizeF lyingDown(QSizeF pageMm)
{
    return pageMm.width() >= pageMm.height() ? pageMm : pageMm.transposed();
}

// The fewest sheets of `pageMm` (in either orientation; landscape when both need as many)
// that cover `areaMm` with the given overlap. Nothing when the page leaves no room for it: a
// part no larger than the overlap, or a page lower than the strip.
std::optional<TilePlan> planTiles(const QRectF &areaMm, const QSizeF &pageMm, double overlapMm);

// What the user is told when the plan has more than MostSheets sheets; nothing when it has not.
std::optional<QString> tooManySheetsText(const TilePlan &plan);

// What sheet (row, column) says of itself: "2/6  行1 列2", counted from 1 along the rows.
QString sheetLabel(const TilePlan &plan, int row, int column);

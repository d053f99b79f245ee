// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

// Measuring what a printed page really holds: a PDF page rendered by poppler's pdftoppm, or a
// bitmap, read back in millimetres.

// A part of a page of a PDF file (cropMm, from the page's top-left corner; empty: the whole
// page; pages counted from 1) as a grey image at `dpi`, without anti-aliasing. Null when pdftoppm
// fails.
QImage renderPdfPage(const QString &pdf, int dpi, const QRectF &cropMm = {}, int page = 1);

// The page size in points (1/72 inch) as the PDF file states it, and its number of pages.
std::optional<QSizeF> pdfPageSizePoints(const QString &pdf);
int pdfPageCount(const QString &pdf);

// Where a round mark (an end circle of a dimension line) sits, in pixels of the image: the
// middle of the columns and of the rows in which at least `minimumDark` pixels are dark, in
// the image's left or right half. A line through the mark thinner than minimumDark is ignored.
std::optional<QPointF> markCentre(const QImage &image, bool rightHalf, int minimumDark);

// The centres of the round dark marks `diameter` pixels across, in pixels from the image's
// top-left corner: the places a dark square half as wide as the mark fits, grouped, and kept where
// a group is no larger than a mark. Lines and text strokes thinner than the square vanish; the
// thick strokes of a large letter leave groups far longer than a mark. The groups of a round
// mark are as round as the mark, so their middle is its centre, whatever line runs through it.
std::vector<QPointF> roundMarks(const QImage &image, double diameter);

// The dark pixels of one column, counted from the first dark one to the last.
int darkSpan(const QImage &image, int column);
// The smallest rectangle holding every dark pixel; empty when there is none.
QRect darkBounds(const QImage &image);

bool isDark(QRgb pixel);

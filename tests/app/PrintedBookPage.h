// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

// A page of the calibrated record book as a printer delivered it, read back in the book's own
// millimetres. A printer puts the page where its printable area starts and may turn it by quarter
// turns; the two end circles of the kept dimension fix where the book lies, and the wide leader
// line below the dimension tells its left end from its right.
class PrintedBookPage
{
public:
    // Null when the first page of the PDF file does not show the dimension's two end circles.
    static std::optional<PrintedBookPage> find(const QString &pdf);

    // The distance between the centres of the end circles.
    double dimensionLengthMm() const;
    // The paper as the book lies on it: its width runs along the dimension.
    QSizeF paperMm() const { return m_paperMm; }
    // A part of the book (real millimetres, where CalibratedBook places things) as an upright
    // image at `dpi`, rendered as renderPdfPage does.
    QImage render(const QRectF &bookMm, int dpi) const;

private:
    QString m_pdf;
    QPointF m_leftMm, m_rightMm; // the end circles' centres, from the page's top-left corner
    int m_quarterTurns = 0;      // how far the book is turned clockwise on the page
    QSizeF m_paperMm;
};

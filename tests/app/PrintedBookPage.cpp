// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintedBookPage.h"

#include "CalibratedBook.h"
#include "PageMeasure.h"

#include <QTransform>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using Book = CalibratedBook;

// The whole page is searched coarsely; each end circle is then centred on a small, fine render.
constexpr int SearchDpi = 254;
constexpr int CentreDpi = 1016;

double pixelsPerMm(int dpi)
{
    return dpi / 25.4;
}

// The centre of the one end circle near `roughMm` on the page, from a fine render around it.
std::optional<QPointF> centreNear(const QString &pdf, QPointF roughMm)
{
    const double scale = pixelsPerMm(CentreDpi);
    const double reach = 1.5 * Book::MarkerDiameter;
    // Whole pixels, so the window's corner on the page is known exactly.
    const int left = int(std::floor((roughMm.x() - reach) * scale));
    const int top = int(std::floor((roughMm.y() - reach) * scale));
    const int size = int(std::ceil(2 * reach * scale));
    const QRectF windowMm(left / scale, top / scale, size / scale, size / scale);
    const QImage window = renderPdfPage(pdf, CentreDpi, windowMm);
    const std::vector<QPointF> marks = roundMarks(window, Book::MarkerDiameter * scale);
    if (marks.size() != 1)
        return std::nullopt;
    return (QPointF(left, top) + marks.front()) / scale;
}

// Book millimetres to page millimetres, with the dimension's left end at `leftMm`.
QTransform bookToPage(QPointF leftMm, int quarterTurns)
{
    QTransform transform;
    transform.translate(leftMm.x(), leftMm.y());
    transform.rotate(90.0 * quarterTurns);
    transform.translate(-Book::DimensionLeft, -Book::DimensionY);
    return transform;
}

int quarterTurnsFrom(QPointF leftMm, QPointF rightMm)
{
    const QPointF along = rightMm - leftMm;
    const int turns = int(std::lround(std::atan2(along.y(), along.x()) / (std::numbers::pi / 2)));
    return (turns + 4) % 4;
}

// Whether the wide leader line lies where the book puts it, seen from this left end.
bool leaderBelow(const QImage &page, QPointF leftMm, int quarterTurns)
{
    const QPointF middleMm = bookToPage(leftMm, quarterTurns)
                                 .map(QPointF((Book::LeaderLeft + Book::LeaderRight) / 2,
                                              Book::WideLeaderY));
    const QPoint middle = (middleMm * pixelsPerMm(SearchDpi)).toPoint();
    return page.valid(middle) && isDark(page.pixel(middle));
}

} // namespace

std::optional<PrintedBookPage> PrintedBookPage::find(const QString &pdf)
{
    const QImage page = renderPdfPage(pdf, SearchDpi);
    const auto pointsOfPage = pdfPageSizePoints(pdf);
    if (page.isNull() || !pointsOfPage)
        return std::nullopt;
    const double scale = pixelsPerMm(SearchDpi);
    const std::vector<QPointF> rough = roundMarks(page, Book::MarkerDiameter * scale);
    if (rough.size() != 2)
        return std::nullopt;
    std::optional<QPointF> ends[2];
    for (int i = 0; i < 2; ++i) {
        ends[i] = centreNear(pdf, rough[i] / scale);
        if (!ends[i])
            return std::nullopt;
    }
    PrintedBookPage found;
    found.m_pdf = pdf;
    for (const auto &[left, right] :
         {std::pair{*ends[0], *ends[1]}, std::pair{*ends[1], *ends[0]}}) {
        const int turns = quarterTurnsFrom(left, right);
        if (leaderBelow(page, left, turns)) {
            found.m_leftMm = left;
            found.m_rightMm = right;
            found.m_quarterTurns = turns;
            const QSizeF paper = *pointsOfPage * 25.4 / 72;
            found.m_paperMm = turns % 2 ? paper.transposed() : paper;
            return found;
        }
    }
    return std::nullopt;
}

double PrintedBookPage::dimensionLengthMm() const
{
    const QPointF along = m_rightMm - m_leftMm;
    return std::hypot(along.x(), along.y());
}

QImage PrintedBookPage::render(const QRectF &bookMm, int dpi) const
{
    const QRectF pageMm = bookToPage(m_leftMm, m_quarterTurns).mapRect(bookMm);
    const QImage onPage = renderPdfPage(m_pdf, dpi, pageMm);
    return onPage.transformed(QTransform().rotate(-90.0 * m_quarterTurns));
}

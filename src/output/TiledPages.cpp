// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TiledPages.h"

#include "output/PageOutput.h"
#include "output/PagePen.h"

#include <QPainter>

namespace {

constexpr double CheckBarMm = 100;
constexpr double MarkRadiusMm = 2.5;

// The marks on the overlaps a sheet shares, in the sheet's millimetres: the same canvas points on
// both sheets of an overlap. The cut line runs down the middle of the overlap.
void drawMarks(PagePen &pen, const TilePlan &plan, int row, int column)
{
    const QSizeF part = plan.partSizeMm();
    const double o = plan.overlapMm;
    const auto vertical = [&](double x) {
        pen.line(x, 0, x, part.height(), Qt::DashLine);
        pen.target(x, part.height() / 4, MarkRadiusMm);
        pen.target(x, part.height() * 3 / 4, MarkRadiusMm);
    };
    const auto horizontal = [&](double y) {
        pen.line(0, y, part.width(), y, Qt::DashLine);
        pen.target(part.width() / 4, y, MarkRadiusMm);
        pen.target(part.width() * 3 / 4, y, MarkRadiusMm);
    };
    if (column > 0)
        vertical(o / 2);
    if (column + 1 < plan.columns)
        vertical(part.width() - o / 2);
    if (row > 0)
        horizontal(o / 2);
    if (row + 1 < plan.rows)
        horizontal(part.height() - o / 2);
}

// The strip below the part: the sheet's label, and a bar that measures 100 mm when the printer
// prints at actual size.
void drawStrip(PagePen &pen, const TilePlan &plan, int row, int column)
{
    const double top = plan.partSizeMm().height();
    const double right = plan.sheetMm.width() - 5;
    pen.text(5, top + 6, sheetLabel(plan, row, column), 10);
    pen.text(right - CheckBarMm, top + 6, QStringLiteral("この線が100mmになるように印刷してください"),
             7);
    const double bar = top + 10;
    pen.line(right - CheckBarMm, bar, right, bar);
    for (const double x : {right - CheckBarMm, right})
        pen.line(x, bar - 2, x, bar + 2);
}

// Page n is the n-th sheet along the rows.
PagePainter sheetPainter(const PageScene &scene, PageKinds kinds, const TilePlan &plan)
{
    return [&scene, kinds, &plan](QPainter &painter, double dotsPerMm, int page) {
        PageStyle style;
        style.dotsPerMm = dotsPerMm;
        style.kinds = kinds;
        renderSheet(painter, scene, style, plan, page / plan.columns, page % plan.columns);
    };
}

} // namespace

void renderSheet(QPainter &painter, const PageScene &scene, const PageStyle &style,
                 const TilePlan &plan, int row, int column)
{
    const double dpm = style.dotsPerMm;
    const QRectF part = plan.partMm(row, column);
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), plan.sheetMm * dpm), Qt::white);
    painter.translate(-part.left() * dpm, -part.top() * dpm);
    painter.setClipRect(QRectF(part.topLeft() * dpm, part.size() * dpm));
    renderPage(painter, scene, style);
    painter.restore();
    painter.save();
    PagePen pen(painter, dpm);
    drawMarks(pen, plan, row, column);
    drawStrip(pen, plan, row, column);
    painter.restore();
}

std::optional<QString> printSheets(platform::PrintTarget &target, const PageScene &scene,
                                   PageKinds kinds, const TilePlan &plan, PrintScale scale)
{
    return paintPages(target.device(), int(plan.count()), [&target] { return target.newPage(); },
                      sheetPainter(scene, kinds, plan), scale);
}

std::optional<RuntimeError> writeTiledPdf(const ExportTarget &target, const PageScene &scene,
                                          PageKinds kinds, const TilePlan &plan)
{
    return writePdf(target, plan.sheetMm, int(plan.count()), sheetPainter(scene, kinds, plan));
}

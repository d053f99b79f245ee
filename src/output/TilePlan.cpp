#include "TilePlan.h"

#include <cmath>

namespace {

// Sheets along one side: parts of `part` millimetres, each after the first adding part less the
// overlap, until `length` is covered.
std::optional<int> sheetsAlong(double length, double part, double overlap)
{
    if (part <= overlap)
        return std::nullopt;
    if (length <= part)
        return 1;
    return int(std::ceil((length - overlap) / (part - overlap) - 1e-9));
}

std::optional<TilePlan> planFor(const QRectF &areaMm, const QSizeF &sheetMm, double overlapMm)
{
    TilePlan plan{areaMm, sheetMm, overlapMm};
    const QSizeF part = plan.partSizeMm();
    const std::optional<int> columns = sheetsAlong(areaMm.width(), part.width(), overlapMm);
    const std::optional<int> rows = sheetsAlong(areaMm.height(), part.height(), overlapMm);
    if (!columns || !rows)
        return std::nullopt;
    plan.columns = *columns;
    plan.rows = *rows;
    return plan;
}

} // namespace

QRectF TilePlan::partMm(int row, int column) const
{
    const QSizeF part = partSizeMm();
    return {areaMm.left() + column * (part.width() - overlapMm),
            areaMm.top() + row * (part.height() - overlapMm), part.width(), part.height()};
}

std::optional<TilePlan> planTiles(const QRectF &areaMm, const QSizeF &pageMm, double overlapMm)
{
    if (areaMm.isEmpty() || pageMm.isEmpty() || overlapMm < 0)
        return std::nullopt;
    const QSizeF wide = lyingDown(pageMm);
    const std::optional<TilePlan> landscape = planFor(areaMm, wide, overlapMm);
    const std::optional<TilePlan> portrait = planFor(areaMm, wide.transposed(), overlapMm);
    if (landscape && portrait)
        return portrait->count() < landscape->count() ? portrait : landscape;
    return landscape ? landscape : portrait;
}

QString sheetLabel(const TilePlan &plan, int row, int column)
{
    return QStringLiteral("%1/%2  行%3 列%4")
        .arg(row * plan.columns + column + 1)
        .arg(plan.count())
        .arg(row + 1)
        .arg(column + 1);
}

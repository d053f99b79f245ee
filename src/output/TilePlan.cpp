// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TilePlan.h"

#include <climits>
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
    const double sheets = std::ceil((length - overlap) / (part - overlap) - 1e-9);
    return int(std::min(sheets, double(INT_MAX))); // told as too many long before
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

std::optional<QString> tooManySheetsText(const TilePlan &plan)
{
    if (plan.count() <= MostSheets)
        return std::nullopt;
    return QStringLiteral("分けると用紙が %1 枚になります。分けて印刷できるのは %2 枚までです。"
                          "大きな用紙を選ぶか、印刷範囲を小さくしてください。")
        .arg(plan.count())
        .arg(MostSheets);
}

QString sheetLabel(const TilePlan &plan, int row, int column)
{
    return QStringLiteral("%1/%2  行%3 列%4")
        .arg(row * plan.columns + column + 1)
        .arg(plan.count())
        .arg(row + 1)
        .arg(column + 1);
}

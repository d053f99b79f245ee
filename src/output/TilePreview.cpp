// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TilePreview.h"

namespace {

constexpr double Tolerance = 0.01; // millimetres that rounding of the paper sizes may differ by

} // namespace

TilePreview::TilePreview(const PageScene &scene, QSizeF pageMm)
    : m_scene(scene), m_pageMm(pageMm),
      m_plan(planTiles(printAreaBoundsOnPaper(scene), pageMm, m_overlapMm))
{
    if (!m_plan) { // a page too small for the default overlap: none then
        m_overlapMm = 0;
        m_plan = planTiles(printAreaBoundsOnPaper(scene), pageMm, 0);
    }
}

bool TilePreview::setOverlapMm(double overlapMm)
{
    std::optional<TilePlan> plan = planTiles(printAreaBoundsOnPaper(m_scene), m_pageMm, overlapMm);
    if (!plan || tooManySheetsText(*plan))
        return false;
    m_overlapMm = overlapMm;
    m_plan = std::move(plan);
    return true;
}

QString TilePreview::summary() const
{
    const TilePlan &tiles = plan();
    return QStringLiteral("%1 列 × %2 行 = %3 枚（用紙%4）")
        .arg(tiles.columns)
        .arg(tiles.rows)
        .arg(tiles.count())
        .arg(tiles.landscape() ? QStringLiteral("横向き") : QStringLiteral("縦向き"));
}

bool TilePreview::needsTiles(const QRectF &areaMm, QSizeF pageMm)
{
    const QSizeF wide = lyingDown(pageMm);
    return areaMm.width() > wide.width() + Tolerance || areaMm.height() > wide.height() + Tolerance;
}

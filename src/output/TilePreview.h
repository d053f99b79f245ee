// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/PageRenderer.h"
#include "output/TilePlan.h"

#include <QString>

#include <optional>

// What the user sees before a print over several sheets: the print area with the sheets laid
// over it, how many they are and which way the paper turns. The overlap can be changed; the
// sheets follow at once.
class TilePreview
{
public:
    // The page must hold more than the strip below each sheet (planTiles with no overlap).
    TilePreview(const PageScene &scene, QSizeF pageMm);

    const PageScene &scene() const { return m_scene; }
    double overlapMm() const { return m_overlapMm; }
    // Plans the sheets again with another overlap; false (and nothing changed) when the page
    // would leave no room beside it or the sheets would be more than MostSheets.
    bool setOverlapMm(double overlapMm);
    const TilePlan &plan() const { return *m_plan; }
    // "3 列 × 2 行 = 6 枚（用紙横向き）": the sheets and which way the paper turns.
    QString summary() const;

    // Whether the print area needs more than one sheet of `pageMm` (either orientation is
    // tried, the single page being landscape).
    static bool needsTiles(const QRectF &areaMm, QSizeF pageMm);

private:
    PageScene m_scene;
    QSizeF m_pageMm;
    double m_overlapMm = DefaultOverlapMm;
    std::optional<TilePlan> m_plan;
};

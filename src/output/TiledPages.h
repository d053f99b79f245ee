// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/PageRenderer.h"
#include "output/PrintCorrection.h"
#include "output/TilePlan.h"
#include "platform/Platform.h"
#include "platform/RuntimeError.h"
#include "recordbook/ExportTarget.h"

#include <QString>

#include <optional>

class QPainter;

// Paints sheet (row, column) of the plan on a painter in device units with the origin at the
// sheet's corner: its part of the page (the picture and the chosen kinds, white outside the print
// area), the cut line and alignment marks on each overlap it shares, and in the strip below its
// label and a 100 mm check bar.
void renderSheet(QPainter &painter, const PageScene &scene, const PageStyle &style,
                 const TilePlan &plan, int row, int column);

// The plans given to the two below have at most MostSheets sheets.

// The sheets on a printer, one sheet a page, along the rows, each drawn `scale` times larger
// (its check bar too, so the bar shows what the correction makes of 100 mm); a text says why
// they could not be painted.
std::optional<QString> printSheets(platform::PrintTarget &target, const PageScene &scene,
                                   PageKinds kinds, const TilePlan &plan, PrintScale scale = {});

// The sheets as the pages of a PDF file, one sheet a page, along the rows; the pages are the
// plan's sheets with no margins, written as a single page is.
std::optional<RuntimeError> writeTiledPdf(const ExportTarget &target, const PageScene &scene,
                                          PageKinds kinds, const TilePlan &plan);

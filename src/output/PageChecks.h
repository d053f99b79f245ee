// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

// Pages that are not made, and what the user is told instead.

// A print area of no size (a click of "画像印刷範囲" without a drag, or the default area of a
// paper smaller than its margins, as a picture of a few pixels on "00" has) gives a blank page.
std::optional<QString> emptyPrintAreaText(const QRectF &printAreaMm);

// PDF readers need not show a page longer than 200 inches a side.
inline constexpr double MostPdfPageMm = 200 * MmPerInch;
// `advice` says how to go on: print over several sheets.
std::optional<QString> oversizePdfPageText(QSizeF paperMm, const QString &advice);

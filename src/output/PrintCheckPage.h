// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QString>

#include <optional>

class QPainter;

// The page of the printer self-check, drawn in device units (dotsPerMm of them a millimetre) from
// the corner of the printable area, at actual size and never corrected: what the printer does to
// it is what the user measures. It holds a 100 mm square to measure across and down, a 150 mm
// bar with a millimetre scale, the printer's name and what to do.
void renderPrintCheckPage(QPainter &painter, double dotsPerMm, const QString &printer);

// The page on a printer, as one page of the job; a text says why it could not be painted.
std::optional<QString> printCheckPage(platform::PrintTarget &target, const QString &printer);

// Where the bar, the square and the steps lie on the page, in millimetres from its corner. All
// of it fits the printable part of an A5 sheet lying down (about 200 x 138 mm), the smallest
// paper the program prints on, as well as A4 and Letter.
namespace checkpage {
inline constexpr double Left = 10;
inline constexpr double BarY = 24;
inline constexpr double BarMm = 150;
inline constexpr double SquareTop = 34;
inline constexpr double StepsLeft = Left + 108;
inline constexpr double StepsWidthMm = 70;
} // namespace checkpage

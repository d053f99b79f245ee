// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <QString>

#include <optional>

// Paper sizes by their two-letter code, landscape: the long side is the width, in millimetres.
// "00" (the picture's own size) is not in the table; the caller measures the picture for it.
std::optional<QSizeF> paperSizeMm(const QString &code);

inline const QString PictureSizePaperCode = QStringLiteral("00");
inline const QString DefaultPaperCode = QStringLiteral("A4");

// Pixels per millimetre of the canvas when it is sized to the paper.
inline constexpr double CanvasPixelsPerMm = 3.7824765920506;

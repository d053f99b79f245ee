// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperSize.h"

#include <array>
#include <utility>

std::optional<QSizeF> paperSizeMm(const QString &code)
{
    static const std::array<std::pair<const char *, QSizeF>, 12> table = {{
        {"B0", {1456, 1030}}, {"B1", {1030, 728}}, {"B2", {728, 515}}, {"B3", {515, 364}},
        {"B4", {364, 257}},   {"B5", {257, 182}},  {"A0", {1189, 841}}, {"A1", {841, 594}},
        {"A2", {594, 420}},   {"A3", {420, 297}},  {"A4", {297, 210}},  {"A5", {210, 148}},
    }};
    for (const auto &[name, size] : table) {
        if (code == QLatin1String(name))
            return size;
    }
    return std::nullopt;
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

#include <QString>

#include <cstdint>
#include <optional>

// Numbers as record books store them. Reading takes the longest leading decimal number (so an
// empty or non-numeric text is 0), then converts it to the field's type the way an assignment to
// that type does: integers round halves to even, and a value beyond the type's range is an
// overflow, reported as nothing. An overflowing single or double is refused rather than stored as
// infinity, so no stored geometry or ratio is ever infinite or NaN.
namespace storednumbers {

std::optional<float> readSingle(const QString &text);
std::optional<double> readDouble(const QString &text);
std::optional<std::int16_t> readInt16(const QString &text);
// A 32-bit signed integer: system colours have the top bit set and are stored negative.
std::optional<OleColor> readColour(const QString &text);

QString writeColour(OleColor colour);

} // namespace storednumbers

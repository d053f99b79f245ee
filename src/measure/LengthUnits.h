// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The unit a kept dimension's caption shows: the record book stores captions only, so the unit
// is a choice of the moment of keeping, and nothing in its files changes.
enum class LengthUnit { Centimetre, QuarterInch, EighthInch, FeetAndInches };

struct LengthStyle
{
    LengthUnit unit = LengthUnit::Centimetre;
    // As tournaments measure: up to the next 0.5 cm, or the next quarter inch (eighth for that
    // unit), never down.
    bool roundUp = false;
    // The caption adds how far the length can be off: "38.0±0.4cm ".
    bool showUncertainty = false;

    bool operator==(const LengthStyle &) const = default;
};

// The caption of a length of realMm real millimetres, ending in a space as the live labels do:
// "38.0cm ", "15 1/4in ", "1ft 3 1/4in ". Fractions are written with ASCII digits and a slash,
// which the record book's code page can hold. Without rounding up a length goes to the nearest
// step. With showUncertainty, uncertaintyMm follows the number, rounded up to the unit's step
// and never less than one: "38.0±0.4cm ", "15 1/4±1/4in ".
QString lengthText(double realMm, const LengthStyle &style, double uncertaintyMm = 0);

// A kept caption read back: its length and, when it shows one, its ± in real millimetres.
// Reads what lengthText writes in any unit; nothing for any other text.
struct CaptionLength
{
    double mm = 0;
    std::optional<double> uncertaintyMm;
};
std::optional<CaptionLength> parseLengthText(const QString &caption);

// The style kept in the settings file, section "寸法の単位"; the default when it holds none.
LengthStyle LoadLengthStyle(const QString &settingsFile);
// Writes it; false when the file cannot be written.
bool SaveLengthStyle(const LengthStyle &style, const QString &settingsFile);

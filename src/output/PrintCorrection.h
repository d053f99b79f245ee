// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// How much larger a print is drawn along each axis of the device, so that a printer that prints
// a little small or large delivers actual size: 1 draws as is.
struct PrintScale
{
    double x = 1;
    double y = 1;

    bool operator==(const PrintScale &) const = default;
};

// What a printer made of the 100 mm square of the check page, measured with a ruler on paper:
// across the page as it lies (横, along the paper's long side) and down it (縦). Drawing
// 100/measured times larger brings the printer's lengths back to actual size.
struct PrintCorrection
{
    static constexpr double SquareMm = 100;
    // A measured side beyond these is a slip of the ruler or of the keys, not a printer.
    static constexpr double MinMeasuredMm = 50;
    static constexpr double MaxMeasuredMm = 150;

    double acrossMm = SquareMm;
    double downMm = SquareMm;

    bool operator==(const PrintCorrection &) const = default;

    // The scale for a page lying (landscape, as the check page is printed) or standing: on a
    // standing page the device's x axis runs along the paper's short side, which the check page
    // measured down, so the two swap.
    PrintScale scale(bool portrait) const;

    // As the settings file keeps it: the side across, a comma, the side down, in millimetres with
    // '.' for the decimal point ("98.5,97"). Text that is not two such measurements, each within
    // [MinMeasuredMm, MaxMeasuredMm], gives nothing.
    QString toText() const;
    static std::optional<PrintCorrection> fromText(const QString &text);
};

// Why a side as typed into the check dialog is no measurement ("横", "98,5" -> a text that says
// so), or nothing when it is one; `mm` then holds it. Full-width digits and blanks around the
// number are accepted, as an input method gives them.
std::optional<QString> measuredSideProblem(const QString &side, const QString &typed, double *mm);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/PrintCorrection.h"

#include <QString>

#include <optional>

// Each printer's size correction in the settings file, in a section of its own:
//
//     [印刷の実寸補正]
//     CatchScalePDF=98.5,97
//
// The key is the printer's name as escapedKey() writes it, and the value what its check square
// measured, across then down (PrintCorrection::toText). Names match whatever their ASCII case, as
// CUPS matches printer names.
inline const QString PrintCorrectionSection = QStringLiteral("印刷の実寸補正");

// The printer's correction; nothing when it has none, or the file or the value cannot be read.
std::optional<PrintCorrection> LoadPrintCorrection(const QString &settingsFile,
                                                   const QString &printer);
// False, with the file as it was, when it cannot be written or the printer has no name.
bool SavePrintCorrection(const QString &settingsFile, const QString &printer,
                         const PrintCorrection &correction);
// The printer prints as is again. False when the file cannot be written.
bool ClearPrintCorrection(const QString &settingsFile, const QString &printer);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCorrectionSettings.h"

#include "platform/ProfileFile.h"

std::optional<PrintCorrection> LoadPrintCorrection(const QString &settingsFile,
                                                   const QString &printer)
{
    if (printer.isEmpty())
        return std::nullopt;
    return PrintCorrection::fromText(
        ReadSetting(PrintCorrectionSection, escapedKey(printer), settingsFile));
}

bool SavePrintCorrection(const QString &settingsFile, const QString &printer,
                         const PrintCorrection &correction)
{
    return !printer.isEmpty()
           && WriteSetting(PrintCorrectionSection, escapedKey(printer),
                           correction.toText(), settingsFile);
}

bool ClearPrintCorrection(const QString &settingsFile, const QString &printer)
{
    return printer.isEmpty()
           || RemoveSetting(PrintCorrectionSection, escapedKey(printer), settingsFile);
}

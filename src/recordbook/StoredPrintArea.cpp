// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredPrintArea.h"

#include "RecordBookKeys.h"
#include "StoredNumbers.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"

#include <QStringList>

namespace {

using namespace recordbookkeys;

const QStringList Keys{KeyPrintAreaLeft, KeyPrintAreaTop, KeyPrintAreaWidth, KeyPrintAreaHeight};

// A kilometre: far beyond any paper or photographed catch, and still exact to a tenth of a
// millimetre in single precision.
constexpr float MaxMm = 1e6f;

} // namespace

StoredPrintArea readPrintArea(const ProfileDocument &document)
{
    float numbers[4] = {};
    bool any = false;
    bool sane = true;
    for (int i = 0; i < 4; ++i) {
        const QString text = document.value(SectionPrintArea, Keys[i]);
        any = any || !text.isEmpty();
        const std::optional<float> number = storednumbers::readSingle(text);
        sane = sane && !text.isEmpty() && number && *number >= 0 && *number <= MaxMm;
        numbers[i] = number.value_or(0);
    }
    if (!any)
        return {};
    if (!sane)
        return {std::nullopt, true};
    return {QRectF(numbers[0], numbers[1], numbers[2], numbers[3]), false};
}

void writePrintArea(ProfileDocument &document, const std::optional<QRectF> &area)
{
    if (!area) {
        for (const QString &key : Keys)
            document.removeKey(SectionPrintArea, key);
        return;
    }
    const double numbers[] = {area->left(), area->top(), area->width(), area->height()};
    for (int i = 0; i < 4; ++i)
        document.setValue(SectionPrintArea, Keys[i], numbertext::formatSingle(float(numbers[i])));
}

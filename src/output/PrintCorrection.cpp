// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCorrection.h"

#include "platform/NumberText.h"

#include <QStringList>

namespace {

bool plausible(double mm)
{
    return mm >= PrintCorrection::MinMeasuredMm && mm <= PrintCorrection::MaxMeasuredMm;
}

// A plain decimal number; QString reads it with '.' whatever the locale, but would also take
// "inf" and "nan", which plausible() turns away.
std::optional<double> number(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

PrintScale PrintCorrection::scale(bool portrait) const
{
    const PrintScale lying{SquareMm / acrossMm, SquareMm / downMm};
    return portrait ? PrintScale{lying.y, lying.x} : lying;
}

QString PrintCorrection::toText() const
{
    return numbertext::formatDouble(acrossMm) + u',' + numbertext::formatDouble(downMm);
}

std::optional<PrintCorrection> PrintCorrection::fromText(const QString &text)
{
    const QStringList sides = text.split(u',');
    if (sides.size() != 2)
        return std::nullopt;
    const std::optional<double> across = number(sides[0]);
    const std::optional<double> down = number(sides[1]);
    if (!across || !down || !plausible(*across) || !plausible(*down))
        return std::nullopt;
    return PrintCorrection{*across, *down};
}

std::optional<QString> measuredSideProblem(const QString &side, const QString &typed, double *mm)
{
    const QString text = numbertext::halfWidthNumber(typed).trimmed();
    if (text.isEmpty())
        return QStringLiteral("正方形の%1の長さを入力してください。").arg(side);
    const std::optional<double> value = number(text);
    if (!value) {
        return QStringLiteral("正方形の%1に入力された「%2」は数ではありません。"
                              "定規で測った長さを mm で、98.5 のように入力してください。")
            .arg(side, typed);
    }
    if (!plausible(*value)) {
        return QStringLiteral("正方形の%1に入力された %2 mm は、100 mm の正方形を測った長さとして"
                              "大きく違いすぎます。%3～%4 mm の長さを入力してください。")
            .arg(side, text, numbertext::formatDouble(PrintCorrection::MinMeasuredMm),
                 numbertext::formatDouble(PrintCorrection::MaxMeasuredMm));
    }
    *mm = *value;
    return std::nullopt;
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasurementAccuracy.h"

#include "document/AnnotationTypes.h"

#include <algorithm>
#include <cmath>

namespace {

// A pixel of clicking at each end of a line.
constexpr double ClickErrorPx = 2;

} // namespace

double referencePixels(const ScaleValues &values)
{
    return values.GE_sngPiccelD_X / MmPerScreenPixel;
}

double lengthUncertaintyMm(const ScaleValues &values, double realMm)
{
    const double reference = referencePixels(values);
    if (!(reference > 0))
        return 0;
    const double realMmPerPixel = std::abs(values.GE_tpPtoD_r_X) * MmPerScreenPixel;
    return std::abs(realMm) * ClickErrorPx / reference + ClickErrorPx * realMmPerPixel;
}

QString referenceWarning(const ScaleValues &values, double longestMeasuredBaseMm)
{
    const double reference = referencePixels(values);
    if (reference < ShortestGoodReferencePx) {
        return QStringLiteral("基準線が %1 ピクセルしかありません。%2 ピクセル以上の長さ"
                              "（定規全体など）で設定すると、誤差が小さくなります。")
            .arg(std::lround(reference))
            .arg(ShortestGoodReferencePx);
    }
    if (longestMeasuredBaseMm / MmPerScreenPixel > 4 * reference) {
        return QStringLiteral("基準線が測った長さの 4 分の 1 より短いため、誤差が大きくなります。"
                              "もっと長い基準で設定してください。");
    }
    return {};
}

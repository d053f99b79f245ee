// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleValues.h"

#include <algorithm>
#include <iterator>

void resetScaleValues(ScaleValues &values)
{
    const ScaleValues start;
    std::copy(std::begin(start.GE_sngHosei), std::end(start.GE_sngHosei), values.GE_sngHosei);
    std::copy(std::begin(start.GE_tpPiccelD), std::end(start.GE_tpPiccelD), values.GE_tpPiccelD);
    values.GE_sngPiccelD_X = start.GE_sngPiccelD_X;
    values.GE_sngPiccelD_Y = start.GE_sngPiccelD_Y;
    values.GE_sngDistanceD_X = start.GE_sngDistanceD_X;
    values.GE_sngDistanceD_Y = start.GE_sngDistanceD_Y;
    values.GE_tpPtoD_r_X = start.GE_tpPtoD_r_X;
    values.GE_tpPtoD_r_Y = start.GE_tpPtoD_r_Y;
    values.GE_strPpSize = start.GE_strPpSize;
    values.GE_sngHojoLen = start.GE_sngHojoLen;
}

bool isCalibrated(const ScaleValues &values)
{
    const ScaleValues start;
    if (values.GE_tpPtoD_r_X != start.GE_tpPtoD_r_X || values.GE_tpPtoD_r_Y != start.GE_tpPtoD_r_Y)
        return true;
    const bool measured = values.GE_sngPiccelD_X > 0 && values.GE_sngDistanceD_X > 0;
    return measured
           && (values.GE_sngPiccelD_X != start.GE_sngPiccelD_X
               || values.GE_sngDistanceD_X != start.GE_sngDistanceD_X);
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/ScaleValues.h"

#include <QSizeF>
#include <QTransform>

// Canvas millimetres at the actual-size zoom to millimetres on paper. The canvas shows the
// picture at the record book's ratio along the tilt line in both directions, while the book may
// hold another ratio across that line, and a caption takes each part of its segment at its own
// ratio. On paper the page is therefore stretched across the tilt line by r_Y / r_X, so that every
// length measures there what its caption says; with equal ratios nothing moves. The paper frame,
// stretched so, is moved back to the paper's corner. Ratios or an angle that are no usable numbers
// leave the page as the canvas shows it, as the actual-size zoom leaves a damaged book at 100 %.
QTransform paperFrame(const ScaleValues &values, QSizeF paperFrameMm);

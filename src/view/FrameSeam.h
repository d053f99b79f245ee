// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/CanvasRenderer.h"

#include <QPoint>

// The row of a view where the two halves of its frame meet when they are painted at once: where
// the work above it is about as much as below, estimated from the objects in view. The engine
// draws a line wider than a pixel by its own rule inside a clip, and such a line cut by the
// seam would come out a little differently there, so no row such a line crosses is taken.
// 0 when no row in the middle half of the view will do.
int frameSeam(const CanvasScene &scene, QPoint scroll, int viewHeight);

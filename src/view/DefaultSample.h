// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

struct AnnotationStore;
struct StyleDefaults;

// Places the default-style sample (lblDefault and its underline) where it covers nothing of the
// book. Along a direction in which the canvas fills the view it stays 10 mm from the visible
// corner, pinned by the scroll bar; where the view has room beside the canvas for the whole
// sample, it moves there, off the picture; and on the canvas it goes below any text label it
// would cover, so that the catch record's title and captions keep their stored places.
// canvasOriginPx is where the canvas's corner lies in the view, scrollPx the scroll bars' values.
void placeDefaultSample(StyleDefaults &defaults, const AnnotationStore &kept,
                        QPoint canvasOriginPx, QPoint scrollPx);

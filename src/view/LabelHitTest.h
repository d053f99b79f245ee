// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "annotations/LabelEvents.h"
#include "view/CanvasRenderer.h"

#include <QPointF>

// A label found under the pointer: which one it is, so that its events can reach it.
struct LabelHit
{
    const AnnotationLabel *label = nullptr; // null: no label there
    LabelKind kind = LabelKind::Text;
    int index = 0; // in its collection; 0 for the default sample

    explicit operator bool() const { return label != nullptr; }
};

// The topmost visible label under a canvas point (canvas millimetres), in the order the canvas
// paints them: the default sample above text labels above dimension labels.
LabelHit labelHitAt(const CanvasScene &scene, QPointF pointMm);

// The same label alone; null when none.
inline const AnnotationLabel *labelAt(const CanvasScene &scene, QPointF pointMm)
{
    return labelHitAt(scene, pointMm).label;
}

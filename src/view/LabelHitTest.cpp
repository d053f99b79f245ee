// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelHitTest.h"

namespace {

bool contains(const AnnotationLabel &label, QPointF p)
{
    return label.Visible && p.x() >= label.Left && p.x() < label.Left + label.Width
           && p.y() >= label.Top && p.y() < label.Top + label.Height;
}

template <class Collection>
LabelHit topmostIn(const Collection &labels, LabelKind kind, QPointF p)
{
    for (int i = labels.UBound(); i >= 0; --i) {
        if (contains(labels[i], p))
            return {&labels[i], kind, i};
    }
    return {};
}

} // namespace

LabelHit labelHitAt(const CanvasScene &scene, QPointF pointMm)
{
    if (contains(scene.defaults.lblDefault, pointMm))
        return {&scene.defaults.lblDefault, LabelKind::Default, 0};
    if (const LabelHit text = topmostIn(scene.annotations.lblMoji, LabelKind::Text, pointMm))
        return text;
    return topmostIn(scene.annotations.lblKyori, LabelKind::Dimension, pointMm);
}

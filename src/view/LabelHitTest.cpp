#include "LabelHitTest.h"

namespace {

bool contains(const AnnotationLabel &label, QPointF p)
{
    return label.Visible && p.x() >= label.Left && p.x() < label.Left + label.Width
           && p.y() >= label.Top && p.y() < label.Top + label.Height;
}

template <class Collection>
const AnnotationLabel *topmostIn(const Collection &labels, QPointF p)
{
    for (int i = labels.UBound(); i >= 0; --i) {
        if (contains(labels[i], p))
            return &labels[i];
    }
    return nullptr;
}

} // namespace

const AnnotationLabel *labelAt(const CanvasScene &scene, QPointF pointMm)
{
    if (contains(scene.defaults.lblDefault, pointMm))
        return &scene.defaults.lblDefault;
    if (const AnnotationLabel *text = topmostIn(scene.annotations.lblMoji, pointMm))
        return text;
    return topmostIn(scene.annotations.lblKyori, pointMm);
}

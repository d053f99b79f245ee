#pragma once

#include "view/CanvasRenderer.h"

#include <QPointF>

// The topmost visible label under a canvas point (canvas millimetres), in the order the canvas
// paints them: the default sample above text labels above dimension labels; null when none.
const AnnotationLabel *labelAt(const CanvasScene &scene, QPointF pointMm);

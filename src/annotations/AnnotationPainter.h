#pragma once

#include "annotations/AnnotationTypes.h"

#include <QColor>

class QPainter;

// Draws one canvas object onto any painter: the screen, a printer page or a bitmap. The painter
// works in device pixels; pixelsPerMm maps canvas millimetres onto them. Pen widths are screen
// pixels at 96 dpi and keep that physical width on other devices.

QColor toQColor(OleColor colour);

void paintLine(QPainter &painter, const AnnotationLine &line, double pixelsPerMm);
void paintShape(QPainter &painter, const MarkerShape &shape, double pixelsPerMm);
void paintLabel(QPainter &painter, const AnnotationLabel &label, double pixelsPerMm);

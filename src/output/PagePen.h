// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>
#include <Qt>

class QPainter;

// Draws on a painter in device units (dotsPerMm of them a millimetre) at places given in
// millimetres of the page: the marks, labels and bars printed beside the picture.
class PagePen
{
public:
    PagePen(QPainter &painter, double dotsPerMm) : m_painter(painter), m_dpm(dotsPerMm) {}

    QPointF at(double xMm, double yMm) const { return {xMm * m_dpm, yMm * m_dpm}; }
    // A black line 0.15 mm wide with flat ends, so its length is the distance between the points.
    void line(double x1, double y1, double x2, double y2, Qt::PenStyle style = Qt::SolidLine);
    // A circle of radiusMm with a cross through it: laid over its twin on a neighbouring sheet,
    // the two sheets are aligned.
    void target(double x, double y, double radiusMm);
    // Black text in the painter's font at `points`, its baseline starting at (x, baseline).
    void text(double x, double baseline, const QString &text, double points);
    // Text wrapped to widthMm, its first line's top at `top`; returns where the block ends.
    double paragraph(double x, double top, double widthMm, const QString &text, double points);

private:
    QPainter &m_painter;
    double m_dpm;
};

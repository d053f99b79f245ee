// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PagePen.h"

#include <QPainter>

#include <algorithm>

void PagePen::line(double x1, double y1, double x2, double y2, Qt::PenStyle style)
{
    QPen pen(Qt::black, std::max(1.0, 0.15 * m_dpm), style);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawLine(at(x1, y1), at(x2, y2));
}

void PagePen::target(double x, double y, double radiusMm)
{
    line(x - 2 * radiusMm, y, x + 2 * radiusMm, y);
    line(x, y - 2 * radiusMm, x, y + 2 * radiusMm);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawEllipse(at(x, y), radiusMm * m_dpm, radiusMm * m_dpm);
}

void PagePen::text(double x, double baseline, const QString &text, double points)
{
    QFont font = m_painter.font();
    font.setPointSizeF(points);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(at(x, baseline), text);
}

double PagePen::paragraph(double x, double top, double widthMm, const QString &text, double points)
{
    QFont font = m_painter.font();
    font.setPointSizeF(points);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    // Tall enough for any paragraph; only the lines the text needs are drawn.
    const QRectF box(at(x, top), QSizeF(widthMm * m_dpm, 1000 * m_dpm));
    QRectF used;
    m_painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
    return top + used.height() / m_dpm;
}

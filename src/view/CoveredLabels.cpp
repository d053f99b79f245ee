// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoveredLabels.h"

#include "document/AnnotationTypes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr double PointsPerInch = 72;

// The pixels of the area that opaque labels already painted over, one byte a pixel.
class Coverage
{
public:
    explicit Coverage(const QRect &area)
        : m_area(area), m_bytes(std::size_t(area.width()) * std::size_t(area.height()), 0)
    {
    }

    // Whether every pixel the rectangle touches inside the area is painted over.
    bool covers(const QRectF &rect) const
    {
        const QRect touched = outer(rect) & m_area;
        for (int y = touched.top(); y <= touched.bottom(); ++y) {
            if (std::memchr(row(y) + (touched.left() - m_area.left()), 0,
                            std::size_t(touched.width())))
                return false;
        }
        return true;
    }

    // Every pixel wholly inside the rectangle is painted over.
    void paint(const QRectF &rect)
    {
        const QRect inside = inner(rect) & m_area;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            std::memset(row(y) + (inside.left() - m_area.left()), 1,
                        std::size_t(inside.width()));
    }

private:
    static QRect outer(const QRectF &r)
    {
        const int left = int(std::floor(r.left())), top = int(std::floor(r.top()));
        return QRect(QPoint(left, top),
                     QPoint(int(std::ceil(r.right())) - 1, int(std::ceil(r.bottom())) - 1));
    }
    static QRect inner(const QRectF &r)
    {
        const int left = int(std::ceil(r.left())), top = int(std::ceil(r.top()));
        return QRect(QPoint(left, top),
                     QPoint(int(std::floor(r.right())) - 1, int(std::floor(r.bottom())) - 1));
    }
    const unsigned char *row(int y) const
    {
        return m_bytes.data() + std::size_t(y - m_area.top()) * std::size_t(m_area.width());
    }
    unsigned char *row(int y)
    {
        return m_bytes.data() + std::size_t(y - m_area.top()) * std::size_t(m_area.width());
    }

    QRect m_area;
    std::vector<unsigned char> m_bytes;
};

QRectF boxPx(const AnnotationLabel &label, double ppm)
{
    return {label.Left * ppm, label.Top * ppm, label.Width * ppm, label.Height * ppm};
}

// What the label can paint: its box, its frame's pen (a screen pixel wide, half of it outside),
// and glyphs that stand out of the box by up to a quarter of the font's size (italics, accents,
// descenders), plus two pixels of smoothing.
QRectF inkPx(const AnnotationLabel &label, double ppm)
{
    const double fontPx = std::max(0.0f, label.FontSize) * MmPerInch / PointsPerInch * ppm;
    const double margin = fontPx / 4 + ppm / ScreenPixelsPerMm / 2 + 2;
    return boxPx(label, ppm).adjusted(-margin, -margin, margin, margin);
}

} // namespace

CoveredLabels::CoveredLabels(const AnnotationCollection<AnnotationLabel> *dimensionLabels,
                             const AnnotationCollection<AnnotationLabel> *textLabels,
                             const QRect &area, double pixelsPerMm)
{
    Coverage coverage(area);
    // Backwards through the paint order: what is painted later is known by the time a label is
    // looked at.
    const auto walk = [&](const AnnotationCollection<AnnotationLabel> *labels, Flags &flags) {
        if (!labels)
            return;
        const int count = labels->UBound() + 1;
        flags.first = &(*labels)[0];
        flags.covered.assign(std::size_t(count), false);
        for (int i = count - 1; i >= 0; --i) {
            const AnnotationLabel &label = (*labels)[i];
            if (!label.Visible)
                continue;
            const QRectF ink = inkPx(label, pixelsPerMm);
            if (!ink.intersects(area))
                continue;
            if (coverage.covers(ink)) {
                flags.covered[std::size_t(i)] = true;
                ++m_count;
            } else if (label.BackStyle == 1) {
                coverage.paint(boxPx(label, pixelsPerMm));
            }
        }
    };
    walk(textLabels, m_textLabels);
    walk(dimensionLabels, m_dimensionLabels);
}

bool CoveredLabels::covers(const AnnotationLabel &label) const
{
    for (const Flags *flags : {&m_dimensionLabels, &m_textLabels}) {
        if (flags->holds(label))
            return flags->covered[std::size_t(&label - flags->first)];
    }
    return false;
}

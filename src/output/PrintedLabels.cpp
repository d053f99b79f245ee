// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintedLabels.h"

#include "document/LabelMetrics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace {

constexpr double Nowhere = -std::numeric_limits<double>::infinity();

// How far down the labels placed so far reach along the page: a step function, each step kept as
// where it starts and how deep it reaches.
class PlacedDepth
{
public:
    PlacedDepth() { m_steps.emplace(Nowhere, Nowhere); }

    // The deepest bottom over [left, right).
    double deepestIn(double left, double right) const
    {
        double deepest = Nowhere;
        for (auto step = std::prev(m_steps.upper_bound(left));
             step != m_steps.end() && step->first < right; ++step)
            deepest = std::max(deepest, step->second);
        return deepest;
    }

    // [left, right) now reaches `bottom`, deeper than anything placed there before. The steps
    // inside give way, so each is looked at a bounded number of times.
    void reach(double left, double right, double bottom)
    {
        const double beyond = std::prev(m_steps.upper_bound(right))->second;
        m_steps.erase(m_steps.lower_bound(left), m_steps.lower_bound(right));
        m_steps.insert_or_assign(left, bottom);
        m_steps.emplace(right, beyond);
    }

private:
    std::map<double, double> m_steps;
};

// The nearest single-precision position at or below y, so a label moved there clears the one
// above it.
float notAbove(double y)
{
    const float rounded = float(y);
    return rounded < y ? std::nextafter(rounded, std::numeric_limits<float>::infinity()) : rounded;
}

bool takesRoom(const AnnotationLabel &label)
{
    return !label.Caption.isEmpty() && std::isfinite(label.Left) && std::isfinite(label.Top)
           && label.Width > 0 && label.Height > 0 && std::isfinite(label.Width)
           && std::isfinite(label.Height);
}

// From the top of the page down, each label that would overlap one placed above it goes just
// below the deepest of them.
void keepRowsApart(std::vector<AnnotationLabel> &labels)
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (takesRoom(labels[i]))
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&labels](std::size_t a, std::size_t b) {
        return labels[a].Top < labels[b].Top;
    });
    PlacedDepth placed;
    for (const std::size_t i : order) {
        AnnotationLabel &label = labels[i];
        const double left = label.Left;
        const double right = left + label.Width;
        if (!(right > left))
            continue; // too narrow to tell apart from its left edge at that distance
        label.Top = notAbove(std::max<double>(label.Top, placed.deepestIn(left, right)));
        placed.reach(left, right, double(label.Top) + label.Height);
    }
}

// How much larger a label's own size is than the size it stands at.
double ownScale(const PageScene &scene)
{
    const double zoom = scene.labelZoom;
    return std::isfinite(zoom) && zoom > 0 ? 1 / zoom : 1;
}

// The label at its own size, its box measured at that size; its corner stays. A size beyond
// what a label can hold (a damaged book) stays as it was laid out.
void growToOwnSize(AnnotationLabel &label, double scale)
{
    const double own = label.FontSize * scale;
    if (std::abs(own) <= std::numeric_limits<float>::max())
        label.FontSize = float(own);
    autoSize(label);
}

bool ownSize(const PageScene &scene)
{
    return scene.textSize == TextSize::OwnPoints;
}

} // namespace

std::vector<AnnotationLabel> printedDimensionLabels(const PageScene &scene)
{
    const auto &labels = scene.annotations.lblKyori;
    std::vector<AnnotationLabel> printed(labels.begin(),
                                         labels.begin() + std::max(0, labels.UBound()));
    if (!ownSize(scene))
        return printed;
    const double scale = ownScale(scene);
    for (AnnotationLabel &label : printed) {
        const QSizeF laidOut = labelExtentMm(label);
        const double centreX = label.Left + laidOut.width() / 2;
        const double centreY = label.Top + laidOut.height() / 2;
        growToOwnSize(label, scale);
        label.Left = float(centreX - label.Width / 2.0);
        label.Top = float(centreY - label.Height / 2.0);
    }
    return printed;
}

std::vector<AnnotationLabel> printedTextLabels(const PageScene &scene)
{
    // Element 0 is the hidden template.
    const auto &labels = scene.annotations.lblMoji;
    std::vector<AnnotationLabel> printed(labels.begin() + 1, labels.end());
    if (!ownSize(scene))
        return printed;
    const double scale = ownScale(scene);
    for (AnnotationLabel &label : printed)
        growToOwnSize(label, scale);
    // Labels no larger than they are laid out make no overlap that was not there already.
    if (scale > 1)
        keepRowsApart(printed);
    return printed;
}

std::optional<double> smallestTextPoints(const PageScene &scene, PageKinds kinds)
{
    std::optional<double> smallest;
    const auto consider = [&](const std::vector<AnnotationLabel> &labels, bool comments) {
        for (const AnnotationLabel &label : labels) {
            const bool printsText =
                !label.Caption.isEmpty() || (comments && !label.ToolTipText.isEmpty());
            const QRectF box(label.Left, label.Top, label.Width, label.Height);
            if (!printsText || !box.intersects(scene.printAreaMm))
                continue;
            const double points = toQFont(label).pointSizeF();
            smallest = std::min(smallest.value_or(points), points);
        }
    };
    if (kinds.dimensions)
        consider(printedDimensionLabels(scene), kinds.comments);
    if (kinds.texts)
        consider(printedTextLabels(scene), false);
    return smallest;
}

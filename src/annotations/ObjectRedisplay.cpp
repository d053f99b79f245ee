// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ObjectRedisplay.h"

#include "document/LabelMetrics.h"
#include "annotations/LiveObjects.h"
#include "document/AnnotationStore.h"
#include "platform/RuntimeError.h"

#include <algorithm>
#include <cmath>

namespace {

struct ScaleFailure
{
    RuntimeError error;
};

// Every product is rounded to single precision, as the geometry is stored.
class Scaler
{
public:
    explicit Scaler(float r) : m_r(r) {}

    void scale(float &value) const
    {
        const float product = value * m_r;
        if (!std::isfinite(product))
            throw ScaleFailure{RuntimeError::overflow()};
        value = product;
    }
    void scaleBox(MarkerShape &shape) const
    {
        scale(shape.Top);
        scale(shape.Left);
        scale(shape.Width);
        scale(shape.Height);
    }
    void scaleEnds(AnnotationLine &line) const
    {
        scale(line.X1);
        scale(line.X2);
        scale(line.Y1);
        scale(line.Y2);
    }
    // The corner and the font; the box then follows the new font (scaleLabels), its top-left
    // corner staying where the scaling put it. Labels are not shifted after the font change, so
    // a dimension label stays beside the middle of its line and zooming in and out again returns
    // it to where it was.
    void scaleLabel(AnnotationLabel &label) const
    {
        scale(label.Top);
        scale(label.Left);
        scale(label.FontSize);
    }

private:
    float m_r;
};

template <class Collection, class Scale>
void scaleEach(Collection &collection, int first, Scale scaleOne)
{
    for (int j = first; j <= collection.UBound(); ++j)
        scaleOne(collection[j]);
}

// Labels scaled, then sized to their captions at the new size. When a label cannot be scaled,
// those before it are sized all the same.
void scaleLabels(AnnotationCollection<AnnotationLabel> &labels, int first, const Scaler &scaler)
{
    int j = first;
    try {
        for (; j <= labels.UBound(); ++j)
            scaler.scaleLabel(labels[j]);
    } catch (const ScaleFailure &) {
        autoSizeRange(labels, first, j);
        throw;
    }
    autoSizeRange(labels, first, j);
}


void redisplay(AnnotationStore &objects, LiveObjects &live, float &LayoutZoom, float ZoomFactor)
{
    if (LayoutZoom == 0.0f)
        throw ScaleFailure{RuntimeError::divisionByZero()};
    const float r = ZoomFactor / LayoutZoom;
    if (!std::isfinite(r))
        throw ScaleFailure{RuntimeError::overflow()};
    const Scaler scaler(r);

    scaler.scaleBox(live.shpPrint);
    scaleEach(objects.lineHikidashi, 0, [&](AnnotationLine &l) { scaler.scaleEnds(l); });
    scaleLabels(objects.lblMoji, 1, scaler);
    scaleEach(objects.lineHojoSave, 0, [&](AnnotationLine &l) { scaler.scaleEnds(l); });
    scaleEach(objects.lineDsSave, 0, [&](AnnotationLine &l) { scaler.scaleEnds(l); });
    // A record book whose marker file was lost holds fewer markers than lines: centre those there are.
    const int dimensions = std::min(objects.lineDsSave.UBound(), objects.shpSnpo.UBound() / 2);
    for (int i = 0; i < dimensions; ++i) {
        const AnnotationLine &line = objects.lineDsSave[i];
        centreOn(objects.shpSnpo[2 * i], line.X1, line.Y1);
        centreOn(objects.shpSnpo[2 * i + 1], line.X2, line.Y2);
    }
    scaleLabels(objects.lblKyori, 0, scaler);
    for (MarkerShape &frame : live.shpPrintWaku) {
        scaler.scale(frame.Width);
        scaler.scale(frame.Height);
    }
    // A measurement or reference line still open goes on at the new zoom from where it started.
    scaler.scaleEnds(live.lineDistance);
    for (AnnotationLine &line : live.lineHojo)
        scaler.scaleEnds(line);
    for (MarkerShape &mask : live.shpSps)
        scaler.scaleBox(mask);
    LayoutZoom = ZoomFactor;
}

} // namespace

void subDisp_Object(AnnotationStore &annotations, LiveObjects &live, float &LayoutZoom,
                    float ZoomFactor, platform::Platform &platform)
{
    try {
        redisplay(annotations, live, LayoutZoom, ZoomFactor);
    } catch (const ScaleFailure &failure) {
        platform.showOk(QStringLiteral("ｴﾗｰ"),
                        QStringLiteral("subDisp_Object():ｴﾗｰ番号  %1 ｴﾗｰが発生しました。")
                                .arg(failure.error.number)
                            + QLatin1Char('\r') + failure.error.description);
    }
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelMetrics.h"

#include "document/FaceNames.h"
#include "document/FontCache.h"
#include "document/FontThread.h"

#include <QImage>

#include <algorithm>

namespace {

// A damaged record book can hold a size of 0 or less, which no font has; such a label is
// measured at the smallest size instead.
constexpr qreal SmallestPointSize = 1.0;

// A paint device whose logical resolution is exactly MeasureDpi.
const QPaintDevice *measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(MeasureDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

// The first `most` UTF-16 units of the text, one fewer where the last would be half a character.
QString leftWhole(const QString &text, qsizetype most)
{
    if (text.size() <= most)
        return text;
    return text.left(most > 0 && text.at(most - 1).isHighSurrogate() ? most - 1 : most);
}

} // namespace

QString faceName(const QString &fontName)
{
    // A face name on the platform record books come from holds at most 31 UTF-16 units (32 with
    // its terminator), so nothing beyond them can choose a font; and the font matcher's time
    // grows with the square of the name's length.
    constexpr qsizetype LongestFaceName = 31;
    return leftWhole(fontName, LongestFaceName);
}

QString shownCaption(const QString &caption)
{
    return leftWhole(caption, LongestShownCaption);
}

FontKey fontKey(const AnnotationLabel &label)
{
    const QString face = fontCache<FaceNames>().drawnFace(faceName(label.FontName));
    return {face, std::max<qreal>(label.FontSize, SmallestPointSize),
            label.FontBold, label.FontItalic, label.FontStrikethru, label.FontUnderline};
}

QFont toQFont(const AnnotationLabel &label)
{
    return fontKey(label).toFont();
}

namespace {

QSizeF extentMm(const AnnotationLabel &label, TextExtentCache &extents)
{
    const FontKey font = fontKey(label);
    const qreal widthPx = extents.width(font, shownCaption(label.Caption)) + 2 * LabelMarginPx;
    const qreal heightPx = extents.height(font) + 2 * LabelMarginPx;
    return {widthPx * MmPerMeasurePixel, heightPx * MmPerMeasurePixel};
}

void sizeTo(AnnotationLabel &label, TextExtentCache &extents)
{
    const QSizeF extent = extentMm(label, extents);
    label.Width = float(extent.width());
    label.Height = float(extent.height());
}

// The helper thread's own measurements, made and let go on that thread.
struct HelperExtents
{
    TextExtentCache extents{measuringDevice()};
};

// Below this many labels a second thread gains nothing.
constexpr int LeastLabelsShared = 512;

} // namespace

QSizeF labelExtentMm(const AnnotationLabel &label)
{
    // Labels are measured on every open and every zoom.
    return extentMm(label, fontCache<TextExtentCache>(measuringDevice()));
}

void autoSize(AnnotationLabel &label)
{
    sizeTo(label, fontCache<TextExtentCache>(measuringDevice()));
}

void autoSizeRange(AnnotationCollection<AnnotationLabel> &labels, int first, int end)
{
    TextExtentCache &extents = fontCache<TextExtentCache>(measuringDevice());
    if (end - first < LeastLabelsShared) {
        for (int i = first; i < end; ++i)
            sizeTo(labels[i], extents);
        return;
    }
    // The helper takes the upper half; its thread ends with the application, before the fonts.
    static FontThread<HelperExtents> helper;
    static const bool stopsWithTheApplication = [] {
        qAddPostRoutine([] { helper.stop(); });
        return true;
    }();
    Q_UNUSED(stopsWithTheApplication);
    const int middle = first + (end - first) / 2;
    helper.start([&labels, middle, end](HelperExtents &own) {
        for (int i = middle; i < end; ++i)
            sizeTo(labels[i], own.extents);
    });
    for (int i = first; i < middle; ++i)
        sizeTo(labels[i], extents);
    helper.wait();
}

void setCaption(AnnotationLabel &label, const QString &text)
{
    label.Caption = text;
    autoSize(label);
}

#include "LabelMetrics.h"

#include <QFontMetricsF>
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

} // namespace

QString faceName(const QString &fontName)
{
    // A face name on the platform record books come from holds at most 31 UTF-16 units (32 with
    // its terminator), so nothing beyond them can choose a font; and the font matcher's time
    // grows with the square of the name's length.
    constexpr qsizetype LongestFaceName = 31;
    qsizetype length = std::min(fontName.size(), LongestFaceName);
    if (length < fontName.size() && length > 0 && fontName.at(length - 1).isHighSurrogate())
        --length; // never keep half of a character
    return fontName.left(length);
}

QFont toQFont(const AnnotationLabel &label)
{
    QFont font(faceName(label.FontName));
    font.setPointSizeF(std::max<qreal>(label.FontSize, SmallestPointSize));
    font.setBold(label.FontBold);
    font.setItalic(label.FontItalic);
    font.setStrikeOut(label.FontStrikethru);
    font.setUnderline(label.FontUnderline);
    return font;
}

QSizeF labelExtentMm(const AnnotationLabel &label)
{
    // About 3 µs a label uncached, so a zoom over thousands of labels needs no metrics cache.
    const QFontMetricsF metrics(toQFont(label), measuringDevice());
    const qreal widthPx = metrics.horizontalAdvance(label.Caption) + 2 * LabelMarginPx;
    const qreal heightPx = metrics.height() + 2 * LabelMarginPx;
    return {widthPx * MmPerMeasurePixel, heightPx * MmPerMeasurePixel};
}

void autoSize(AnnotationLabel &label)
{
    const QSizeF extent = labelExtentMm(label);
    label.Width = float(extent.width());
    label.Height = float(extent.height());
}

void setCaption(AnnotationLabel &label, const QString &text)
{
    label.Caption = text;
    autoSize(label);
}

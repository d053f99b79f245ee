// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageExport.h"

#include "document/AnnotationTypes.h"

#include <QImageWriter>
#include <QPainter>

#include <cmath>

namespace {

constexpr int JpegQuality = 92;

// Hands every byte written to it on to a sink, in order.
// Once the sink fails, the rest of the encoding is taken and dropped: the image writers unwind
// out of a failed write with a long jump that leaves their buffers allocated, while ending the
// file normally frees them. `failed()` then tells the export that the file is not whole.
class SinkDevice final : public QIODevice
{
public:
    explicit SinkDevice(const StagedFiles::Sink &sink) : m_sink(sink) { open(WriteOnly); }
    bool isSequential() const override { return true; }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        m_failed = m_failed || !m_sink(data, size);
        return size;
    }

private:
    const StagedFiles::Sink &m_sink;
    bool m_failed = false;
};

// The file format an extension names; empty for one this export does not write.
QByteArray formatOf(const QString &extension)
{
    if (extension == QLatin1String("png"))
        return "png";
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
        return "jpeg";
    return {};
}

// The bar's length: 1, 2 or 5 times a power of ten, the largest not above `mm`.
double roundLengthMm(double mm)
{
    const double power = std::pow(10.0, std::floor(std::log10(mm)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= mm)
            return step * power;
    }
    return power;
}

// Whether a print area at a resolution stays within the cap; weighed before anything is rounded
// to a whole number that could not hold it.
bool fitsTheCap(QSizeF areaMm, double dotsPerMm)
{
    const QSizeF size = areaMm * dotsPerMm;
    return size.width() * size.height() <= MostExportPixels;
}

// Why a picture is not made at that size, and the largest resolution offered that would do.
QString tooManyPixelsText(QSizeF areaMm, double dotsPerMm)
{
    const QSizeF pixels = areaMm * dotsPerMm;
    QString text = QStringLiteral("画像が %1 × %2 ピクセルになり、書き出せる %3 ピクセルを超えます。")
                       .arg(pixels.width(), 0, 'f', 0)
                       .arg(pixels.height(), 0, 'f', 0)
                       .arg(MostExportPixels);
    for (auto dpi = std::rbegin(ImageExportResolutions); dpi != std::rend(ImageExportResolutions);
         ++dpi) {
        if (fitsTheCap(areaMm, *dpi / MmPerInch))
            return text + QStringLiteral("この印刷範囲なら %1 dpi まで書き出せます。").arg(*dpi);
    }
    return text + QStringLiteral("共有用の大きさか PDF で書き出してください。");
}

QString lengthText(double mm)
{
    if (mm >= 1000)
        return QStringLiteral("%1 m").arg(mm / 1000);
    if (mm >= 10)
        return QStringLiteral("%1 cm").arg(mm / 10);
    return QStringLiteral("%1 mm").arg(mm);
}

} // namespace

QImage printAreaImage(const PageScene &scene, PageKinds kinds, double dotsPerMm)
{
    const QRectF area = printAreaBoundsOnPaper(scene);
    if (!fitsTheCap(area.size(), dotsPerMm))
        return {};
    const QSizeF size = area.size() * dotsPerMm;
    const QSize pixels(int(std::lround(size.width())), int(std::lround(size.height())));
    if (pixels.isEmpty())
        return {};
    // Three bytes a pixel: the largest picture stays well under a gigabyte.
    QImage image(pixels, QImage::Format_RGB888);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    const int dotsPerMetre = int(std::lround(dotsPerMm * 1000));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(-area.left() * dotsPerMm, -area.top() * dotsPerMm);
    PageStyle style;
    style.dotsPerMm = dotsPerMm;
    style.kinds = kinds;
    renderPage(painter, scene, style);
    return image;
}

void burnScaleBar(QImage &image, double dotsPerMm)
{
    const double lengthMm = roundLengthMm(image.width() / 5.0 / dotsPerMm);
    const double length = lengthMm * dotsPerMm;
    const double unit = std::max(2.0, image.height() / 200.0); // the bar's thickness
    const QRectF bar(unit * 4, image.height() - unit * 5, length, unit);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(int(std::lround(unit * 5)));
    font.setBold(true);
    painter.setFont(font);
    const QString text = lengthText(lengthMm);
    const QRectF label(bar.left(), bar.top() - unit * 7, length, unit * 6);
    // White under black, so the bar reads on a dark photograph and a light one alike.
    painter.fillRect(bar.united(label).adjusted(-unit, -unit, unit, unit * 2),
                     QColor(255, 255, 255, 200));
    painter.fillRect(bar, Qt::black);
    for (const double x : {bar.left(), bar.right() - unit / 2})
        painter.fillRect(QRectF(x, bar.top() - unit, unit / 2, unit * 2), Qt::black);
    painter.setPen(Qt::black);
    painter.drawText(label, Qt::AlignLeft | Qt::AlignBottom, text);
}

std::optional<RuntimeError> exportImage(const ExportTarget &target, const PageScene &scene,
                                        const ImageExportRequest &request)
{
    const QByteArray format = formatOf(target.format);
    if (format.isEmpty())
        return RuntimeError::pathFileAccess();
    const QSizeF areaMm = printAreaBoundsOnPaper(scene).size();
    if (areaMm.isEmpty()) {
        return RuntimeError::invalidCall().because(
            QStringLiteral("印刷範囲が空です（%1 × %2 mm）。用紙が小さすぎて、余白の内側に"
                           "何も残りません。")
                .arg(areaMm.width(), 0, 'f', 1)
                .arg(areaMm.height(), 0, 'f', 1));
    }
    const double dotsPerMm = request.shareSize
                                 ? ShareLongSidePx / std::max(areaMm.width(), areaMm.height())
                                 : request.dotsPerInch / MmPerInch;
    if (!fitsTheCap(areaMm, dotsPerMm))
        return RuntimeError::outOfMemory().because(tooManyPixelsText(areaMm, dotsPerMm));
    QImage image = printAreaImage(scene, request.kinds, dotsPerMm);
    if (image.isNull())
        return RuntimeError::outOfMemory();
    if (request.shareSize)
        burnScaleBar(image, dotsPerMm);
    // Encoded straight into the file: a second copy of a large picture would not fit in memory.
    return writeExport(target, [&](const StagedFiles::Sink &sink) {
        SinkDevice device(sink);
        QImageWriter writer(&device, format);
        if (format == "jpeg")
            writer.setQuality(JpegQuality);
        return writer.write(image) && !device.failed();
    });
}

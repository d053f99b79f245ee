#include "ImageExport.h"

#include "annotations/AnnotationTypes.h"
#include "recordbook/StagedFiles.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include <cmath>

namespace {

constexpr int JpegQuality = 92;

// Hands every byte written to it on to a sink, in order.
class SinkDevice final : public QIODevice
{
public:
    explicit SinkDevice(const StagedFiles::Sink &sink) : m_sink(sink) { open(WriteOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        return m_sink(data, size) ? size : -1;
    }

private:
    const StagedFiles::Sink &m_sink;
};

// The file format an extension names; empty for one this export does not write.
QByteArray formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return "png";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
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
    const QSizeF size = area.size() * dotsPerMm;
    // Weighed before anything is rounded to a whole number that could not hold it.
    if (!(size.width() * size.height() <= MostExportPixels))
        return {};
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

std::optional<RuntimeError> exportImage(const QString &path, const PageScene &scene,
                                        const ImageExportRequest &request)
{
    const QByteArray format = formatOf(path);
    if (format.isEmpty())
        return RuntimeError::pathFileAccess();
    const QSizeF areaMm = printAreaBoundsOnPaper(scene).size();
    if (areaMm.isEmpty())
        return RuntimeError::invalidCall();
    const double dotsPerMm = request.shareSize
                                 ? ShareLongSidePx / std::max(areaMm.width(), areaMm.height())
                                 : request.dotsPerInch / MmPerInch;
    QImage image = printAreaImage(scene, request.kinds, dotsPerMm);
    if (image.isNull())
        return RuntimeError::outOfMemory();
    if (request.shareSize)
        burnScaleBar(image, dotsPerMm);
    const QFileInfo target(path);
    StagedFiles staged(target.absolutePath(), StagedFiles::Durability::Unsynced);
    // Encoded straight into the file: a second copy of a large picture would not fit in memory.
    const auto encode = [&](const StagedFiles::Sink &sink) {
        SinkDevice device(sink);
        QImageWriter writer(&device, format);
        if (format == "jpeg")
            writer.setQuality(JpegQuality);
        return writer.write(image);
    };
    if (auto error = staged.stageWritten(target.fileName(), encode))
        return error;
    return staged.commit();
}

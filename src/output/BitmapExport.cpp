#include "BitmapExport.h"

#include "recordbook/StagedFiles.h"
#include "view/PicturePainter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>

QImage subWrightImage(const PageScene &scene, QSize canvasPx, OleColor markerFill)
{
    QImage canvas(canvasPx, QImage::Format_RGB32);
    if (canvas.isNull())
        return canvas;
    canvas.setDotsPerMeterX(BitmapDotsPerMetre);
    canvas.setDotsPerMeterY(BitmapDotsPerMetre);
    canvas.fill(Qt::white);
    PicturePainter sharedWithScreen;
    PageStyle style;
    style.dotsPerMm = ScreenPixelsPerMm; // the canvas's own drawing scale
    style.pens = PagePens::ScreenPixels;
    style.kinds = {true, false, true, true};
    style.markerFill = markerFill;
    style.picturePainter = &sharedWithScreen;
    {
        QPainter painter(&canvas);
        renderPage(painter, scene, style);
    }
    subWhiteOutside(canvas, scene.printAreaMm, style.dotsPerMm);
    return canvas;
}

void subWhiteOutside(QImage &canvas, const QRectF &printAreaMm, double pixelsPerMm)
{
    const int w = canvas.width();
    const int h = canvas.height();
    const int l = int(std::lround(printAreaMm.left() * pixelsPerMm));
    const int t = int(std::lround(printAreaMm.top() * pixelsPerMm));
    const int r = l + int(std::lround(printAreaMm.width() * pixelsPerMm));
    const int b = t + int(std::lround(printAreaMm.height() * pixelsPerMm));
    // Kept: l < i < r and t < j < b. Everything else is one of four bands.
    const int keptLeft = std::clamp(l + 1, 0, w), keptRight = std::clamp(r, 0, w);
    const int keptTop = std::clamp(t + 1, 0, h), keptBottom = std::clamp(b, 0, h);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (keptLeft >= keptRight || keptTop >= keptBottom) {
        painter.fillRect(canvas.rect(), Qt::white);
        return;
    }
    painter.fillRect(QRect(0, 0, w, keptTop), Qt::white);
    painter.fillRect(QRect(0, keptBottom, w, h - keptBottom), Qt::white);
    painter.fillRect(QRect(0, keptTop, keptLeft, keptBottom - keptTop), Qt::white);
    painter.fillRect(QRect(keptRight, keptTop, w - keptRight, keptBottom - keptTop), Qt::white);
}

QByteArray encodeBmp(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image))
        return {};
    return bytes;
}

std::optional<RuntimeError> subSaveImage(const QString &path, const PageScene &scene,
                                         QSize canvasPx, OleColor markerFill)
{
    const QImage canvas = subWrightImage(scene, canvasPx, markerFill);
    if (canvas.isNull())
        return RuntimeError::outOfMemory();
    const QByteArray bytes = encodeBmp(canvas);
    if (bytes.isEmpty())
        return RuntimeError::outOfMemory();
    const QFileInfo target(path);
    StagedFiles staged(target.absolutePath(), StagedFiles::Durability::Unsynced);
    if (auto error = staged.stage(target.fileName(), bytes))
        return error;
    return staged.commit();
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BitmapExport.h"

#include "view/PicturePainter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

QImage subWrightImage(const PageScene &scene, QSize canvasPx, OleColor markerFill)
{
    // Drawn straight in the file's own byte order, so writing it is a copy of its rows.
    QImage canvas(canvasPx, QImage::Format_BGR888);
    if (canvas.isNull())
        return canvas;
    canvas.setDotsPerMeterX(BitmapDotsPerMetre);
    canvas.setDotsPerMeterY(BitmapDotsPerMetre);
    // The picture and the whitening cover every pixel when the picture covers the print area
    // and the area is a rectangle on paper.
    const bool covered = scene.picture && scene.toPaper.type() <= QTransform::TxScale
                         && QRectF(QPointF(0, 0), scene.pictureMm).contains(scene.printAreaMm);
    if (!covered)
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
    subWhiteOutside(canvas, printAreaBoundsOnPaper(scene), style.dotsPerMm);
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

namespace {

void putLittleEndian(char *at, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        at[i] = char((value >> (8 * i)) & 0xFF);
}

} // namespace

bool writeBmp(const QImage &image, const StagedFiles::Sink &sink)
{
    if (image.isNull())
        return false;
    const QImage rgb = image.format() == QImage::Format_BGR888
                           ? image
                           : image.convertToFormat(QImage::Format_BGR888);
    constexpr int FileHeader = 14, InfoHeader = 40;
    const qint64 rowBytes = (qint64(rgb.width()) * 3 + 3) & ~qint64(3);
    const qint64 pixelBytes = rowBytes * rgb.height();
    const qint64 total = FileHeader + InfoHeader + pixelBytes;
    char header[FileHeader + InfoHeader] = {'B', 'M'};
    putLittleEndian(header + 2, quint32(total), 4);
    putLittleEndian(header + 10, FileHeader + InfoHeader, 4); // where the pixels start
    char *info = header + FileHeader;
    putLittleEndian(info, InfoHeader, 4);
    putLittleEndian(info + 4, quint32(rgb.width()), 4);
    putLittleEndian(info + 8, quint32(rgb.height()), 4); // positive: the bottom row comes first
    putLittleEndian(info + 12, 1, 2);                    // planes
    putLittleEndian(info + 14, 24, 2);                   // bits a pixel
    putLittleEndian(info + 20, quint32(pixelBytes), 4);
    putLittleEndian(info + 24, quint32(rgb.dotsPerMeterX()), 4);
    putLittleEndian(info + 28, quint32(rgb.dotsPerMeterY()), 4);
    if (!sink(header, sizeof header))
        return false;
    // Rows go out some at a time, so the file never sits in memory whole.
    const int rowsAtOnce = int(std::max<qint64>(1, (256 * 1024) / rowBytes));
    QByteArray rows(rowBytes * rowsAtOnce, '\0');
    int filled = 0;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        // Padding bytes at the end of each row stay zero.
        std::memcpy(rows.data() + filled * rowBytes, rgb.constScanLine(y), size_t(rgb.width()) * 3);
        if (++filled == rowsAtOnce || y == 0) {
            if (!sink(rows.constData(), filled * rowBytes))
                return false;
            filled = 0;
        }
    }
    return true;
}

std::optional<RuntimeError> subSaveImage(const ExportTarget &target, const PageScene &scene,
                                         QSize canvasPx, OleColor markerFill)
{
    if (qint64(canvasPx.width()) * canvasPx.height() > MostExportPixels) {
        return RuntimeError::overflow().because(
            QStringLiteral("ビットマップが大きすぎます（%1 × %2 ピクセル、%3 億画素まで）。"
                           "用紙サイズを小さくするか、PDF か PNG で書き出してください。")
                .arg(canvasPx.width())
                .arg(canvasPx.height())
                .arg(MostExportPixels / 1e8, 0, 'f', 1));
    }
    const QImage canvas = subWrightImage(scene, canvasPx, markerFill);
    if (canvas.isNull())
        return RuntimeError::outOfMemory();
    const auto write = [&canvas](const StagedFiles::Sink &sink) { return writeBmp(canvas, sink); };
    return writeExport(target, write);
}

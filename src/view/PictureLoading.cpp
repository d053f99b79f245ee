// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureLoading.h"

#include "view/JpegDecoder.h"
#include "view/PictureCompleteness.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

namespace {

// Qt refuses to decode more than 256 MB by default, which turns away ordinary 70-megapixel
// photographs. Allow the largest picture we open, at four bytes a pixel, with room to spare.
void allowLargePictures()
{
    static const bool allowed = [] {
        QImageReader::setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 64);
        return true;
    }();
    Q_UNUSED(allowed);
}

QString readerErrorText(const QImageReader &reader)
{
    switch (reader.error()) {
    case QImageReader::FileNotFoundError: return QStringLiteral("ファイルが見つかりません。");
    case QImageReader::DeviceError: return QStringLiteral("ファイルを読み込めません。");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("画像ファイルではないか、対応していない形式です。");
    case QImageReader::InvalidDataError: return QStringLiteral("画像データが壊れています。");
    default: return QStringLiteral("画像を読み込めません。");
    }
}

// Turns a picture as its orientation tag says, the way Qt's own reader would: mirror and flip
// first, then a quarter turn clockwise.
QImage upright(QImage image, QImageIOHandler::Transformations turn)
{
    const bool mirror = turn.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = turn.testFlag(QImageIOHandler::TransformationFlip);
    if (mirror || flip)
        image = image.mirrored(mirror, flip);
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
    return image;
}

PictureLoadResult loadJpeg(const QString &file, PictureOrientation orientation)
{
    JpegDecodeResult decoded = decodeJpeg(file, MaxPicturePixels);
    if (decoded.image.isNull())
        return {{}, decoded.error + QLatin1Char('\r') + file};
    if (orientation == PictureOrientation::Upright) {
        QImageReader tags(file); // reads the header only
        decoded.image = upright(std::move(decoded.image), tags.transformation());
    }
    return {std::move(decoded.image), {}};
}

} // namespace

PictureLoadResult loadPicture(const QString &file, PictureOrientation orientation)
{
    allowLargePictures();
    if (!QFileInfo(file).isFile())
        return {{}, QStringLiteral("ファイルが見つかりません。") + QLatin1Char('\r') + file};
    QFile head(file);
    if (head.open(QIODevice::ReadOnly) && looksLikeJpeg(head.read(3)))
        return loadJpeg(file, orientation);
    if (head.seek(0) && (!bmpIsWhole(head.peek(64), head.size()) || !gifIsWhole(head)))
        return {{}, QStringLiteral("画像データが途中で切れています。") + QLatin1Char('\r') + file};
    QImageReader reader(file);
    reader.setAutoTransform(orientation == PictureOrientation::Upright);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPicturePixels) {
        return {{}, pictureTooLargeText(size.width(), size.height())};
    }
    QImage image = reader.read();
    if (image.isNull())
        return {{}, readerErrorText(reader) + QLatin1Char('\r') + file};
    // One pixel format for every source keeps painting on the fast path.
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32);
    return {image, {}};
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Decodes a JPEG file with libjpeg-turbo straight into a 32-bit picture, without Qt's
// intermediate 24-bit copy: opening a 24-megapixel photograph costs little more than libjpeg's
// own decoding. The orientation tag is left to the caller.
struct JpegDecodeResult
{
    QImage image;
    QString error; // a description for the user when image is null
};

// The refusal of a picture of more pixels than the program opens.
QString pictureTooLargeText(qint64 width, qint64 height);

// True when the bytes begin like a JPEG file.
bool looksLikeJpeg(const QByteArray &head);

JpegDecodeResult decodeJpeg(const QString &path, qint64 maxPixels);

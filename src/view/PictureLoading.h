// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <optional>

enum class PictureOrientation {
    Upright,  // turn the picture as its orientation tag says, as other viewers show it
    AsStored, // keep it as stored: annotations of another program were placed on it so
};

// Pictures up to this many pixels open; larger ones are refused before they are decoded.
inline constexpr qint64 MaxPicturePixels = 150'000'000;

struct PictureLoadResult
{
    QImage image;
    QString error; // a description for the user when image is null
};

// Decodes a BMP, JPEG or GIF (its first frame) file.
PictureLoadResult loadPicture(const QString &file, PictureOrientation orientation);

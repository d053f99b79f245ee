#pragma once

#include <QImage>
#include <QString>

#include <optional>

class frmMain;

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

// Loads a picture file into the view: the canvas takes it at its own pixel size. On failure the
// user is told why and nothing changes. Returns whether the picture was loaded.
bool subMapDraw(frmMain &form, const QString &file, PictureOrientation orientation);

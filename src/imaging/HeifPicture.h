// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reads the HEIC and HEIF photos phones take (HEVC in a HEIF file, through libheif) into a
// 32-bit picture, turned and mirrored as the camera recorded it: a HEIF file keeps that turn as
// its own rotation and mirror, which libheif applies; the EXIF orientation tag of such a file
// describes the same turn and is not applied a second time. A picture with transparency is laid
// on white, as it would print on paper.
struct HeifReadResult
{
    enum class Status {
        Read,
        TooLarge,   // more pixels than allowed; size says how many, nothing was decoded
        Unreadable, // error says why, in words for the user
    };
    Status status = Status::Unreadable;
    QImage image;
    QSize size; // the picture's size as shown, once the file says it
    QString error;
};

// True when the bytes begin like a HEIF file (its "ftyp" box naming a HEIF brand).
bool looksLikeHeif(const QByteArray &head);

// Reads the primary picture of the file at path. A picture of more than maxPixels pixels is
// refused before it is decoded.
HeifReadResult readHeifPicture(const QString &path, qint64 maxPixels);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCompleteness.h"

#include <QIODevice>
#include <QtEndian>

#include <cstdlib>

namespace {

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// The next byte of the file, or -1 at its end.
int nextByte(QIODevice &file)
{
    char c;
    return file.getChar(&c) ? quint8(c) : -1;
}

bool skip(QIODevice &file, qint64 bytes)
{
    return file.seek(file.pos() + bytes) && file.pos() <= file.size();
}

// Skips a run of GIF data sub-blocks (a size byte, that many bytes, … a zero); false when the
// file ends first.
bool skipSubBlocks(QIODevice &file)
{
    for (int size = nextByte(file); size != 0; size = nextByte(file)) {
        if (size < 0 || !skip(file, size))
            return false;
    }
    return true;
}

} // namespace

bool bmpIsWhole(const QByteArray &head, qint64 fileSize)
{
    constexpr int FileHeader = 14, CoreInfo = 12, Info = 40;
    if (head.size() < FileHeader + CoreInfo || !head.startsWith("BM"))
        return true;
    const quint32 pixelsAt = le32(head, 10);
    const quint32 infoSize = le32(head, FileHeader);
    qint64 width, height;
    int bits;
    quint32 compression = 0;
    if (infoSize == CoreInfo) {
        width = le16(head, FileHeader + 4);
        height = le16(head, FileHeader + 6);
        bits = le16(head, FileHeader + 10);
    } else if (infoSize >= Info && head.size() >= FileHeader + Info) {
        width = qint32(le32(head, FileHeader + 4));
        height = std::llabs(qint32(le32(head, FileHeader + 8)));
        bits = le16(head, FileHeader + 14);
        compression = le32(head, FileHeader + 16);
    } else {
        return true;
    }
    constexpr quint32 Uncompressed = 0, BitFields = 3;
    if (compression != Uncompressed && compression != BitFields)
        return true;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return fileSize >= qint64(pixelsAt) + rowBytes * height;
}

bool gifIsWhole(QIODevice &file)
{
    constexpr int Header = 6, ScreenDescriptor = 7, ImageDescriptor = 9;
    if (!file.seek(0) || !file.peek(4).startsWith("GIF8"))
        return true;
    const QByteArray screen = file.read(Header + ScreenDescriptor);
    if (screen.size() < Header + ScreenDescriptor)
        return false;
    const auto colourTable = [](quint8 flags) {
        return (flags & 0x80) ? 3 * (2 << (flags & 0x07)) : 0;
    };
    if (!skip(file, colourTable(quint8(screen.at(Header + 4)))))
        return false;
    for (int block = nextByte(file); block >= 0; block = nextByte(file)) {
        if (block == 0x21) { // an extension: its label, then its sub-blocks
            if (nextByte(file) < 0 || !skipSubBlocks(file))
                return false;
        } else if (block == 0x2C) { // the first image: descriptor, colour table, LZW data
            const QByteArray descriptor = file.read(ImageDescriptor);
            return descriptor.size() == ImageDescriptor
                   && skip(file, colourTable(quint8(descriptor.at(8)))) && nextByte(file) >= 0
                   && skipSubBlocks(file);
        } else {
            return block == 0x3B; // the trailer before any image: nothing was cut off
        }
    }
    return false;
}

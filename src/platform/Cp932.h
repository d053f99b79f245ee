// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Text on disk (settings file, record books) is kept in Shift_JIS as Windows code page 932 has it:
// 0x5C stays a backslash and the NEC/IBM extensions (①, 髙, ～) are available. glibc's "CP932"
// table is used; its "SHIFT_JIS" table differs on exactly these points. The single bytes 0x80,
// 0xA0, 0xFD, 0xFE and 0xFF, which that table lacks, go both ways as Windows has them: U+0080
// and U+F8F0..U+F8F3.
namespace cp932 {

struct EncodeResult
{
    QByteArray bytes;
    // Every character the code page cannot carry, in order of appearance (a lone surrogate
    // counts as one). When this is not empty the bytes must not be written anywhere.
    QString unencodable;

    bool ok() const { return unencodable.isEmpty(); }
};

EncodeResult encode(const QString &text);

// Bytes that form no character decode to U+FFFD, one per byte, so any input gives a text.
QString decode(const QByteArray &bytes);

// True for the first byte of a double-byte character.
bool isLeadByte(char byte);

// The longest start of `bytes` of at most maxBytes bytes that does not end inside a
// double-byte character.
QByteArray truncateBytes(const QByteArray &bytes, qsizetype maxBytes);

} // namespace cp932

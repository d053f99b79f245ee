// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a reader of untrusted input may cost, counted in its own steps rather than timed: the
// worst inputs found so far, each at a size where work growing faster than the input shows.
#include "measure/LengthUnits.h"
#include "platform/Cp932.h"
#include "platform/WorkSteps.h"
#include "view/JpegDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr qsizetype OneMegabyte = 1 << 20;

// A 16 x 16 JPEG of about 600 bytes whose frame header says 12000 x 12000: its data fills the
// first blocks of the picture and then ends.
QByteArray jpegPromisingFarMoreThanItHolds()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 75);
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    for (const qsizetype at : {frame + 5, frame + 7}) { // height, then width, big-endian
        bytes[at] = char(12000 >> 8);
        bytes[at + 1] = char(12000 & 0xFF);
    }
    return bytes;
}

struct Bound
{
    const char *what;
    std::function<void()> read;
    qint64 mostSteps;
};

} // namespace

TEST(DecoderSteps, HostileInputTakesWorkInProportionToItsSize)
{
    QTemporaryDir folder;
    const QString bomb = folder.filePath(QStringLiteral("bomb.jpg"));
    QFile file(bomb);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const qint64 bombBytes = file.write(jpegPromisingFarMoreThanItHolds());
    file.close();

    const auto decodeBytes = [](char byte) {
        return [byte] { cp932::decode(QByteArray(OneMegabyte, byte)); };
    };
    const Bound bounds[] = {
        // Each byte is looked at once as it is and once more as the partner of a lead byte.
        {"code page 932: 1 MB of 0xFF", decodeBytes(char(0xFF)), 2 * OneMegabyte},
        {"code page 932: 1 MB of 0xA0", decodeBytes(char(0xA0)), 2 * OneMegabyte},
        {"code page 932: 1 MB of lead bytes that pair into no character",
         decodeBytes(char(0x85)), 2 * OneMegabyte},
        // Steps are characters handed to the patterns, which backtrack over a run of digits.
        {"a caption of 300,000 digits",
         [] { EXPECT_FALSE(parseLengthText(QString(300'000, u'7'))); }, 2 * 1024},
        // Steps are pixels decoded; a byte of Huffman-coded data holds at most eight 8 x 8 blocks.
        {"a JPEG of some 600 bytes whose header says 12000 x 12000",
         [&bomb] {
             const JpegDecodeResult decoded = decodeJpeg(bomb, 150'000'000);
             EXPECT_TRUE(decoded.image.isNull());
             EXPECT_EQ(decoded.error, QStringLiteral("画像データが途中で切れています。"));
         },
         bombBytes * 8 * 64},
    };
    for (const Bound &bound : bounds) {
        const qint64 before = worksteps::taken();
        bound.read();
        EXPECT_LE(worksteps::taken() - before, bound.mostSteps) << bound.what;
    }
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/HeifPicture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>
#include <libheif/heif.h>

namespace {

constexpr int Width = 128;
constexpr int Height = 64;
// The quadrants of the stored picture, as a phone's sensor gave it.
constexpr QRgb TopLeft = 0xffff0000, TopRight = 0xff00ff00, BottomLeft = 0xff0000ff,
               BottomRight = 0xffffff00;

QRgb storedColour(int x, int y)
{
    if (y < Height / 2)
        return x < Width / 2 ? TopLeft : TopRight;
    return x < Width / 2 ? BottomLeft : BottomRight;
}

// Writes the quadrant picture as a HEIC file whose rotation and mirror say `orientation`; with
// transparentRight the right half is fully transparent.
bool writeHeic(const QString &path, heif_orientation orientation, bool transparentRight)
{
    heif_image *image = nullptr;
    heif_image_create(Width, Height, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, &image);
    heif_image_add_plane(image, heif_channel_interleaved, Width, Height, 8);
    int stride = 0;
    uint8_t *plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const QRgb colour = storedColour(x, y);
            uint8_t *px = plane + y * stride + x * 4;
            px[0] = qRed(colour), px[1] = qGreen(colour), px[2] = qBlue(colour);
            px[3] = transparentRight && x >= Width / 2 ? 0 : 255;
        }
    }
    heif_context *context = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, 95);
    heif_encoding_options *options = heif_encoding_options_alloc();
    options->image_orientation = orientation;
    options->save_alpha_channel = transparentRight;
    const bool encoded =
        heif_context_encode_image(context, image, encoder, options, nullptr).code == heif_error_Ok
        && heif_context_write_to_file(context, QFile::encodeName(path).constData()).code
               == heif_error_Ok;
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_image_release(image);
    heif_context_free(context);
    return encoded;
}

// Whether two colours agree within what lossy HEVC changes of a flat area.
bool near(QRgb got, QRgb want)
{
    return qAbs(qRed(got) - qRed(want)) < 24 && qAbs(qGreen(got) - qGreen(want)) < 24
           && qAbs(qBlue(got) - qBlue(want)) < 24;
}

class HeifPicture : public testing::Test
{
protected:
    void SetUp() override { heif_init(nullptr); }
    void TearDown() override { heif_deinit(); }
    QTemporaryDir folder;
};

} // namespace

// Slips caught: the file's rotation or mirror ignored or applied twice, width and height
// swapped, red and blue swapped, a row read at the wrong stride, transparency shown black.
TEST_F(HeifPicture, ShowsThePhotoTurnedAsTheCameraRecordedIt)
{
    const QRgb White = 0xffffffff;
    const struct
    {
        heif_orientation orientation;
        bool transparentRight;
        QSize size;
        QRgb topLeft, topRight, bottomLeft, bottomRight; // as shown
    } rows[] = {
        {heif_orientation_normal, false, {Width, Height}, TopLeft, TopRight, BottomLeft,
         BottomRight},
        // Turned a quarter clockwise to stand upright: the stored bottom left comes to the top.
        {heif_orientation_rotate_90_cw, false, {Height, Width}, BottomLeft, TopLeft, BottomRight,
         TopRight},
        {heif_orientation_rotate_270_cw, false, {Height, Width}, TopRight, BottomRight, TopLeft,
         BottomLeft},
        {heif_orientation_flip_horizontally, false, {Width, Height}, TopRight, TopLeft,
         BottomRight, BottomLeft},
        {heif_orientation_normal, true, {Width, Height}, TopLeft, White, BottomLeft, White},
    };
    for (const auto &row : rows) {
        const QString path = folder.filePath(QStringLiteral("photo.heic"));
        ASSERT_TRUE(writeHeic(path, row.orientation, row.transparentRight)) << row.orientation;
        const HeifReadResult read = readHeifPicture(path, 150'000'000);
        ASSERT_EQ(read.status, HeifReadResult::Status::Read) << qPrintable(read.error);
        ASSERT_EQ(read.image.size(), row.size) << row.orientation;
        EXPECT_EQ(read.image.format(), QImage::Format_RGB32);
        const int w = row.size.width(), h = row.size.height();
        const QRgb shown[] = {read.image.pixel(w / 4, h / 4), read.image.pixel(3 * w / 4, h / 4),
                              read.image.pixel(w / 4, 3 * h / 4),
                              read.image.pixel(3 * w / 4, 3 * h / 4)};
        const QRgb wanted[] = {row.topLeft, row.topRight, row.bottomLeft, row.bottomRight};
        for (int corner = 0; corner < 4; ++corner)
            EXPECT_TRUE(near(shown[corner], wanted[corner]))
                << row.orientation << " corner " << corner << ": " << std::hex << shown[corner];
    }
}

// Slips caught: a picture over the limit decoded before it is refused; a damaged, cut or
// missing file crashing or answering without words; a JPEG taken for a HEIF file.
TEST_F(HeifPicture, RefusesWhatItMustNotOrCannotRead)
{
    const QString good = folder.filePath(QStringLiteral("good.heic"));
    ASSERT_TRUE(writeHeic(good, heif_orientation_normal, false));
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(looksLikeHeif(bytes.left(12)));
    EXPECT_FALSE(looksLikeHeif(QByteArray("\xff\xd8\xff\xe0\0\x10JFIF\0", 12)));

    // A file that claims 20000 x 20000 pixels over its few bytes of picture: decoded first, it
    // would ask for 1.2 GB or fail as damaged; refused on its claim, it costs nothing.
    QByteArray claimsMore = bytes;
    const qsizetype ispe = claimsMore.indexOf("ispe");
    ASSERT_GT(ispe, 0);
    for (int side = 0; side < 2; ++side)
        qToBigEndian<quint32>(20000, claimsMore.data() + ispe + 8 + 4 * side);
    const QString large = folder.filePath(QStringLiteral("large.heic"));
    QFile largeFile(large);
    ASSERT_TRUE(largeFile.open(QIODevice::WriteOnly));
    largeFile.write(claimsMore);
    largeFile.close();
    const HeifReadResult refused = readHeifPicture(large, 150'000'000);
    EXPECT_EQ(refused.status, HeifReadResult::Status::TooLarge) << qPrintable(refused.error);
    EXPECT_EQ(refused.size, QSize(20000, 20000));
    EXPECT_TRUE(refused.image.isNull());

    const struct
    {
        const char *name;
        QByteArray content; // empty name: the file is not there
    } rows[] = {
        {"cut.heic", bytes.left(bytes.size() / 2)},
        {"empty.heic", {}},
        {"header-only.heic", bytes.left(40)},
        {"garbage.heic", bytes.left(32) + QByteArray(4000, '\x5a')},
        {"", {}},
    };
    for (const auto &row : rows) {
        QString path = folder.filePath(QStringLiteral("missing.heic"));
        if (*row.name) {
            path = folder.filePath(QString::fromUtf8(row.name));
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(row.content);
        }
        const HeifReadResult read = readHeifPicture(path, 150'000'000);
        EXPECT_EQ(read.status, HeifReadResult::Status::Unreadable) << row.name;
        EXPECT_TRUE(read.image.isNull()) << row.name;
        EXPECT_FALSE(read.error.isEmpty()) << row.name;
    }
}

// Slip caught: the Qt image plugins that read phone photos missing from the dependencies.
TEST(PhoneFormats, QtReadsTiffAndWebp)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(0xff336699);
    for (const char *format : {"tiff", "webp"}) {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        QImageWriter writer(&buffer, format);
        writer.setQuality(100);
        ASSERT_TRUE(writer.write(picture)) << format << ": " << qPrintable(writer.errorString());
        buffer.seek(0);
        QImageReader reader(&buffer);
        EXPECT_EQ(reader.format(), format); // told from the content
        const QImage read = reader.read();
        EXPECT_EQ(read.size(), picture.size()) << format;
        EXPECT_EQ(read.pixel(20, 15), picture.pixel(20, 15)) << format;
    }
}

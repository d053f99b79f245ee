// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PictureLoading.h"
#include "app/RecordBookCommands.h"
#include "StartedForm.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace {

QByteArray jpegBytes(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

// The same JPEG with an Exif orientation tag (1 to 8) in an APP1 segment right after SOI.
QByteArray withOrientationTag(const QByteArray &jpeg, int tag)
{
    QByteArray tiff("MM\x00\x2A\x00\x00\x00\x08", 8);
    tiff += QByteArray("\x00\x01", 2);                         // one entry
    tiff += QByteArray("\x01\x12\x00\x03\x00\x00\x00\x01", 8); // Orientation, SHORT, count 1
    tiff += char(0) + QByteArray(1, char(tag)) + QByteArray(2, '\0'); // the value, padded
    tiff += QByteArray(4, '\0');                               // no next IFD
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    const quint16 length = quint16(exif.size() + 2);
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    segment += exif;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// A 48 x 32 picture of six 16-pixel blocks, every one its own colour, so that any turn or
// mirror moves a colour somewhere else:
//     A B C
//     D E F
// The blocks fill whole 16 x 16 JPEG blocks, so their centres keep their colours.
constexpr int BlockPx = 16;
const std::pair<char, QRgb> Blocks[] = {
    {'A', qRgb(230, 20, 20)},  {'B', qRgb(20, 200, 20)}, {'C', qRgb(20, 20, 230)},
    {'D', qRgb(250, 250, 250)}, {'E', qRgb(10, 10, 10)},  {'F', qRgb(240, 230, 20)},
};

QByteArray sixBlockJpeg()
{
    QImage image(3 * BlockPx, 2 * BlockPx, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < 6; ++i)
        painter.fillRect((i % 3) * BlockPx, (i / 3) * BlockPx, BlockPx, BlockPx,
                         QColor(Blocks[i].second));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

// The blocks of a loaded picture row by row, rows separated by '/': "ABC/DEF" as stored. A
// block whose centre is near none of the six colours reads '?'.
std::string blocksOf(const QImage &image)
{
    std::string shown;
    for (int y = BlockPx / 2; y < image.height(); y += BlockPx) {
        if (!shown.empty())
            shown += '/';
        for (int x = BlockPx / 2; x < image.width(); x += BlockPx) {
            const QRgb pixel = image.pixel(x, y);
            char letter = '?';
            for (const auto &[name, colour] : Blocks) {
                if (std::abs(qRed(pixel) - qRed(colour)) + std::abs(qGreen(pixel) - qGreen(colour))
                        + std::abs(qBlue(pixel) - qBlue(colour))
                    < 60)
                    letter = name;
            }
            shown += letter;
        }
    }
    return shown;
}

// A BMP header that promises 20000 x 10000 pixels and holds none of them.
QByteArray hugeBmpHeader()
{
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(54, header.data() + 10);
    qToLittleEndian<quint32>(40, header.data() + 14);
    qToLittleEndian<qint32>(20000, header.data() + 18);
    qToLittleEndian<qint32>(10000, header.data() + 22);
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(24, header.data() + 28);
    return header;
}

struct PictureFolder : StartedForm
{
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

} // namespace

TEST(PictureLoading, LoadsAtItsPixelSizeInBaseMillimetres)
{
    PictureFolder folder;
    folder.layOutWindow();
    const QString path = folder.write(QStringLiteral("fish.jpg"), jpegBytes({960, 480}));
    ASSERT_TRUE(subMapDraw(folder.form, path, PictureOrientation::Upright));
    EXPECT_EQ(folder.form.pictOrg.size(), QSize(960, 480));
    EXPECT_EQ(folder.form.view.pictMapPx, QSizeF(960, 480));
    EXPECT_NEAR(folder.form.pictOrgSizeMm().width(), 254.0, 1e-9); // 960 x 25.4 / 96
    EXPECT_TRUE(folder.platform.messages.empty());
    EXPECT_EQ(folder.platform.busyDepth, 0);
}

TEST(PictureLoading, OrientationTagTurnsThePictureUnlessKeptAsStored)
{
    PictureFolder folder;
    const QString path =
        folder.write(QStringLiteral("phone.jpg"), withOrientationTag(jpegBytes({300, 200}), 6));
    EXPECT_EQ(loadPicture(path, PictureOrientation::Upright).image.size(), QSize(200, 300));
    EXPECT_EQ(loadPicture(path, PictureOrientation::AsStored).image.size(), QSize(300, 200));
}

// Each tag says where the stored rows and columns belong: 2 mirrors left to right, 4 top to
// bottom, 3 turns half round; 5 to 8 put the stored rows upright as columns (a phone held
// upright stores tag 6: the stored top row is the right-hand column once turned clockwise).
TEST(PictureLoading, EveryOrientationTagTurnsAndMirrorsTheShownPicture)
{
    const struct
    {
        int tag;
        const char *shown;
    } cases[] = {
        {1, "ABC/DEF"},    {2, "CBA/FED"},    {3, "FED/CBA"},    {4, "DEF/ABC"},
        {5, "AD/BE/CF"},   {6, "DA/EB/FC"},   {7, "FC/EB/DA"},   {8, "CF/BE/AD"},
    };
    PictureFolder folder;
    const QByteArray stored = sixBlockJpeg();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tag);
        const QString path = folder.write(QStringLiteral("tag%1.jpg").arg(c.tag),
                                          withOrientationTag(stored, c.tag));
        const PictureLoadResult upright = loadPicture(path, PictureOrientation::Upright);
        ASSERT_FALSE(upright.image.isNull()) << qPrintable(upright.error);
        EXPECT_EQ(blocksOf(upright.image), c.shown);
        const PictureLoadResult asStored = loadPicture(path, PictureOrientation::AsStored);
        EXPECT_EQ(blocksOf(asStored.image), "ABC/DEF");
    }
}

TEST(PictureLoading, FailuresAreReportedAndChangeNothing)
{
    PictureFolder folder;
    const QByteArray good = jpegBytes({640, 480});
    const QString cases[] = {
        folder.folder.filePath(QStringLiteral("missing.jpg")),
        folder.write(QStringLiteral("notes.jpg"), "this is not a picture"),
        folder.write(QStringLiteral("cut.jpg"), good.left(good.size() / 2)),
        folder.write(QStringLiteral("huge.bmp"), hugeBmpHeader()),
    };
    for (const QString &path : cases) {
        folder.platform.messages.clear();
        EXPECT_FALSE(subMapDraw(folder.form, path, PictureOrientation::Upright)) << qPrintable(path);
        ASSERT_EQ(folder.platform.messages.size(), 1u) << qPrintable(path);
        const platform::MessageRequest &message = folder.platform.messages[0];
        EXPECT_EQ(message.title, QStringLiteral("画像表示時エラー"));
        EXPECT_TRUE(message.text.startsWith(QStringLiteral("subMapDraw()\r"))) << qPrintable(message.text);
        EXPECT_GT(message.text.size(), 14) << "a description follows";
        EXPECT_TRUE(folder.form.pictOrg.isNull());
        EXPECT_EQ(folder.platform.busyDepth, 0);
    }
}

TEST(PictureLoading, ACutOffPictureIsToldInsteadOfShownWithBlackOrGreyRows)
{
    QTemporaryDir folder;
    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QImage image(5, 3, QImage::Format_RGB32); // rows of 16 bytes: 54 + 48 in all
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(&buffer, "BMP"));
    }
    // A one-pixel GIF: header, screen, two colours, a graphic control extension, the image, the
    // trailer.
    const QByteArray gif = QByteArray::fromHex(
        "474946383961010001008000 00ffffff000000 21f90401000000 00"
        "2c00000000010001000002024401 00 3b");
    const QByteArray jpeg = jpegBytes({640, 480});
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    const QByteArray jpegCutBeforeItsEnd = jpeg.left((scan + jpeg.size()) / 2) + "\xFF\xD9";
    struct Row
    {
        const char *what;
        QByteArray bytes;
        bool opens;
    };
    const Row rows[] = {
        {"whole BMP", bmp, true},
        {"BMP short of its last byte", bmp.left(bmp.size() - 1), false},
        {"BMP with its header only", bmp.left(54), false},
        {"whole GIF", gif, true},
        {"GIF without its trailer", gif.left(gif.size() - 1), true},
        {"GIF cut in its image data", gif.left(gif.size() - 3), false},
        {"GIF cut in its extension", gif.left(22), false},
        {"GIF cut in its colour table", gif.left(15), false},
        {"JPEG cut in its data, its end marker kept", jpegCutBeforeItsEnd, false},
    };
    for (const Row &row : rows) {
        const QString path = folder.filePath(QStringLiteral("picture"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(row.bytes);
        file.close();
        const PictureLoadResult loaded = loadPicture(path, PictureOrientation::Upright);
        EXPECT_EQ(!loaded.image.isNull(), row.opens) << row.what;
        if (!row.opens)
            EXPECT_TRUE(loaded.error.startsWith(QStringLiteral("画像データが途中で切れています。")))
                << row.what << ": " << loaded.error.toStdString();
    }
}

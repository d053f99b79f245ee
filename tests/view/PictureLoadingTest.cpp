#include "view/PictureLoading.h"
#include "StartedForm.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QtEndian>

#include <gtest/gtest.h>

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

// The same JPEG with an Exif orientation tag of 6: the camera was turned a quarter clockwise.
QByteArray withOrientationTag(const QByteArray &jpeg)
{
    QByteArray tiff("MM\x00\x2A\x00\x00\x00\x08", 8);
    tiff += QByteArray("\x00\x01", 2);                         // one entry
    tiff += QByteArray("\x01\x12\x00\x03\x00\x00\x00\x01", 8); // Orientation, SHORT, count 1
    tiff += QByteArray("\x00\x06\x00\x00", 4);                 // value 6
    tiff += QByteArray(4, '\0');                               // no next IFD
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    const quint16 length = quint16(exif.size() + 2);
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    segment += exif;
    return jpeg.left(2) + segment + jpeg.mid(2);
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
    EXPECT_EQ(folder.form.pictMapPx, QSizeF(960, 480));
    EXPECT_NEAR(folder.form.pictOrgSizeMm().width(), 254.0, 1e-9); // 960 x 25.4 / 96
    EXPECT_TRUE(folder.platform.messages.empty());
    EXPECT_EQ(folder.platform.busyDepth, 0);
}

TEST(PictureLoading, OrientationTagTurnsThePictureUnlessKeptAsStored)
{
    PictureFolder folder;
    const QString path =
        folder.write(QStringLiteral("phone.jpg"), withOrientationTag(jpegBytes({300, 200})));
    EXPECT_EQ(loadPicture(path, PictureOrientation::Upright).image.size(), QSize(200, 300));
    EXPECT_EQ(loadPicture(path, PictureOrientation::AsStored).image.size(), QSize(300, 200));
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

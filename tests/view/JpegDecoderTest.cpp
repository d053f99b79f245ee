// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/JpegDecoder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <vector>

#include <jpeglib.h>

namespace {

struct ColourCase
{
    const char *name;
    J_COLOR_SPACE input;   // the samples handed to the compressor
    J_COLOR_SPACE stored;  // the colour space inside the file
    bool adobeMarker;
    std::vector<JSAMPLE> samples; // one pixel, repeated over the whole picture
    QRgb expected;
};

void PrintTo(const ColourCase &c, std::ostream *os)
{
    *os << c.name;
}

// Writes a 16 x 8 picture of one colour as libjpeg stores it, the way other programs write
// the colour spaces Qt's own JPEG writer cannot.
void writeJpeg(const QString &path, const ColourCase &c)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    ASSERT_NE(file, nullptr);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = 16;
    info.image_height = 8;
    info.input_components = int(c.samples.size());
    info.in_color_space = c.input;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, c.stored);
    info.write_Adobe_marker = c.adobeMarker;
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (unsigned x = 0; x < info.image_width; ++x)
        row.insert(row.end(), c.samples.begin(), c.samples.end());
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

// Ink C 0, M 50 %, Y 100 %, K 20 %: red 255 * 0.8 = 204, green 127 * 0.8 = 102, blue 0.
// Photoshop and most programs after it store CMYK inverted (255 is no ink) and say so with an
// Adobe marker; a file without one holds the ink itself.
const ColourCase ColourCases[] = {
    {"AdobeCmyk", JCS_CMYK, JCS_CMYK, true, {255, 127, 0, 204}, qRgb(204, 102, 0)},
    {"AdobeYcck", JCS_CMYK, JCS_YCCK, true, {255, 127, 0, 204}, qRgb(204, 102, 0)},
    {"PlainCmyk", JCS_CMYK, JCS_CMYK, false, {0, 128, 255, 51}, qRgb(204, 102, 0)},
    {"Grey", JCS_GRAYSCALE, JCS_GRAYSCALE, false, {77}, qRgb(77, 77, 77)},
    {"Colour", JCS_RGB, JCS_YCbCr, false, {30, 140, 220}, qRgb(30, 140, 220)},
};

class JpegColourSpaces : public testing::TestWithParam<ColourCase>
{
};

TEST_P(JpegColourSpaces, DecodeIntoTheCanvasFormatWithTheirColour)
{
    const ColourCase &c = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("catch.jpg"));
    writeJpeg(path, c);

    const JpegDecodeResult decoded = decodeJpeg(path, 1000);
    ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
    EXPECT_EQ(decoded.image.size(), QSize(16, 8));
    EXPECT_EQ(decoded.image.format(), QImage::Format_RGB32);
    const QRgb pixel = decoded.image.pixel(11, 5);
    constexpr int Tolerance = 3; // quality 100 still rounds through the DCT
    EXPECT_NEAR(qRed(pixel), qRed(c.expected), Tolerance);
    EXPECT_NEAR(qGreen(pixel), qGreen(c.expected), Tolerance);
    EXPECT_NEAR(qBlue(pixel), qBlue(c.expected), Tolerance);
    EXPECT_EQ(qAlpha(pixel), 255);
}

INSTANTIATE_TEST_SUITE_P(Kinds, JpegColourSpaces, testing::ValuesIn(ColourCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

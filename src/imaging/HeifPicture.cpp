// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeifPicture.h"

#include "platform/WorkSteps.h"

#include <QFile>

#include <libheif/heif.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

struct ContextFree
{
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HandleRelease
{
    void operator()(const heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease
{
    void operator()(const heif_image *image) const { heif_image_release(image); }
};
struct OptionsFree
{
    void operator()(heif_decoding_options *options) const { heif_decoding_options_free(options); }
};

HeifReadResult unreadable(const QString &error, QSize size = {})
{
    return {HeifReadResult::Status::Unreadable, {}, size, error};
}

// libheif's errors in the words the JPEG reader uses for the same faults.
HeifReadResult failure(const heif_error &error, QSize size = {})
{
    switch (error.code) {
    case heif_error_Input_does_not_exist:
        return unreadable(QStringLiteral("ファイルを読み込めません。"), size);
    case heif_error_Unsupported_filetype:
    case heif_error_Unsupported_feature:
        return unreadable(QStringLiteral("この HEIF 画像の符号化には対応していません。"), size);
    case heif_error_Memory_allocation_error:
        return unreadable(QStringLiteral("画像を読み込むメモリが足りません。"), size);
    default:
        return unreadable(QStringLiteral("画像データが壊れています。"), size);
    }
}

// One channel laid on white paper by its coverage.
inline uint onWhite(uint value, uint alpha)
{
    return (value * alpha + 255 * (255 - alpha) + 127) / 255;
}

// Copies libheif's interleaved RGB or RGBA rows, which the caller checked are there, into a
// Format_RGB32 picture; a null one when memory runs short.
QImage toRgb32(const heif_image *decoded, bool alpha)
{
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    int stride = 0;
    const uint8_t *plane =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int bytesPerPixel = alpha ? 4 : 3;
    for (int y = 0; y < height; ++y) {
        const uint8_t *in = plane + qsizetype(stride) * y;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += bytesPerPixel) {
            const uint a = alpha ? in[3] : 255;
            out[x] = qRgb(onWhite(in[0], a), onWhite(in[1], a), onWhite(in[2], a));
        }
    }
    worksteps::add(qint64(width) * height);
    return image;
}

} // namespace

bool looksLikeHeif(const QByteArray &head)
{
    const int length = int(std::min<qsizetype>(head.size(), INT_MAX));
    const heif_filetype_result type =
        heif_check_filetype(reinterpret_cast<const uint8_t *>(head.constData()), length);
    return type == heif_filetype_yes_supported || type == heif_filetype_yes_unsupported;
}

HeifReadResult readHeifPicture(const QString &path, qint64 maxPixels)
{
    // Registers libheif's decoders once; the library counts its users and is never left.
    static const bool initialised = heif_init(nullptr).code == heif_error_Ok;
    if (!initialised)
        return unreadable(QStringLiteral("HEIF 画像を読むライブラリを使えません。"));
    std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context)
        return failure({heif_error_Memory_allocation_error, heif_suberror_Unspecified, ""});
    // libheif's own check of each side, before any tile of a grid is allocated.
    heif_context_set_maximum_image_size_limit(context.get(),
                                              int(std::clamp<qint64>(maxPixels, 1, INT_MAX)));
    heif_error error = heif_context_read_from_file(context.get(),
                                                   QFile::encodeName(path).constData(), nullptr);
    if (error.code != heif_error_Ok)
        return failure(error);

    heif_image_handle *rawHandle = nullptr;
    error = heif_context_get_primary_image_handle(context.get(), &rawHandle);
    std::unique_ptr<const heif_image_handle, HandleRelease> handle(rawHandle);
    if (error.code != heif_error_Ok)
        return failure(error);
    // The size as shown: the file's rotation is already taken into it.
    const QSize size(heif_image_handle_get_width(handle.get()),
                     heif_image_handle_get_height(handle.get()));
    if (size.isEmpty())
        return failure({heif_error_Invalid_input, heif_suberror_Unspecified, ""});
    if (qint64(size.width()) * size.height() > maxPixels)
        return {HeifReadResult::Status::TooLarge, {}, size, {}};

    const bool alpha = heif_image_handle_has_alpha_channel(handle.get());
    std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
    if (!options)
        return failure({heif_error_Memory_allocation_error, heif_suberror_Unspecified, ""}, size);
    options->convert_hdr_to_8bit = 1;
    heif_image *rawImage = nullptr;
    error = heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB,
                              alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                              options.get());
    std::unique_ptr<const heif_image, ImageRelease> decoded(rawImage);
    if (error.code != heif_error_Ok)
        return failure(error, size);
    // What was decoded is checked again: the sizes a file states may disagree.
    const QSize decodedSize(heif_image_get_width(decoded.get(), heif_channel_interleaved),
                            heif_image_get_height(decoded.get(), heif_channel_interleaved));
    int stride = 0;
    if (decodedSize.isEmpty()
        || !heif_image_get_plane_readonly(decoded.get(), heif_channel_interleaved, &stride))
        return failure({heif_error_Invalid_input, heif_suberror_Unspecified, ""}, size);
    if (qint64(decodedSize.width()) * decodedSize.height() > maxPixels)
        return {HeifReadResult::Status::TooLarge, {}, decodedSize, {}};
    QImage image = toRgb32(decoded.get(), alpha);
    if (image.isNull())
        return failure({heif_error_Memory_allocation_error, heif_suberror_Unspecified, ""}, size);
    return {HeifReadResult::Status::Read, image, image.size(), {}};
}

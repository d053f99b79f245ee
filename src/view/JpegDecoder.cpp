// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegDecoder.h"

#include "platform/WorkSteps.h"

#include <QFile>

#include <sys/mman.h>
#include <sys/stat.h>

#include <algorithm>
#include <csetjmp>
#include <thread>
#include <cstdio>
#include <memory>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// libjpeg reports fatal errors through a callback that must not return: jump back out.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool truncated = false;
};

void onError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// Warnings are ignored, except those that say the picture's data ends before the picture does:
// at the end of the file, or at a marker in the midst of the data.
void onMessage(j_common_ptr info, int level)
{
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        reinterpret_cast<ErrorManager *>(info->err)->truncated = true;
}

// Huffman-coded data spends at least a bit on each 8 x 8 block of the first component (its DC
// code). A file shorter than that ends long before the picture its header promises, however
// large, and is refused before anything is decoded. Arithmetic coding can legitimately spend
// less, and is left to the pixel limit.
bool endsLongBeforeItsPicture(const jpeg_decompress_struct &info, std::FILE *file)
{
    struct stat status;
    if (info.arith_code || fstat(fileno(file), &status) != 0)
        return false;
    const jpeg_component_info &first = info.comp_info[0];
    return qint64(status.st_size) * 8 < qint64(first.width_in_blocks) * first.height_in_blocks;
}

// Runs libjpeg work so that a fatal error lands here; the work holds no objects that need
// destroying, since the jump skips their destructors.
template <class Work>
bool guarded(ErrorManager &errors, Work &&work)
{
    if (setjmp(errors.jump))
        return false;
    work();
    return true;
}

// Memory for a 32-bit picture, mapped fresh from the kernel. A photograph takes tens of
// thousands of pages, and faulting each one in while decoding is a good part of the time it takes
// to open one; PagePrefetch has the kernel fill them in on the other core meanwhile.
struct PictureMemory
{
    uchar *bits = nullptr;
    std::size_t bytes = 0;
};

PictureMemory mapPictureMemory(std::size_t bytes)
{
    void *memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return {};
    return {static_cast<uchar *>(memory), bytes};
}

QImage pictureOn(PictureMemory memory, int width, int height)
{
    auto *owned = new PictureMemory(memory);
    return QImage(
        memory.bits, width, height, qsizetype(width) * 4, QImage::Format_RGB32,
        [](void *block) {
            auto *mapped = static_cast<PictureMemory *>(block);
            munmap(mapped->bits, mapped->bytes);
            delete mapped;
        },
        owned);
}

// Populates the pages front to back, ahead of the decoder that writes them in the same order.
// The kernel only maps them; no byte is written, so the two never touch the same data.
class PagePrefetch
{
public:
    explicit PagePrefetch(PictureMemory memory)
        : m_thread([memory] {
#ifdef MADV_POPULATE_WRITE
              constexpr std::size_t Chunk = 4 * 1024 * 1024;
              for (std::size_t offset = 0; offset < memory.bytes; offset += Chunk) {
                  const std::size_t length = std::min(Chunk, memory.bytes - offset);
                  if (madvise(memory.bits + offset, length, MADV_POPULATE_WRITE) != 0)
                      return; // an older kernel: the decoder faults the pages in itself
              }
#else
              Q_UNUSED(memory);
#endif
          })
    {
    }
    ~PagePrefetch() { m_thread.join(); }
    PagePrefetch(const PagePrefetch &) = delete;
    PagePrefetch &operator=(const PagePrefetch &) = delete;

private:
    std::thread m_thread;
};

// Turns a row of C, M, Y, K samples into B, G, R, 0xFF in place. `inverted` samples count the
// paper left white (255 is no ink), as Photoshop writes them; the others count the ink.
void inkRowToRgb32(uchar *row, int width, bool inverted)
{
    for (uchar *pixel = row; pixel != row + std::size_t(width) * 4; pixel += 4) {
        int white[4];
        for (int i = 0; i < 4; ++i)
            white[i] = inverted ? pixel[i] : 255 - pixel[i];
        const auto under = [&white](int i) { return uchar((white[i] * white[3] + 127) / 255); };
        const uchar red = under(0);
        const uchar green = under(1);
        const uchar blue = under(2);
        pixel[0] = blue;
        pixel[1] = green;
        pixel[2] = red;
        pixel[3] = 0xFF;
    }
}

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};

} // namespace

QString pictureTooLargeText(qint64 width, qint64 height)
{
    return QStringLiteral("画像が大きすぎます（%1 × %2 画素）。1 億 5000 万画素まで開けます。")
        .arg(width)
        .arg(height);
}

bool looksLikeJpeg(const QByteArray &head)
{
    return head.size() >= 3 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xD8
           && uchar(head[2]) == 0xFF;
}

JpegDecodeResult decodeJpeg(const QString &path, qint64 maxPixels)
{
    std::unique_ptr<std::FILE, FileCloser> file(
        std::fopen(QFile::encodeName(path).constData(), "rb"));
    if (!file)
        return {{}, QStringLiteral("ファイルを読み込めません。")};

    jpeg_decompress_struct info{};
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    jpeg_create_decompress(&info);
    const auto fail = [&info](const QString &error) {
        jpeg_destroy_decompress(&info);
        return JpegDecodeResult{{}, error};
    };
    const QString damaged = QStringLiteral("画像データが壊れています。");

    std::FILE *source = file.get();
    if (!guarded(errors, [&info, source] {
            jpeg_stdio_src(&info, source);
            jpeg_read_header(&info, TRUE);
        }))
        return fail(damaged);
    if (qint64(info.image_width) * info.image_height > maxPixels) {
        return fail(pictureTooLargeText(info.image_width, info.image_height));
    }
    const QString incomplete = QStringLiteral("画像データが途中で切れています。");
    if (endsLongBeforeItsPicture(info, source))
        return fail(incomplete);
    // libjpeg writes grey and colour pictures straight in the byte order of Format_RGB32, but
    // CMYK (and YCCK, which it turns into CMYK) only as ink samples. Photoshop stores those
    // inverted and marks its files with an Adobe segment; a file without one holds the ink.
    const bool ink = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    const bool inverted = info.saw_Adobe_marker;
    info.out_color_space = ink ? JCS_CMYK : JCS_EXT_BGRX;
    if (!guarded(errors, [&info] { jpeg_start_decompress(&info); }))
        return fail(damaged);
    const int width = int(info.output_width);
    const int height = int(info.output_height);
    const PictureMemory memory = mapPictureMemory(std::size_t(width) * 4 * std::size_t(height));
    if (!memory.bits)
        return fail(QStringLiteral("画像を読み込むメモリが足りません。"));
    QImage image = pictureOn(memory, width, height);
    const std::size_t stride = std::size_t(width) * 4;
    bool decoded = false;
    {
        PagePrefetch prefetch(memory);
        decoded = guarded(errors, [&info, &memory, stride, width, ink, inverted] {
            while (info.output_scanline < info.output_height) {
                JSAMPROW row = memory.bits + stride * info.output_scanline;
                jpeg_read_scanlines(&info, &row, 1);
                if (ink)
                    inkRowToRgb32(row, width, inverted);
            }
            jpeg_finish_decompress(&info);
        });
    }
    worksteps::add(qint64(info.output_scanline) * width);
    if (!decoded)
        return fail(damaged);
    jpeg_destroy_decompress(&info);
    if (errors.truncated)
        return {{}, incomplete};
    return {image, {}};
}

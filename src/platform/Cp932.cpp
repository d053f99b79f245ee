// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp932.h"

#include "WorkSteps.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <optional>

namespace cp932 {
namespace {

// One iconv conversion between CP932 and the host's UCS-4 (glibc's "WCHAR_T").
class Converter
{
public:
    Converter(const char *to, const char *from) : m_handle(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_handle != invalidHandle())
            iconv_close(m_handle);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts as much as fits; false with errno set when it stopped early (E2BIG: output full).
    bool convert(const char **in, size_t *inLeft, char **out, size_t *outLeft)
    {
        if (m_handle == invalidHandle()) {
            errno = EBADF;
            return false;
        }
        if (iconv(m_handle, const_cast<char **>(in), inLeft, out, outLeft) != size_t(-1))
            return true;
        const int error = errno;
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr); // back to the initial state
        errno = error;
        return false;
    }

private:
    static iconv_t invalidHandle() { return reinterpret_cast<iconv_t>(-1); }

    iconv_t m_handle;
};

bool appendEncoded(Converter &converter, char32_t codePoint, QByteArray &bytes)
{
    const char *in = reinterpret_cast<const char *>(&codePoint);
    size_t inLeft = sizeof codePoint;
    char encoded[8];
    char *out = encoded;
    size_t outLeft = sizeof encoded;
    if (!converter.convert(&in, &inLeft, &out, &outLeft))
        return false;
    bytes.append(encoded, out - encoded);
    return true;
}

// Five single bytes glibc's table leaves out but Windows reads and writes: 0x80 as U+0080 and
// 0xA0, 0xFD, 0xFE, 0xFF as the private-use characters U+F8F0..U+F8F3. None of them starts a
// double-byte character. (0x80 and 0xA0 may also be second bytes; those pairs are glibc's.)
struct SingleByte
{
    char byte;
    char16_t character;
};

constexpr SingleByte WindowsOnlySingleBytes[] = {
    {char(0x80), 0x0080}, {char(0xA0), 0xF8F0}, {char(0xFD), 0xF8F1},
    {char(0xFE), 0xF8F2}, {char(0xFF), 0xF8F3},
};

std::optional<char16_t> windowsOnlyCharacter(char byte)
{
    for (const SingleByte &single : WindowsOnlySingleBytes) {
        if (single.byte == byte)
            return single.character;
    }
    return std::nullopt;
}

std::optional<char> windowsOnlyByte(char32_t character)
{
    for (const SingleByte &single : WindowsOnlySingleBytes) {
        if (single.character == character)
            return single.byte;
    }
    return std::nullopt;
}

// What each single byte and each pair of a lead byte and the next decode to, taken once from
// glibc's table with the five single bytes it lacks filled in; 0 for a pair that forms no
// character. Looking characters up keeps decoding at a step a byte however many bytes form no
// character, where starting iconv afresh after each of them takes a microsecond a byte.
class DecodeTable
{
public:
    DecodeTable()
    {
        Converter converter("WCHAR_T", "CP932");
        m_single.fill(QChar::ReplacementCharacter);
        for (int byte = 0; byte < 0x100; ++byte) {
            if (byte < 0x80)
                m_single[byte] = char16_t(byte);
            else if (const std::optional<char16_t> windows = windowsOnlyCharacter(char(byte)))
                m_single[byte] = *windows;
            else if (const char16_t katakana = character(converter, {char(byte)}, 1))
                m_single[byte] = katakana;
        }
        for (int lead = 0x81; lead < 0x100; ++lead) {
            if (!isLeadByte(char(lead)))
                continue;
            for (int trail = 0; trail < 0x100; ++trail)
                m_pairs[pairIndex(uchar(lead), uchar(trail))] =
                    character(converter, {char(lead), char(trail)}, 2);
        }
    }

    char16_t single(uchar byte) const { return m_single[byte]; } // U+FFFD: none
    char16_t pair(uchar lead, uchar trail) const { return m_pairs[pairIndex(lead, trail)]; }

private:
    // The lead bytes 0x81..0x9F, then 0xE0..0xFC.
    static constexpr int LeadBytes = 31 + 29;
    static std::size_t pairIndex(uchar lead, uchar trail)
    {
        const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
        return std::size_t(row) * 0x100 + trail;
    }

    // The one character iconv makes of all `count` bytes, or 0. The code page has no character
    // beyond the basic plane.
    static char16_t character(Converter &converter, std::array<char, 2> bytes, size_t count)
    {
        const char *in = bytes.data();
        size_t inLeft = count;
        char32_t decoded[2];
        char *out = reinterpret_cast<char *>(decoded);
        size_t outLeft = sizeof decoded;
        const bool whole = converter.convert(&in, &inLeft, &out, &outLeft) && inLeft == 0;
        const bool one = out == reinterpret_cast<char *>(decoded + 1);
        return whole && one && decoded[0] > 0 && decoded[0] <= 0xFFFF ? char16_t(decoded[0]) : 0;
    }

    std::array<char16_t, 0x100> m_single{};
    std::array<char16_t, LeadBytes * 0x100> m_pairs{};
};

} // namespace

EncodeResult encode(const QString &text)
{
    Converter converter("CP932", "WCHAR_T");
    EncodeResult result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.unicode() < 0x80) {
            result.bytes.append(char(unit.unicode()));
            continue;
        }
        const bool pair = unit.isHighSurrogate() && i + 1 < text.size()
                          && text.at(i + 1).isLowSurrogate();
        const char32_t codePoint = pair ? QChar::surrogateToUcs4(unit, text.at(i + 1))
                                        : char32_t(unit.unicode());
        const bool loneSurrogate = unit.isSurrogate() && !pair;
        if (const std::optional<char> byte = windowsOnlyByte(codePoint)) {
            result.bytes.append(*byte);
            continue;
        }
        if (loneSurrogate || !appendEncoded(converter, codePoint, result.bytes))
            result.unencodable.append(text.mid(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    return result;
}

QString decode(const QByteArray &bytes)
{
    static const DecodeTable table;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    qint64 looked = 0; // bytes looked at, for the count of steps
    const auto byteAt = [&](qsizetype at) {
        ++looked;
        return data[at];
    };
    QString text(size, Qt::Uninitialized);
    char16_t *const start = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = start;
    for (qsizetype pos = 0; pos < size;) {
        const uchar byte = byteAt(pos++);
        if (!isLeadByte(char(byte))) {
            *out++ = table.single(byte);
            continue;
        }
        // A lead byte that pairs into no character is U+FFFD, and the next byte starts afresh.
        const char16_t character = pos < size ? table.pair(byte, byteAt(pos)) : 0;
        *out++ = character ? character : char16_t(QChar::ReplacementCharacter);
        pos += character ? 1 : 0;
    }
    text.truncate(out - start);
    worksteps::add(looked);
    return text;
}

bool isLeadByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

QByteArray truncateBytes(const QByteArray &bytes, qsizetype maxBytes)
{
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype next = isLeadByte(bytes.at(end)) ? end + 2 : end + 1;
        if (next > maxBytes)
            break;
        end = next;
    }
    return bytes.left(end);
}

} // namespace cp932

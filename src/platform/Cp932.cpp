#include "Cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <iterator>
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
// double-byte character, and iconv stops at a byte it cannot take, so these are filled in
// around it. (0x80 and 0xA0 may also be second bytes; those pairs stay with iconv.)
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

// Appends what iconv gave. The code page has no character beyond the basic plane; anything
// else still comes out whole.
void appendUcs4(QString &text, const char32_t *characters, qsizetype count)
{
    char16_t units[512];
    qsizetype used = 0;
    for (qsizetype i = 0; i < count; ++i) {
        if (used + 2 > qsizetype(std::size(units))) {
            text.append(QStringView(units, used));
            used = 0;
        }
        const char32_t c = characters[i];
        if (QChar::requiresSurrogates(c)) {
            units[used++] = QChar::highSurrogate(c);
            units[used++] = QChar::lowSurrogate(c);
        } else {
            units[used++] = char16_t(c);
        }
    }
    text.append(QStringView(units, used));
}

// Decodes bytes with iconv up to their end or up to the first byte it stops at. A single byte
// glibc lacks gives its Windows character; any other stop (not a character, or a lead byte cut
// off at the end) turns that one byte into U+FFFD, and decoding goes on after it. Returns how
// many bytes were taken.
qsizetype decodeRun(Converter &converter, const char *bytes, qsizetype length, QString &text)
{
    const char *in = bytes;
    size_t inLeft = size_t(length);
    while (inLeft > 0) {
        char32_t chunk[256];
        char *out = reinterpret_cast<char *>(chunk);
        size_t outLeft = sizeof chunk;
        const bool done = converter.convert(&in, &inLeft, &out, &outLeft);
        const int error = errno;
        appendUcs4(text, chunk, (out - reinterpret_cast<char *>(chunk)) / 4);
        if (!done && error != E2BIG) {
            text.append(QChar(windowsOnlyCharacter(*in).value_or(QChar::ReplacementCharacter)));
            ++in;
            break;
        }
    }
    return in - bytes;
}

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
    // Record books are mostly numbers: runs of ASCII bytes are taken as they are (the code page
    // agrees with ASCII below 0x80 wherever a character starts), and iconv gets the runs of other
    // characters in between, each starting where a character starts.
    Converter converter("WCHAR_T", "CP932");
    QString text;
    text.reserve(bytes.size());
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype pos = 0;
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && static_cast<unsigned char>(data[end]) < 0x80)
            ++end;
        if (end > pos) {
            text.append(QLatin1StringView(data + pos, end - pos));
            pos = end;
            continue;
        }
        while (end < size && static_cast<unsigned char>(data[end]) >= 0x80)
            end += isLeadByte(data[end]) ? 2 : 1;
        pos += decodeRun(converter, data + pos, std::min(end, size) - pos, text);
    }
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

#include "ProfileFile.h"

#include "Cp932.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

const QByteArray lineEnd = "\r\n";

QChar asciiLower(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + ('a' - 'A')) : c;
}

bool sameName(const QString &a, const QString &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](QChar x, QChar y) { return asciiLower(x) == asciiLower(y); });
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Only ASCII blanks count: an ideographic space is part of a Japanese name.
QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// No blank, control byte, '=' or ';' is ever the second byte of a double-byte character, so
// these are safe to look for in the bytes.
QByteArray trimmedBytes(const QByteArray &bytes)
{
    return bytes.trimmed();
}

std::optional<QString> sectionName(const QByteArray &line)
{
    const QByteArray trimmed = trimmedBytes(line);
    if (!trimmed.startsWith('['))
        return std::nullopt;
    // ']' can be the second byte of a double-byte character, so look for it in the text.
    const QString inside = cp932::decode(trimmed.mid(1));
    const qsizetype close = inside.indexOf(u']');
    return trimBlanks(close < 0 ? inside : inside.left(close));
}

struct KeyLine
{
    QString key;
    QByteArray value;
};

std::optional<KeyLine> keyLine(const QByteArray &line)
{
    const QByteArray trimmed = trimmedBytes(line);
    const qsizetype equals = line.indexOf('=');
    if (trimmed.startsWith(';') || trimmed.startsWith('[') || equals < 0)
        return std::nullopt;
    return KeyLine{trimBlanks(cp932::decode(line.left(equals))),
                   trimmedBytes(line.mid(equals + 1))};
}

QString readValue(QByteArray value)
{
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
                        && value.back() == value.front();
    if (quoted)
        value = value.mid(1, value.size() - 2);
    const qsizetype nul = value.indexOf('\0');
    if (nul >= 0)
        value.truncate(nul);
    return cp932::decode(cp932::truncateBytes(value, ProfileDocument::MaxValueBytes));
}

// A line break, a NUL, '=' in a key or ']' in a section would make the written line read back
// as something else, or as more than one line.
bool fitsLineSyntax(const QString &section, const QString &key, const QString &value)
{
    const QString keyStart = trimBlanks(key);
    const QString all = section + key + value;
    return !section.contains(u']') && !key.contains(u'=') && !keyStart.startsWith(u';')
           && !keyStart.startsWith(u'[') && !all.contains(u'\r') && !all.contains(u'\n')
           && !all.contains(QChar(u'\0'));
}

} // namespace

std::optional<ProfileDocument> ProfileDocument::load(const QString &file)
{
    ProfileDocument document;
    QFile input(file);
    if (!input.exists())
        return document;
    if (!input.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = input.readAll();
    if (input.error() != QFileDevice::NoError)
        return std::nullopt;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype newline = data.indexOf('\n', start);
        if (newline < 0) {
            document.m_lines.append({data.mid(start), {}});
            break;
        }
        QByteArray text = data.mid(start, newline - start);
        const bool crlf = text.endsWith('\r');
        if (crlf)
            text.chop(1);
        document.m_lines.append({text, crlf ? lineEnd : QByteArray("\n")});
        start = newline + 1;
    }
    return document;
}

ProfileDocument::Position ProfileDocument::find(const QString &section, const QString &key) const
{
    const QString wantedSection = trimBlanks(section);
    const QString wantedKey = trimBlanks(key);
    Position position;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QByteArray &text = m_lines.at(i).text;
        if (const auto name = sectionName(text)) {
            if (position.section >= 0)
                break; // only the first section of that name counts
            if (sameName(*name, wantedSection)) {
                position.section = i;
                position.insertAt = i + 1;
            }
            continue;
        }
        if (position.section < 0)
            continue;
        if (!trimmedBytes(text).isEmpty())
            position.insertAt = i + 1; // new keys go before the blank lines ending the section
        if (position.key < 0) {
            const auto line = keyLine(text);
            if (line && sameName(line->key, wantedKey))
                position.key = i;
        }
    }
    return position;
}

QString ProfileDocument::value(const QString &section, const QString &key) const
{
    if (trimBlanks(section).isEmpty() || trimBlanks(key).isEmpty())
        return {};
    const Position position = find(section, key);
    if (position.key < 0)
        return {};
    return readValue(keyLine(m_lines.at(position.key).text)->value);
}

bool ProfileDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    if (trimBlanks(section).isEmpty() || trimBlanks(key).isEmpty() || value.isEmpty()
        || !fitsLineSyntax(section, key, value)) {
        return false;
    }
    const cp932::EncodeResult sectionBytes = cp932::encode(section);
    const cp932::EncodeResult keyBytes = cp932::encode(key);
    const cp932::EncodeResult valueBytes = cp932::encode(value);
    if (!sectionBytes.ok() || !keyBytes.ok() || !valueBytes.ok())
        return false;

    const Position position = find(section, key);
    if (position.key >= 0) {
        QByteArray &text = m_lines[position.key].text;
        text = text.left(text.indexOf('=') + 1) + valueBytes.bytes;
        return true;
    }
    qsizetype insertAt = position.insertAt;
    if (position.section < 0) {
        insertAt = m_lines.size();
        insertLine(insertAt++, '[' + sectionBytes.bytes + ']');
    }
    insertLine(insertAt, keyBytes.bytes + '=' + valueBytes.bytes);
    return true;
}

void ProfileDocument::insertLine(qsizetype index, const QByteArray &text)
{
    if (index > 0 && m_lines.at(index - 1).end.isEmpty())
        m_lines[index - 1].end = lineEnd;
    m_lines.insert(index, {text, lineEnd});
}

QByteArray ProfileDocument::bytes() const
{
    QByteArray all;
    for (const Line &line : m_lines)
        all += line.text + line.end;
    return all;
}

bool ProfileDocument::save(const QString &file) const
{
    // QSaveFile's commit does not always notice that a buffered write failed (a full disk): the
    // write and the flush are checked before the file may replace the old one.
    QSaveFile output(file);
    const QByteArray content = bytes();
    return output.open(QIODevice::WriteOnly) && output.write(content) == content.size()
           && output.flush() && output.commit();
}

QString ReadSetting(const QString &section, const QString &key, const QString &file)
{
    const auto document = ProfileDocument::load(file);
    return document ? document->value(section, key) : QString();
}

bool WriteSetting(const QString &section, const QString &key, const QString &value,
                  const QString &file)
{
    auto document = ProfileDocument::load(file);
    return document && document->setValue(section, key, value) && document->save(file);
}

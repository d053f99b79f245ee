// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFile.h"

#include "Cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

const QByteArray lineEnd = "\r\n";

QChar asciiLower(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + ('a' - 'A')) : c;
}

// Names match whatever their ASCII case: the index holds them folded this way.
QString foldedName(QString name)
{
    for (QChar &c : name)
        c = asciiLower(c);
    return name;
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

// Names are nearly always ASCII, which code page 932 keeps as it is; this spares the converter.
QString decodeName(const QByteArray &bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char byte) { return uchar(byte) < 0x80; });
    return ascii ? QString::fromLatin1(bytes) : cp932::decode(bytes);
}

std::optional<QString> sectionName(const QByteArray &line)
{
    const QByteArray trimmed = trimmedBytes(line);
    if (!trimmed.startsWith('['))
        return std::nullopt;
    // ']' can be the second byte of a double-byte character, so look for it in the text.
    const QString inside = decodeName(trimmed.mid(1));
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
    return KeyLine{trimBlanks(decodeName(line.left(equals))),
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
    const QFileInfo info(file);
    if (!info.exists())
        return document;
    if (!info.isFile())
        return std::nullopt;
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return std::nullopt;
    // One byte past the limit tells a file that is too long from one that just fits.
    const QByteArray data = input.read(MaxFileBytes + 1);
    if (input.error() != QFileDevice::NoError || data.size() > MaxFileBytes)
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
    document.buildIndex();
    return document;
}

void ProfileDocument::buildIndex()
{
    qsizetype current = -1; // the section the lines belong to, when it is the first of its name
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QByteArray &text = m_lines.at(i).text;
        ++m_linesParsed;
        if (const auto name = sectionName(text)) {
            const QString folded = foldedName(*name);
            current = -1;
            if (!m_sectionByName.contains(folded)) {
                current = m_sections.size();
                m_sections.append({i, i + 1, {}});
                m_sectionByName.insert(folded, current);
            }
            continue;
        }
        if (current < 0)
            continue;
        Section &section = m_sections[current];
        if (!trimmedBytes(text).isEmpty())
            section.insertAt = i + 1;
        if (const auto line = keyLine(text)) {
            const QString key = foldedName(line->key);
            if (!section.keys.contains(key))
                section.keys.insert(key, i);
        }
    }
}

const ProfileDocument::Section *ProfileDocument::findSection(const QString &section) const
{
    const auto found = m_sectionByName.constFind(foldedName(trimBlanks(section)));
    return found == m_sectionByName.cend() ? nullptr : &m_sections.at(*found);
}

QString ProfileDocument::value(const QString &section, const QString &key) const
{
    if (trimBlanks(section).isEmpty() || trimBlanks(key).isEmpty())
        return {};
    const Section *found = findSection(section);
    if (!found)
        return {};
    const qsizetype line = found->keys.value(foldedName(trimBlanks(key)), -1);
    if (line < 0)
        return {};
    ++m_linesParsed;
    return readValue(keyLine(m_lines.at(line).text)->value);
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

    const auto found = m_sectionByName.constFind(foldedName(trimBlanks(section)));
    const qsizetype sectionIndex = found != m_sectionByName.cend()
                                       ? *found
                                       : addSection(section, sectionBytes.bytes);
    const qsizetype line =
        m_sections.at(sectionIndex).keys.value(foldedName(trimBlanks(key)), -1);
    if (line >= 0) {
        // The key's part of the line stays as it is, so the index still holds.
        QByteArray &text = m_lines[line].text;
        text = text.left(text.indexOf('=') + 1) + valueBytes.bytes;
        return true;
    }
    insertKey(sectionIndex, key, keyBytes.bytes + '=' + valueBytes.bytes);
    return true;
}

bool ProfileDocument::removeKey(const QString &section, const QString &key)
{
    const Section *found = findSection(section);
    const QString folded = foldedName(trimBlanks(key));
    if (!found || !found->keys.contains(folded))
        return false;
    qsizetype end = found->header + 1;
    while (end < m_lines.size() && !sectionName(m_lines.at(end).text))
        ++end;
    for (qsizetype i = end - 1; i > found->header; --i) {
        const auto line = keyLine(m_lines.at(i).text);
        if (line && foldedName(line->key) == folded)
            m_lines.remove(i);
    }
    m_sections.clear();
    m_sectionByName.clear();
    buildIndex();
    return true;
}

// A new section follows the last line, like the Windows writer puts it.
qsizetype ProfileDocument::addSection(const QString &section, const QByteArray &bytes)
{
    const qsizetype header = m_lines.size();
    insertLine(header, '[' + bytes + ']');
    m_sections.append({header, header + 1, {}});
    m_sectionByName.insert(foldedName(trimBlanks(section)), m_sections.size() - 1);
    return m_sections.size() - 1;
}

void ProfileDocument::insertKey(qsizetype section, const QString &key, const QByteArray &text)
{
    const qsizetype at = m_sections.at(section).insertAt;
    insertLine(at, text);
    Section &owner = m_sections[section];
    owner.insertAt = at + 1;
    owner.keys.insert(foldedName(trimBlanks(key)), at);
}

// Moves every indexed line at or after `index` one down. A section whose new keys go exactly
// at `index` keeps that place: the line put there is not its own (the caller moves its own).
void ProfileDocument::insertLine(qsizetype index, const QByteArray &text)
{
    if (index > 0 && m_lines.at(index - 1).end.isEmpty())
        m_lines[index - 1].end = lineEnd;
    m_lines.insert(index, {text, lineEnd});
    for (Section &section : m_sections) {
        if (section.header >= index)
            ++section.header;
        if (section.insertAt > index)
            ++section.insertAt;
        for (qsizetype &line : section.keys) {
            if (line >= index)
                ++line;
        }
    }
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

QString escapedKey(const QString &name)
{
    QString key;
    for (const char32_t c : name.toUcs4()) {
        if (c > u' ' && c < 0x7F && !QStringView(u"%=;[]\"'").contains(QChar(c))) {
            key += QChar(c);
            continue;
        }
        for (const char byte : QString::fromUcs4(&c, 1).toUtf8())
            key += u'%' + QString::number(uchar(byte), 16).toUpper().rightJustified(2, u'0');
    }
    return key;
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

bool RemoveSetting(const QString &section, const QString &key, const QString &file)
{
    auto document = ProfileDocument::load(file);
    if (!document)
        return false;
    return !document->removeKey(section, key) || document->save(file);
}

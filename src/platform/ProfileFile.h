// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// Settings-style files ("[section]" lines, then "key=value" lines) in code page 932, read and
// written the way the Windows private-profile functions do: names match whatever their ASCII
// case, blanks around names and values do not count, one pair of quotes round a value is
// dropped, ';' lines are comments. Everything a write does not touch stays byte for byte.
class ProfileDocument
{
public:
    // Longest value a read returns, in bytes of code page 932.
    static constexpr qsizetype MaxValueBytes = 126;
    // Longest file load reads. Settings and record books take a few kilobytes.
    static constexpr qsizetype MaxFileBytes = 1024 * 1024;

    // A missing file gives an empty document; a file that exists but cannot be read gives none,
    // so that saving can never replace it with a near-empty one. So does anything but a regular
    // file (after following links: a pipe would block, a device would never end) and a file
    // longer than MaxFileBytes.
    static std::optional<ProfileDocument> load(const QString &file);

    // The value, cut at its first NUL and to MaxValueBytes bytes (never inside a double-byte
    // character); empty when the section or the key is missing.
    QString value(const QString &section, const QString &key) const;

    // Replaces the key's value in place, or adds the key at the end of its section, or adds the
    // section at the end of the document. Changes nothing and returns false when the key or
    // the value is empty, when a text cannot be carried by code page 932, or when a name or
    // value would break the line syntax (a line break, a NUL, '=' in a key, ']' in a section).
    bool setValue(const QString &section, const QString &key, const QString &value);

    // Takes the key's lines out of its section (a second line of the same key too, which would
    // otherwise be read once the first is gone); false when there was none.
    bool removeKey(const QString &section, const QString &key);

    // The document as its file holds it.
    QByteArray bytes() const;

    // How many times a line has been taken apart: once each while loading, then once for each
    // value found. Look-ups go through the index, never through the lines.
    qsizetype linesParsed() const { return m_linesParsed; }

    // Writes the whole document to a temporary file beside `file` and renames it over `file`;
    // false, with `file` as it was, when any byte could not be written.
    bool save(const QString &file) const;

private:
    struct Line
    {
        QByteArray text; // without the line end
        QByteArray end;  // "\r\n", "\n" or empty on an unterminated last line
    };
    // The first section of each name; a later one of the same name is never read or written.
    struct Section
    {
        qsizetype header = -1;          // index of the "[section]" line
        qsizetype insertAt = 0;         // where a new key goes: before the blank lines ending it
        QHash<QString, qsizetype> keys; // folded key name -> its first line
    };

    void buildIndex();
    const Section *findSection(const QString &section) const;
    qsizetype addSection(const QString &section, const QByteArray &bytes);
    void insertKey(qsizetype section, const QString &key, const QByteArray &text);
    void insertLine(qsizetype index, const QByteArray &text);

    QList<Line> m_lines;
    QList<Section> m_sections;
    QHash<QString, qsizetype> m_sectionByName; // folded section name -> m_sections index
    mutable qsizetype m_linesParsed = 0;
};

// A name (a printer's, say) as a key that reads back as that name alone. What a key cannot hold
// as it is, anything outside printable ASCII, a blank, '=', ';', brackets and quotes, and '%'
// itself are written as '%' and two upper-case hex digits per UTF-8 byte ("a=b" -> "a%3Db").
// Keys still match whatever their ASCII case.
QString escapedKey(const QString &name);

// Reads one key; empty when the file, the section or the key is missing.
QString ReadSetting(const QString &section, const QString &key, const QString &file);

// Writes one key, creating the file and the section as needed. Writes nothing and returns false
// when the key or the value is empty (so an empty value never clears a key) or the file cannot
// be read or written.
bool WriteSetting(const QString &section, const QString &key, const QString &value,
                  const QString &file);

// Takes one key out, leaving everything else as it was. True when the key is no longer there
// (also when it never was, and then the file is not touched); false when the file cannot be
// read or written.
bool RemoveSetting(const QString &section, const QString &key, const QString &file);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <cstddef>
#include <memory>
#include <unordered_map>

class CharacterAdvances;
class QPaintDevice;

// What decides how large a text comes out: the face, the point size and the four attributes.
struct FontKey
{
    QString face;
    qreal points = 0;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;

    bool operator==(const FontKey &) const = default;
    QFont toFont() const;
};

// Text widths and font heights on one paint device, each measured once. Measuring means
// resolving the font and shaping the text, some microseconds each time; a record book at its
// limits measures about 18,000 labels on every open and every zoom, most of them with a font and
// a caption measured before. The font and the text are the key, so a label whose caption or font
// changed is measured afresh. The cache forgets everything once it holds more characters of
// text than its budget, so hostile captions cannot make it grow without bound. A text longer
// than LongestShapedText is measured character by character (see CharacterAdvances).
class TextExtentCache
{
public:
    // Longer than a label in use holds. Shaping takes about 0.2 µs a character, and a record
    // book can hold 49,149 labels; measured twice on opening, 48 characters each make a second.
    static constexpr qsizetype LongestShapedText = 48;

    // The texts kept are mostly the labels' own captions, shared and not copied.
    explicit TextExtentCache(const QPaintDevice *device, qsizetype characterBudget = 1 << 23);

    qreal width(const FontKey &font, const QString &text);
    qreal height(const FontKey &font);
    void clear();

private:
    struct FontKeyHash
    {
        std::size_t operator()(const FontKey &key) const;
    };
    struct Measured
    {
        QFontMetricsF metrics;
        std::unordered_map<QString, qreal> widths;
        std::shared_ptr<CharacterAdvances> characters; // made for the first very long text
    };

    Measured &measured(const FontKey &font);

    const QPaintDevice *m_device;
    qsizetype m_characterBudget;
    qsizetype m_characters = 0;
    std::unordered_map<FontKey, Measured, FontKeyHash> m_fonts;
};

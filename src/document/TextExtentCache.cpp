// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextExtentCache.h"

#include "document/CharacterAdvances.h"

#include <QHashFunctions>

namespace {

// Fonts take memory of their own (a resolved engine each); a book of hostile font names could
// hold one per label.
constexpr std::size_t MostFonts = 512;

} // namespace

QFont FontKey::toFont() const
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStrikeOut(strikeOut);
    font.setUnderline(underline);
    return font;
}

std::size_t TextExtentCache::FontKeyHash::operator()(const FontKey &key) const
{
    return qHashMulti(0, key.face, key.points, key.bold, key.italic, key.strikeOut, key.underline);
}

TextExtentCache::TextExtentCache(const QPaintDevice *device, qsizetype characterBudget)
    : m_device(device), m_characterBudget(characterBudget)
{
}

void TextExtentCache::clear()
{
    m_fonts.clear();
    m_characters = 0;
}

TextExtentCache::Measured &TextExtentCache::measured(const FontKey &font)
{
    if (const auto found = m_fonts.find(font); found != m_fonts.end())
        return found->second;
    if (m_fonts.size() >= MostFonts)
        clear();
    return m_fonts.try_emplace(font, Measured{QFontMetricsF(font.toFont(), m_device), {}})
        .first->second;
}

qreal TextExtentCache::height(const FontKey &font)
{
    return measured(font).metrics.height();
}

qreal TextExtentCache::width(const FontKey &font, const QString &text)
{
    Measured *entry = &measured(font);
    if (text.size() > LongestShapedText) {
        if (!entry->characters)
            entry->characters = std::make_shared<CharacterAdvances>(entry->metrics);
        return entry->characters->width(text);
    }
    if (const auto found = entry->widths.find(text); found != entry->widths.end())
        return found->second;
    const qreal width = entry->metrics.horizontalAdvance(text);
    if (m_characters + text.size() > m_characterBudget) {
        clear();
        entry = &measured(font);
    }
    m_characters += text.size();
    entry->widths.emplace(text, width);
    return width;
}

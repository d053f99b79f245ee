// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/CharacterAdvances.h"
#include "document/TextExtentCache.h"

#include <QString>
#include <QTextLayout>

#include <cstddef>
#include <memory>
#include <unordered_map>

class QPainter;
class QRectF;

// Draws a caption into an image exactly as QPainter::drawText(box, alignment | Qt::AlignTop |
// Qt::TextDontClip, caption) does, keeping the text's layout for the next paint (other devices
// get drawText itself). Laying out is the bulk of drawing a short text (shaping it glyph by
// glyph); a view of a crowded record book draws some 18,000 captions, most of them alike. The
// layout is kept by font and caption, so a label whose caption or font changed is laid out
// afresh; the cache forgets everything once it holds too much. Layouts hold fonts, which belong
// to the thread that made them: each thread that paints keeps its own. A caption longer than
// TextExtentCache::LongestShapedText (a damaged or hostile one, up to 33 million characters) is
// placed character by character from the box's left edge, as it was measured, and only the part
// of it the device can show is drawn.
class CaptionLayouts
{
public:
    // In `font`, at the size for the painter's device; `horizontal` is left, right or centre.
    // The painter's pen gives the colour; its font is set when the caption needs it.
    void draw(QPainter &painter, const QRectF &box, Qt::Alignment horizontal,
              const FontKey &font, const QString &caption);
    void clear();

private:
    struct Key
    {
        FontKey font;
        int dpiX = 0;
        int dpiY = 0;
        QString caption;

        bool operator==(const Key &) const = default;
    };
    struct KeyHash
    {
        std::size_t operator()(const Key &key) const;
    };

    const QTextLayout &layout(QPainter &painter, Key key);
    void drawLong(QPainter &painter, const QRectF &box, const FontKey &font,
                  const QString &caption);

    std::unordered_map<Key, std::unique_ptr<QTextLayout>, KeyHash> m_layouts;
    qsizetype m_characters = 0;
    // For captions too long to lay out whole, by font (an empty caption in the key).
    std::unordered_map<Key, std::unique_ptr<CharacterAdvances>, KeyHash> m_advances;
};

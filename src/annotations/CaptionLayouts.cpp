// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionLayouts.h"

#include <QHashFunctions>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// A kept layout takes a few kilobytes, the advances of a font half a megabyte.
constexpr std::size_t MostLayouts = 8192;
constexpr std::size_t MostLongCaptionFonts = 16;
constexpr qsizetype MostCharacters = 1 << 18;

// drawText treats tabs, line breaks and a few other characters specially; captions holding
// one are drawn by drawText itself.
bool plainCaption(const QString &caption)
{
    return std::none_of(caption.cbegin(), caption.cend(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x9C || c == QChar::LineSeparator
               || c == QChar::ParagraphSeparator;
    });
}

} // namespace

std::size_t CaptionLayouts::KeyHash::operator()(const Key &key) const
{
    const FontKey &f = key.font;
    return qHashMulti(0, key.caption, f.face, f.points, f.bold, f.italic, f.strikeOut,
                      f.underline, key.dpiX, key.dpiY);
}

void CaptionLayouts::clear()
{
    m_layouts.clear();
    m_advances.clear();
    m_characters = 0;
}

// Laid out as drawText lays out a caption on one line: left-aligned on a line of unbounded
// width, spaces at either end kept; drawText then aligns the line itself.
const QTextLayout &CaptionLayouts::layout(QPainter &painter, Key key)
{
    if (const auto found = m_layouts.find(key); found != m_layouts.end())
        return *found->second;
    if (m_layouts.size() >= MostLayouts || m_characters + key.caption.size() > MostCharacters)
        clear();
    painter.setFont(key.font.toFont()); // resolved for the device as drawText has it
    auto layout = std::make_unique<QTextLayout>(key.caption, painter.font(), painter.device());
    QTextOption option;
    option.setTextDirection(painter.layoutDirection());
    option.setAlignment(Qt::AlignLeft);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    layout->endLayout();
    m_characters += key.caption.size();
    return *m_layouts.emplace(std::move(key), std::move(layout)).first->second;
}

void CaptionLayouts::drawLong(QPainter &painter, const QRectF &box, const FontKey &font,
                              const QString &caption)
{
    painter.setFont(font.toFont());
    const QPaintDevice *device = painter.device();
    Key key{font, device->logicalDpiX(), device->logicalDpiY(), QString()};
    auto found = m_advances.find(key);
    if (found == m_advances.end()) {
        if (m_advances.size() >= MostLongCaptionFonts)
            m_advances.clear();
        const QFontMetricsF metrics(painter.font(), device);
        found = m_advances.emplace(key, std::make_unique<CharacterAdvances>(metrics)).first;
    }
    // What the device shows, relative to the box's left edge.
    QRectF shown = painter.combinedTransform().inverted().mapRect(
        QRectF(0, 0, device->width(), device->height()));
    if (painter.hasClipping())
        shown &= painter.clipBoundingRect();
    const qreal from = shown.left() - box.left();
    const qreal to = shown.right() - box.left();
    qsizetype first = -1, end = 0;
    qreal firstLeft = 0;
    found->second->walk(caption, [&](qsizetype start, qsizetype next, qreal left, qreal right) {
        if (left > to)
            return false;
        if (right >= from && first < 0) {
            first = start;
            firstLeft = left;
        }
        end = next;
        return true;
    });
    if (first < 0)
        return;
    painter.drawText(QRectF(box.left() + firstLeft, box.top(), to - firstLeft, box.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     caption.mid(first, end - first));
}

void CaptionLayouts::draw(QPainter &painter, const QRectF &box, Qt::Alignment horizontal,
                          const FontKey &font, const QString &caption)
{
    const int flags = int(horizontal | Qt::AlignTop) | Qt::TextDontClip;
    const QPaintDevice *device = painter.device();
    const bool image = device && device->devType() == QInternal::Image;
    if (image && caption.size() > TextExtentCache::LongestShapedText) {
        drawLong(painter, box, font, caption);
        return;
    }
    // Kept only for images, in the plain case: other devices and decorated fonts go through
    // drawText, which draws underlines and strike-outs after the whole line.
    if (!image || font.underline || font.strikeOut
        || painter.layoutDirection() == Qt::RightToLeft || !plainCaption(caption)) {
        painter.setFont(font.toFont());
        painter.drawText(box, flags, caption);
        return;
    }
    if (caption.isEmpty())
        return; // drawText prints nothing
    const QTextLine line =
        layout(painter, {font, device->logicalDpiX(), device->logicalDpiY(), caption}).lineAt(0);
    const qreal advance = line.horizontalAdvance();
    qreal offset = 0;
    if (horizontal & Qt::AlignRight)
        offset = box.width() - advance;
    else if (horizontal & Qt::AlignHCenter)
        offset = (box.width() - advance) / 2;
    line.draw(&painter, QPointF(box.x() + offset, box.y()));
}

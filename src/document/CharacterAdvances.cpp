// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharacterAdvances.h"

CharacterAdvances::CharacterAdvances(const QFontMetricsF &metrics)
    : m_metrics(metrics), m_basic(0x10000, -1.0)
{
}

qreal CharacterAdvances::of(char32_t character)
{
    if (character < m_basic.size()) {
        qreal &advance = m_basic[character];
        if (advance < 0)
            advance = m_metrics.horizontalAdvance(QString(QChar(char16_t(character))));
        return advance;
    }
    if (const auto found = m_others.find(character); found != m_others.end())
        return found->second;
    const qreal advance = m_metrics.horizontalAdvance(QString::fromUcs4(&character, 1));
    return m_others.emplace(character, advance).first->second;
}

qreal CharacterAdvances::width(QStringView text)
{
    qreal width = 0;
    walk(text, [&](qsizetype, qsizetype, qreal, qreal right) {
        width = right;
        return true;
    });
    return width;
}

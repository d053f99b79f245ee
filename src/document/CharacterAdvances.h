// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetricsF>
#include <QStringView>

#include <unordered_map>
#include <vector>

// The advances of single characters in one font, each measured once. A caption far longer than
// any label in use holds is measured and placed by them, character by character and so without
// kerning: shaping it takes about 0.2 µs a character, and a hostile record book can hold 33
// million of them in one caption.
class CharacterAdvances
{
public:
    explicit CharacterAdvances(const QFontMetricsF &metrics);

    qreal of(char32_t character);
    qreal width(QStringView text);

    // Calls visit(start, end, left, right) for each character of text: its UTF-16 units and
    // where it starts and ends, the first starting at 0; stops when visit returns false.
    template <class Visit>
    void walk(QStringView text, Visit visit)
    {
        qreal x = 0;
        for (qsizetype i = 0; i < text.size();) {
            qsizetype next = i + 1;
            char32_t c = text[i].unicode();
            if (text[i].isHighSurrogate() && next < text.size() && text[next].isLowSurrogate())
                c = QChar::surrogateToUcs4(text[i], text[next++]);
            const qreal right = x + of(c);
            if (!visit(i, next, x, right))
                return;
            x = right;
            i = next;
        }
    }

private:
    QFontMetricsF m_metrics;
    std::vector<qreal> m_basic; // the basic plane, negative until measured
    std::unordered_map<char32_t, qreal> m_others;
};

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFolding.h"

namespace {

constexpr char16_t FirstHiragana = 0x3041;
constexpr char16_t LastHiragana = 0x3096;
constexpr char16_t HiraganaToKatakana = 0x60;
constexpr char16_t CombiningVoicedMark = 0x3099;
constexpr char16_t CombiningSemiVoicedMark = 0x309A;
constexpr char16_t VoicedMark = 0x309B;
constexpr char16_t SemiVoicedMark = 0x309C;

} // namespace

QString foldedText(const QString &text)
{
    const QString normal = text.normalized(QString::NormalizationForm_KC);
    QString folded;
    folded.reserve(normal.size());
    for (const QChar c : normal) {
        const char16_t u = c.unicode();
        if (u >= FirstHiragana && u <= LastHiragana) {
            folded += QChar(u + HiraganaToKatakana);
        } else if (u == CombiningVoicedMark || u == CombiningSemiVoicedMark) {
            // A mark no letter took: the spacing "゜" comes out of the normal form as a blank
            // and the combining mark.
            if (folded.endsWith(u' '))
                folded.chop(1);
            folded += QChar(u == CombiningVoicedMark ? VoicedMark : SemiVoicedMark);
        } else {
            folded += c;
        }
    }
    return folded;
}

qsizetype foldedPrefixLength(const QString &text, const QString &prefix)
{
    const QString wanted = foldedText(prefix);
    QString read;
    for (qsizetype i = 0; i < text.size() && read.size() < wanted.size();) {
        // A character outside the basic plane is folded whole.
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        read += foldedText(text.mid(i, length));
        i += length;
        if (read == wanted)
            return i;
        if (!wanted.startsWith(read))
            return -1;
    }
    return wanted.isEmpty() ? 0 : -1;
}

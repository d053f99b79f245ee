// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Text as a reader sees it, for finding what a user typed: half-width katakana and full-width
// letters and signs in their usual forms, hiragana as katakana, and the sound marks in any of
// their forms ("゜", half-width "ﾟ", the combining one) as "゜" and "゛". So "ｽｽﾞｷ" and "すずき"
// read as "スズキ", and "＞゜）））彡" and ">ﾟ)))彡" as ">゜)))彡".
QString foldedText(const QString &text);

// How many characters at the start of `text` read as `prefix`, each folded on its own; -1 when
// they do not. What follows them is the text as typed.
qsizetype foldedPrefixLength(const QString &text, const QString &prefix);

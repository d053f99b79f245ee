// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

struct AnnotationStore;

// The template's captions: the title, then body length, weight, angler, fishing place, tide,
// bait, rig, date and time. The user writes each entry after its caption.
enum class CatchTemplateLine { Title, BodyLength, Weight, Angler, Place, Tide, Bait, Rig, Date };
inline constexpr std::array<const char16_t *, 9> CatchTemplateCaptions = {
    u">゜)))彡", u"体長：", u"重さ：", u"釣り人：", u"釣り場：", u"潮：", u"餌：", u"仕掛け：", u"日時："};

// The catch record template a new record book may start with: a title line and eight captions
// (body length, weight, angler, fishing place, tide, bait, rig, date and time) as ordinary text
// labels, which the user completes with the text tool. Each starts as a copy of the text-label
// template and is sized to its caption. Expects the text labels to have been erased, so that
// the nine become lblMoji(1) to lblMoji(9); positions are canvas millimetres at 100 %.
void subMakeTemplate(AnnotationStore &annotations);

// A line's caption, "重さ：" for the weight.
QString templateCaption(CatchTemplateLine line);

// The text label holding a line of the template: the first visible text label whose caption
// starts with the line's caption, typed in full or half width ("＞゜）））彡", ">ﾟ)))彡", "体長:");
// -1 when there is none.
int templateLabel(const AnnotationStore &annotations, CatchTemplateLine line);

// What the user wrote after the line's caption, trimmed; empty when the line is missing.
QString templateEntry(const AnnotationStore &annotations, CatchTemplateLine line);

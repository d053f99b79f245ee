// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorAndFontCommands.h"

#include "annotations/EditTarget.h"
#include "document/LabelMetrics.h"
#include "annotations/AnnotationEditing.h"
#include "platform/FontSubstitutions.h"
#include "platform/RuntimeError.h"

#include <cmath>

namespace {

// The object the pop-up was opened on no longer exists.
RuntimeError subscriptOutOfRange()
{
    return {9, QStringLiteral("インデックスが有効範囲にありません。")};
}

// A chooser answer no label can take.
RuntimeError invalidPropertyValue()
{
    return {380, QStringLiteral("プロパティの値が不正です。")};
}

// The largest point size a label font accepts.
constexpr float LargestPointSize = 2048;

void reportFailure(AnnotationEditing &edit, const char *handler, const RuntimeError &error)
{
    edit.platform.showOk(QStringLiteral("ｴﾗｰ"),
                         QLatin1String(handler)
                             + QStringLiteral("():ｴﾗｰ番号  %1 ｴﾗｰが発生しました。").arg(error.number)
                             + QLatin1Char('\r') + error.description);
}

// Whether the chooser may open at all; tells the user when the target is gone.
bool targetUsable(AnnotationEditing &edit, const char *handler)
{
    switch (targetState(edit)) {
    case TargetState::Object:
    case TargetState::Defaults: return true;
    case TargetState::Missing: reportFailure(edit, handler, subscriptOutOfRange()); return false;
    case TargetState::Ignored: break;
    }
    return false;
}

bool isColour(std::uint32_t value)
{
    return (value & 0xFF000000u) == 0;
}

// A font chooser may describe a font by pixels and report no point size (-1).
bool isUsableFont(const platform::FontChoice &font)
{
    return !font.name.isEmpty() && std::isfinite(font.size) && font.size > 0
        && font.size <= LargestPointSize;
}

platform::FontChoice fontOf(const AnnotationLabel &label)
{
    return {label.FontName,   label.FontSize,       label.FontBold,
            label.FontItalic, label.FontStrikethru, label.FontUnderline};
}

// The chooser shows a stored name as the installed family it is drawn with, and its size in
// whole points. A name or size the user left as shown keeps its stored spelling and value, so
// OK alone changes nothing.
platform::FontChoice asStored(platform::FontChoice chosen, const platform::FontChoice &start)
{
    if (chosen.name == installedFamily(start.name))
        chosen.name = start.name;
    if (chosen.size == float(qRound(start.size)))
        chosen.size = start.size;
    return chosen;
}

void setFont(AnnotationLabel &label, const platform::FontChoice &font)
{
    label.FontBold = font.bold;
    label.FontItalic = font.italic;
    label.FontName = font.name;
    label.FontSize = font.size;
    label.FontStrikethru = font.strikethrough;
    label.FontUnderline = font.underline;
    autoSize(label);
}

} // namespace

void popEditColor_Click(AnnotationEditing &edit, ColourUse use)
{
    constexpr const char *handler = "popEditColor_Click";
    if (!targetUsable(edit, handler))
        return;
    // The chooser starts from black, not from the object's colour.
    const std::optional<std::uint32_t> colour = edit.platform.chooseColor(rgb(0, 0, 0));
    if (!colour)
        return;
    if (!isColour(*colour)) {
        reportFailure(edit, handler, invalidPropertyValue());
        return;
    }
    applyColour(edit, use, *colour);
}

void popEditFont_Click(AnnotationEditing &edit)
{
    constexpr const char *handler = "popEditFont_Click";
    if (editKind(edit) == EditKind::LeaderLine || !targetUsable(edit, handler))
        return;
    AnnotationLabel *target = targetLabel(edit);
    AnnotationLabel &label = target ? *target : edit.defaults.lblDefault;
    const platform::FontChoice start = fontOf(label);
    const std::optional<platform::FontChoice> chosen = edit.platform.chooseFont(start);
    if (!chosen)
        return;
    if (!isUsableFont(*chosen)) {
        reportFailure(edit, handler, invalidPropertyValue());
        return;
    }
    const platform::FontChoice font = asStored(*chosen, start);
    setFont(label, font);
    setFont(edit.defaults.lblDefault, font);
}

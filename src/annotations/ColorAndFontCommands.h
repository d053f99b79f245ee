// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "annotations/LookCommands.h"

struct AnnotationEditing;

// "前景色....", "背景色...." and "線の色....": the colour chooser, then the colour goes to the
// target and its default (applyColour). Cancel ends the command silently. When the target is
// gone, or the chooser hands back a value that is no colour, the user is told
// ("popEditColor_Click():ｴﾗｰ番号 …", title "ｴﾗｰ") and nothing changes.
void popEditColor_Click(AnnotationEditing &edit, ColourUse use);

// "フォント....": the font chooser pre-filled with the target label's face, size, bold, italic,
// strikethrough and underline; on OK the label takes the six, then the default label does, and
// both boxes follow their new font. A face or size left as the chooser showed it is stored as it
// was. The style sample edits the default alone; a leader line has no font and nothing happens.
// Failures are told as for the colours, as "popEditFont_Click()".
void popEditFont_Click(AnnotationEditing &edit);

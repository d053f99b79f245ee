// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

struct AnnotationEditing;

// The look commands of the edit pop-up. Each changes the object EditTarget names as far as the
// look applies to it, and always the matching style default as well, so that the last look
// chosen becomes the next new object's; on the style sample only the defaults change. Line looks
// of a dimension go to its dimension line and both extension lines (the markers follow only the
// line colour); a text label has no line, so a line look on it changes only the default line.
// A hidden or vanished target changes nothing, not even the defaults.

// "線の幅" nP: BorderWidth in pixels.
void popEditWidth_Click(AnnotationEditing &edit, int width);
// "線の種類": BorderStyle 1 solid … 5 dash-dot-dot.
void popEditStyle_Click(AnnotationEditing &edit, int style);
// "背景スタイル": a label's BackStyle 0 transparent, 1 opaque.
void popBackStyle_Click(AnnotationEditing &edit, int backStyle);
// "境界": a label's BorderStyle 0 none, 1 single frame.
void popBorderStyle_Click(AnnotationEditing &edit, int borderStyle);

// The three colours the colour chooser sets.
enum class ColourUse {
    Text, // "前景色"
    Back, // "背景色"
    Line, // "線の色"
};

// Applies a chosen colour to the target and its default.
void applyColour(AnnotationEditing &edit, ColourUse use, OleColor colour);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

struct AnnotationEditing;
struct AnnotationStore;

// Geometry and structure changes of single annotations, and the edit pop-up commands that run
// them on the object EditTarget names. A target that is hidden (the spare of the leader lines,
// the text-label template) or gone is left alone, so every spare-on-top collection keeps exactly
// one hidden spare on top.

// Puts dimension k's line on the other side of the measured segment: each extension line's
// outer end is reflected through its start, the dimension line joins the new outer ends, the
// label is centred on it (a dragged label comes back) and the markers sit on its ends. Doing it
// twice restores the geometry.
void MirrorDimension(AnnotationStore &objects, int k);

// A copy of text label k, 5 canvas millimetres right of and below it, with its caption, colours,
// back and border style and font; the comment is the template's hint. Returns the copy's index,
// or nothing at the collection's limit.
std::optional<int> DuplicateTextLabel(AnnotationStore &objects, int k);

// A copy of leader line k, shifted 5 canvas millimetres right and down, kept in the spare with a
// new spare put on top. Returns the copy's index, or nothing at the collection's limit.
std::optional<int> DuplicateLeaderLine(AnnotationStore &objects, int k);

// "測定線の反対側へ移動": mirrors the target dimension.
void popEditRev_Click(AnnotationEditing &edit);
// "複製": duplicates the target text label or leader line; a dimension has no copy. At the
// collection's limit the user is told and nothing is made.
void popEditDpp_Click(AnnotationEditing &edit);
// "消去": removes the target dimension (all its parts in one step), text label or leader line;
// later objects move down one place with everything they own.
void popEditDel_Click(AnnotationEditing &edit);

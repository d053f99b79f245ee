// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AnnotationEditing;

// Where the left button went down on a label, relative to the label's top-left corner, in
// canvas millimetres; shared by every label. A drag lasts from that press until undo, redo or
// Esc ends it (or the next press starts another).
struct LabelGrab
{
    float x = 0;
    float y = 0;
    bool dragging = false;
};

// The labels that take pointer events of their own: a dimension's length label, a text label and
// the default-style sample.
enum class LabelKind { Dimension, Text, Default };

// The events of the labels. Button: 1 left, 2 right (a move reports the held buttons as a mask);
// X and Y are the pointer relative to the label's top-left corner, in canvas millimetres. The
// tool mode decides whether a label reacts at all.

// Measure tool: left grabs the label for dragging, right opens the edit pop-up for its dimension.
void lblKyori_MouseDown(AnnotationEditing &edit, int index, int Button, float X, float Y);
// Measure tool, left button held: the label alone follows the pointer.
void lblKyori_MouseMove(AnnotationEditing &edit, int index, int Button, float X, float Y);
// In every tool: asks for the dimension's comment, titled with its length text.
void lblKyori_DblClick(AnnotationEditing &edit, int index);

// Text tool: left grabs the label, right opens the edit pop-up for it.
void lblMoji_MouseDown(AnnotationEditing &edit, int index, int Button, float X, float Y);
void lblMoji_MouseMove(AnnotationEditing &edit, int index, int Button, float X, float Y);
// Text tool: asks for the caption, then (unless that was cancelled) for the comment.
void lblMoji_DblClick(AnnotationEditing &edit, int index);

// The label being dragged stays where it is now, whatever the pointer does until the next press.
void endLabelDrag(AnnotationEditing &edit);

// Right button in any tool: the edit pop-up acts on the default looks alone.
void lblDefault_MouseDown(AnnotationEditing &edit, int Button, float X, float Y);

// The canvas hands a pointer event to the label of that kind and index, with the pointer in
// canvas millimetres; the label-relative position is worked out here.
void labelMouseDown(AnnotationEditing &edit, LabelKind kind, int index, int Button, float X,
                    float Y);
void labelMouseMove(AnnotationEditing &edit, LabelKind kind, int index, int Button, float X,
                    float Y);
void labelDblClick(AnnotationEditing &edit, LabelKind kind, int index);

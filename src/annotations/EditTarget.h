// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

struct AnnotationEditing;
struct AnnotationLabel;
struct AnnotationLine;

// The kind texts a right-click leaves in AnnotationEditing::EditTarget. Note the lower-case k of a
// dimension, which is named by its label.
namespace editkind {
inline constexpr char Dimension[] = "lblkyori";
inline constexpr char TextLabel[] = "lblMoji";
inline constexpr char LeaderLine[] = "lineHikidashi";
inline constexpr char Defaults[] = "Default";
} // namespace editkind

// The object the edit pop-up acts on: "lblkyori", "lblMoji", "lineHikidashi" or "Default".
struct EditTargetRef
{
    QString kind;
    int index = 0;
};

enum class EditKind { Dimension, TextLabel, LeaderLine, Defaults, Unknown };

// What the edit commands may do with the object EditTarget names.
enum class TargetState {
    Object,   // a shown dimension, text label or leader line
    Defaults, // the style sample: a look command changes the defaults alone
    Ignored,  // a hidden spare, the text-label template, or no kind at all: nothing happens
    Missing,  // an index outside its collection: the object is gone
};

EditKind editKind(const AnnotationEditing &edit);
TargetState targetState(const AnnotationEditing &edit);

// The parts of a target in state Object that a look acts on. Lines: a dimension's line and its
// two extension lines, or the leader line. Label: a dimension's label or the text label; null
// for the other kinds.
std::vector<AnnotationLine *> targetLines(AnnotationEditing &edit);
AnnotationLabel *targetLabel(AnnotationEditing &edit);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LookCommands.h"

#include "annotations/EditTarget.h"
#include "annotations/AnnotationEditing.h"

namespace {

bool changesLooks(const AnnotationEditing &edit)
{
    const TargetState state = targetState(edit);
    return state == TargetState::Object || state == TargetState::Defaults;
}

// Runs `apply` on the target's lines and on the default line.
template <class Apply>
void changeLineLook(AnnotationEditing &edit, Apply apply)
{
    if (!changesLooks(edit))
        return;
    for (AnnotationLine *line : targetLines(edit))
        apply(*line);
    apply(edit.defaults.linDefault);
}

// Runs `apply` on the target's label and on the default label.
template <class Apply>
void changeLabelLook(AnnotationEditing &edit, Apply apply)
{
    if (!changesLooks(edit))
        return;
    if (AnnotationLabel *label = targetLabel(edit))
        apply(*label);
    apply(edit.defaults.lblDefault);
}

} // namespace

void popEditWidth_Click(AnnotationEditing &edit, int width)
{
    changeLineLook(edit,
                   [width](AnnotationLine &line) { line.BorderWidth = std::int16_t(width); });
}

void popEditStyle_Click(AnnotationEditing &edit, int style)
{
    changeLineLook(edit,
                   [style](AnnotationLine &line) { line.BorderStyle = std::int16_t(style); });
}

void popBackStyle_Click(AnnotationEditing &edit, int backStyle)
{
    changeLabelLook(edit, [backStyle](AnnotationLabel &label) {
        label.BackStyle = std::int16_t(backStyle);
    });
}

void popBorderStyle_Click(AnnotationEditing &edit, int borderStyle)
{
    changeLabelLook(edit, [borderStyle](AnnotationLabel &label) {
        label.BorderStyle = std::int16_t(borderStyle);
    });
}

void applyColour(AnnotationEditing &edit, ColourUse use, OleColor colour)
{
    if (!changesLooks(edit))
        return;
    const int k = edit.EditTarget.index;
    const EditKind kind = editKind(edit);
    switch (use) {
    case ColourUse::Line:
        changeLineLook(edit, [colour](AnnotationLine &line) { line.BorderColor = colour; });
        // The end markers are dots in the colour of their line.
        if (kind == EditKind::Dimension) {
            for (MarkerShape *marker :
                 {&edit.annotations.shpSnpo[2 * k], &edit.annotations.shpSnpo[2 * k + 1]}) {
                marker->BorderColor = colour;
                marker->FillColor = colour;
            }
        }
        return;
    case ColourUse::Text:
        changeLabelLook(edit, [colour](AnnotationLabel &label) { label.ForeColor = colour; });
        break;
    case ColourUse::Back:
        changeLabelLook(edit, [colour](AnnotationLabel &label) { label.BackColor = colour; });
        break;
    }
    // A leader line has no text of its own: a text or back colour chosen for it colours the line.
    if (kind == EditKind::LeaderLine)
        edit.annotations.lineHikidashi[k].BorderColor = colour;
}

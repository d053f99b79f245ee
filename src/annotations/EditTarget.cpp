// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditTarget.h"

#include "annotations/AnnotationEditing.h"

namespace {

// Hidden elements are never offered by a right-click on purpose: the spare of the leader lines
// can still be hit, and a command on it would leave a shown line where the next stroke starts.
template <class T>
TargetState stateIn(const AnnotationCollection<T> &collection, int index)
{
    if (index < 0 || index > collection.UBound())
        return TargetState::Missing;
    return collection[index].Visible ? TargetState::Object : TargetState::Ignored;
}

} // namespace

EditKind editKind(const AnnotationEditing &edit)
{
    const QString &kind = edit.EditTarget.kind;
    if (kind == QLatin1String(editkind::Dimension))
        return EditKind::Dimension;
    if (kind == QLatin1String(editkind::TextLabel))
        return EditKind::TextLabel;
    if (kind == QLatin1String(editkind::LeaderLine))
        return EditKind::LeaderLine;
    if (kind == QLatin1String(editkind::Defaults))
        return EditKind::Defaults;
    return EditKind::Unknown;
}

TargetState targetState(const AnnotationEditing &edit)
{
    const int k = edit.EditTarget.index;
    const AnnotationStore &objects = edit.annotations;
    switch (editKind(edit)) {
    case EditKind::Dimension:
        // A record book that lost one of its object files holds labels without lines or
        // markers: such a label is no dimension to edit.
        if (stateIn(objects.lblKyori, k) == TargetState::Object && !objects.hasWholeDimension(k))
            return TargetState::Missing;
        return stateIn(objects.lblKyori, k);
    case EditKind::TextLabel: return stateIn(objects.lblMoji, k);
    case EditKind::LeaderLine: return stateIn(objects.lineHikidashi, k);
    case EditKind::Defaults: return TargetState::Defaults;
    case EditKind::Unknown: break;
    }
    return TargetState::Ignored;
}

std::vector<AnnotationLine *> targetLines(AnnotationEditing &edit)
{
    const int k = edit.EditTarget.index;
    AnnotationStore &objects = edit.annotations;
    switch (editKind(edit)) {
    case EditKind::Dimension:
        return {&objects.lineDsSave[k], &objects.lineHojoSave[2 * k],
                &objects.lineHojoSave[2 * k + 1]};
    case EditKind::LeaderLine: return {&objects.lineHikidashi[k]};
    default: return {};
    }
}

AnnotationLabel *targetLabel(AnnotationEditing &edit)
{
    const int k = edit.EditTarget.index;
    switch (editKind(edit)) {
    case EditKind::Dimension: return &edit.annotations.lblKyori[k];
    case EditKind::TextLabel: return &edit.annotations.lblMoji[k];
    default: return nullptr;
    }
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelEvents.h"

#include "annotations/EditPopup.h"
#include "annotations/EditTarget.h"
#include "document/LabelMetrics.h"
#include "annotations/TextPrompts.h"
#include "annotations/AnnotationEditing.h"

#include <optional>

namespace {

constexpr int LeftButton = 1;
constexpr int RightButton = 2;

bool checked(const AnnotationEditing &edit, const char *item)
{
    return edit.menus[QLatin1String(item)].checked;
}

bool measureTool(const AnnotationEditing &edit)
{
    return checked(edit, "mnuToolMes");
}

bool textTool(const AnnotationEditing &edit)
{
    return checked(edit, "mnuToolCmnt");
}

// The label of that kind and index, or null when the index names none.
AnnotationLabel *labelOf(AnnotationEditing &edit, LabelKind kind, int index)
{
    if (kind == LabelKind::Default)
        return &edit.defaults.lblDefault;
    auto &labels = kind == LabelKind::Dimension ? edit.annotations.lblKyori
                                                : edit.annotations.lblMoji;
    if (index < 0 || index > labels.UBound())
        return nullptr;
    return &labels[index];
}

// Turns a canvas point into one relative to the label's corner; false when there is no such
// label.
bool toLabelRelative(AnnotationEditing &edit, LabelKind kind, int index, float &X, float &Y)
{
    const AnnotationLabel *label = labelOf(edit, kind, index);
    if (!label)
        return false;
    X -= label->Left;
    Y -= label->Top;
    return true;
}

void openEditPopup(AnnotationEditing &edit, const char *kind, int index)
{
    edit.EditTarget = {QLatin1String(kind), index};
    showEditPopup(edit);
}

// The grab point is kept as it is, so the spot that was grabbed stays under the pointer.
void drag(AnnotationEditing &edit, AnnotationLabel &label, int Button, float X, float Y)
{
    if (Button != LeftButton || !edit.labelGrab.dragging)
        return;
    label.Left = X + label.Left - edit.labelGrab.x;
    label.Top = Y + label.Top - edit.labelGrab.y;
}

void pressOnLabel(AnnotationEditing &edit, const char *kind, int index, int Button, float X,
                  float Y)
{
    if (Button == LeftButton)
        edit.labelGrab = {X, Y, true};
    else if (Button == RightButton)
        openEditPopup(edit, kind, index);
}

} // namespace

void lblKyori_MouseDown(AnnotationEditing &edit, int index, int Button, float X, float Y)
{
    if (measureTool(edit) && labelOf(edit, LabelKind::Dimension, index))
        pressOnLabel(edit, editkind::Dimension, index, Button, X, Y);
}

void lblKyori_MouseMove(AnnotationEditing &edit, int index, int Button, float X, float Y)
{
    AnnotationLabel *label = labelOf(edit, LabelKind::Dimension, index);
    if (measureTool(edit) && label)
        drag(edit, *label, Button, X, Y);
}

void lblKyori_DblClick(AnnotationEditing &edit, int index)
{
    const AnnotationLabel *label = labelOf(edit, LabelKind::Dimension, index);
    if (!label)
        return;
    const QString comment = promptStorableText(edit.platform, label->Caption,
                                               QStringLiteral("コメントを入力してください"),
                                               label->ToolTipText);
    if (!comment.isEmpty())
        edit.annotations.lblKyori[index].ToolTipText = comment;
}

void lblMoji_MouseDown(AnnotationEditing &edit, int index, int Button, float X, float Y)
{
    if (textTool(edit) && labelOf(edit, LabelKind::Text, index))
        pressOnLabel(edit, editkind::TextLabel, index, Button, X, Y);
}

void lblMoji_MouseMove(AnnotationEditing &edit, int index, int Button, float X, float Y)
{
    AnnotationLabel *label = labelOf(edit, LabelKind::Text, index);
    if (textTool(edit) && label)
        drag(edit, *label, Button, X, Y);
}

void lblMoji_DblClick(AnnotationEditing &edit, int index)
{
    if (!textTool(edit) || !labelOf(edit, LabelKind::Text, index))
        return;
    const QString caption = promptStorableText(
        edit.platform, QStringLiteral("文字列入力"),
        QStringLiteral("表示文字列を入力してください"), edit.annotations.lblMoji[index].Caption);
    if (caption.isEmpty())
        return;
    setCaption(edit.annotations.lblMoji[index], caption);
    const QString comment = promptStorableText(
        edit.platform, QStringLiteral("コメント入力"), QStringLiteral("コメントを入力してください"),
        edit.annotations.lblMoji[index].ToolTipText);
    if (!comment.isEmpty())
        edit.annotations.lblMoji[index].ToolTipText = comment;
}

void endLabelDrag(AnnotationEditing &edit)
{
    edit.labelGrab.dragging = false;
}

void lblDefault_MouseDown(AnnotationEditing &edit, int Button, float, float)
{
    if (Button == RightButton)
        openEditPopup(edit, editkind::Defaults, edit.EditTarget.index);
}

void labelMouseDown(AnnotationEditing &edit, LabelKind kind, int index, int Button, float X,
                    float Y)
{
    const DocumentChange change(edit.document, edit.document.startGesture());
    if (!toLabelRelative(edit, kind, index, X, Y))
        return;
    switch (kind) {
    case LabelKind::Dimension: lblKyori_MouseDown(edit, index, Button, X, Y); break;
    case LabelKind::Text: lblMoji_MouseDown(edit, index, Button, X, Y); break;
    case LabelKind::Default: lblDefault_MouseDown(edit, Button, X, Y); break;
    }
}

void labelMouseMove(AnnotationEditing &edit, LabelKind kind, int index, int Button, float X,
                    float Y)
{
    // Without a button held a label does not move.
    std::optional<DocumentChange> change;
    if (Button != 0)
        change.emplace(edit.document, edit.document.currentGesture());
    if (!toLabelRelative(edit, kind, index, X, Y))
        return;
    if (kind == LabelKind::Dimension)
        lblKyori_MouseMove(edit, index, Button, X, Y);
    else if (kind == LabelKind::Text)
        lblMoji_MouseMove(edit, index, Button, X, Y);
}

void labelDblClick(AnnotationEditing &edit, LabelKind kind, int index)
{
    const DocumentChange change(edit.document);
    if (kind == LabelKind::Dimension)
        lblKyori_DblClick(edit, index);
    else if (kind == LabelKind::Text)
        lblMoji_DblClick(edit, index);
}

#include "LabelEvents.h"

#include "annotations/EditPopup.h"
#include "annotations/EditTarget.h"
#include "document/LabelMetrics.h"
#include "annotations/TextPrompts.h"
#include "app/frmMain.h"

#include <optional>

namespace {

constexpr int LeftButton = 1;
constexpr int RightButton = 2;

bool checked(const frmMain &form, const char *item)
{
    return form.menus[QLatin1String(item)].checked;
}

bool measureTool(const frmMain &form)
{
    return checked(form, "mnuToolMes");
}

bool textTool(const frmMain &form)
{
    return checked(form, "mnuToolCmnt");
}

// The label of that kind and index, or null when the index names none.
AnnotationLabel *labelOf(frmMain &form, LabelKind kind, int index)
{
    if (kind == LabelKind::Default)
        return &form.defaults.lblDefault;
    auto &labels = kind == LabelKind::Dimension ? form.annotations.lblKyori
                                                : form.annotations.lblMoji;
    if (index < 0 || index > labels.UBound())
        return nullptr;
    return &labels[index];
}

// Turns a canvas point into one relative to the label's corner; false when there is no such
// label.
bool toLabelRelative(frmMain &form, LabelKind kind, int index, float &X, float &Y)
{
    const AnnotationLabel *label = labelOf(form, kind, index);
    if (!label)
        return false;
    X -= label->Left;
    Y -= label->Top;
    return true;
}

void openEditPopup(frmMain &form, const char *kind, int index)
{
    form.EditTarget = {QLatin1String(kind), index};
    showEditPopup(form);
}

// The grab point is kept as it is, so the spot that was grabbed stays under the pointer.
void drag(frmMain &form, AnnotationLabel &label, int Button, float X, float Y)
{
    if (Button != LeftButton || !form.labelGrab.dragging)
        return;
    label.Left = X + label.Left - form.labelGrab.x;
    label.Top = Y + label.Top - form.labelGrab.y;
}

void pressOnLabel(frmMain &form, const char *kind, int index, int Button, float X, float Y)
{
    if (Button == LeftButton)
        form.labelGrab = {X, Y, true};
    else if (Button == RightButton)
        openEditPopup(form, kind, index);
}

} // namespace

void lblKyori_MouseDown(frmMain &form, int index, int Button, float X, float Y)
{
    if (measureTool(form) && labelOf(form, LabelKind::Dimension, index))
        pressOnLabel(form, editkind::Dimension, index, Button, X, Y);
}

void lblKyori_MouseMove(frmMain &form, int index, int Button, float X, float Y)
{
    AnnotationLabel *label = labelOf(form, LabelKind::Dimension, index);
    if (measureTool(form) && label)
        drag(form, *label, Button, X, Y);
}

void lblKyori_DblClick(frmMain &form, int index)
{
    const AnnotationLabel *label = labelOf(form, LabelKind::Dimension, index);
    if (!label)
        return;
    const QString comment = promptStorableText(form.platform, label->Caption,
                                               QStringLiteral("コメントを入力してください"),
                                               label->ToolTipText);
    if (!comment.isEmpty())
        form.annotations.lblKyori[index].ToolTipText = comment;
}

void lblMoji_MouseDown(frmMain &form, int index, int Button, float X, float Y)
{
    if (textTool(form) && labelOf(form, LabelKind::Text, index))
        pressOnLabel(form, editkind::TextLabel, index, Button, X, Y);
}

void lblMoji_MouseMove(frmMain &form, int index, int Button, float X, float Y)
{
    AnnotationLabel *label = labelOf(form, LabelKind::Text, index);
    if (textTool(form) && label)
        drag(form, *label, Button, X, Y);
}

void lblMoji_DblClick(frmMain &form, int index)
{
    if (!textTool(form) || !labelOf(form, LabelKind::Text, index))
        return;
    const QString caption = promptStorableText(
        form.platform, QStringLiteral("文字列入力"),
        QStringLiteral("表示文字列を入力してください"), form.annotations.lblMoji[index].Caption);
    if (caption.isEmpty())
        return;
    setCaption(form.annotations.lblMoji[index], caption);
    const QString comment = promptStorableText(
        form.platform, QStringLiteral("コメント入力"), QStringLiteral("コメントを入力してください"),
        form.annotations.lblMoji[index].ToolTipText);
    if (!comment.isEmpty())
        form.annotations.lblMoji[index].ToolTipText = comment;
}

void endLabelDrag(frmMain &form)
{
    form.labelGrab.dragging = false;
}

void lblDefault_MouseDown(frmMain &form, int Button, float, float)
{
    if (Button == RightButton)
        openEditPopup(form, editkind::Defaults, form.EditTarget.index);
}

void labelMouseDown(frmMain &form, LabelKind kind, int index, int Button, float X, float Y)
{
    const DocumentChange change(form.document, form.document.startGesture());
    if (!toLabelRelative(form, kind, index, X, Y))
        return;
    switch (kind) {
    case LabelKind::Dimension: lblKyori_MouseDown(form, index, Button, X, Y); break;
    case LabelKind::Text: lblMoji_MouseDown(form, index, Button, X, Y); break;
    case LabelKind::Default: lblDefault_MouseDown(form, Button, X, Y); break;
    }
}

void labelMouseMove(frmMain &form, LabelKind kind, int index, int Button, float X, float Y)
{
    // Without a button held a label does not move.
    std::optional<DocumentChange> change;
    if (Button != 0)
        change.emplace(form.document, form.document.currentGesture());
    if (!toLabelRelative(form, kind, index, X, Y))
        return;
    if (kind == LabelKind::Dimension)
        lblKyori_MouseMove(form, index, Button, X, Y);
    else if (kind == LabelKind::Text)
        lblMoji_MouseMove(form, index, Button, X, Y);
}

void labelDblClick(frmMain &form, LabelKind kind, int index)
{
    const DocumentChange change(form.document);
    if (kind == LabelKind::Dimension)
        lblKyori_DblClick(form, index);
    else if (kind == LabelKind::Text)
        lblMoji_DblClick(form, index);
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StructureCommands.h"

#include "annotations/EditTarget.h"
#include "document/LabelMetrics.h"
#include "annotations/AnnotationEditing.h"

namespace {

// Where a copy lands from its source, in canvas millimetres: a copy of an object near the right
// edge may lie outside the picture.
constexpr float CopyOffsetMm = 5.0f;


void refuseCopy(AnnotationEditing &edit, const QString &what)
{
    edit.platform.showOk(QStringLiteral("ｴﾗｰ"),
                         what + QStringLiteral("は 32767 個までです。これ以上は複製できません。"),
                         platform::MessageIcon::Warning);
}

bool targetIsObject(const AnnotationEditing &edit)
{
    return targetState(edit) == TargetState::Object;
}

} // namespace

void MirrorDimension(AnnotationStore &objects, int k)
{
    AnnotationLine &atA = objects.lineHojoSave[2 * k];
    AnnotationLine &atB = objects.lineHojoSave[2 * k + 1];
    for (AnnotationLine *extension : {&atA, &atB}) {
        extension->X2 = extension->X1 + (extension->X1 - extension->X2);
        extension->Y2 = extension->Y1 + (extension->Y1 - extension->Y2);
    }
    AnnotationLine &line = objects.lineDsSave[k];
    line.X1 = atA.X2;
    line.Y1 = atA.Y2;
    line.X2 = atB.X2;
    line.Y2 = atB.Y2;
    AnnotationLabel &label = objects.lblKyori[k];
    label.Left = line.X1 + (line.X2 - line.X1) / 2 - label.Width / 2;
    label.Top = line.Y1 + (line.Y2 - line.Y1) / 2 - label.Height / 2;
    centreOn(objects.shpSnpo[2 * k], atA.X2, atA.Y2);
    centreOn(objects.shpSnpo[2 * k + 1], atB.X2, atB.Y2);
}

std::optional<int> DuplicateTextLabel(AnnotationStore &objects, int k)
{
    // Taken before the collection grows, which may move its elements.
    const AnnotationLabel source = objects.lblMoji[k];
    const std::optional<int> n = objects.CreateTextLabel();
    if (!n)
        return std::nullopt;
    AnnotationLabel &copy = objects.lblMoji[*n];
    copy.Top = source.Top + CopyOffsetMm;
    copy.Left = source.Left + CopyOffsetMm;
    copy.ForeColor = source.ForeColor;
    copy.BackColor = source.BackColor;
    copy.BackStyle = source.BackStyle;
    copy.BorderStyle = source.BorderStyle;
    copy.FontBold = source.FontBold;
    copy.FontItalic = source.FontItalic;
    copy.FontName = source.FontName;
    copy.FontSize = source.FontSize;
    copy.FontStrikethru = source.FontStrikethru;
    copy.FontUnderline = source.FontUnderline;
    setCaption(copy, source.Caption); // sized in the font it has just taken
    copy.Visible = true;
    return n;
}

std::optional<int> DuplicateLeaderLine(AnnotationStore &objects, int k)
{
    const AnnotationLine &source = objects.lineHikidashi[k];
    AnnotationLine copy = objects.lineHikidashi.spare();
    copy.X1 = source.X1 + CopyOffsetMm;
    copy.Y1 = source.Y1 + CopyOffsetMm;
    copy.X2 = source.X2 + CopyOffsetMm;
    copy.Y2 = source.Y2 + CopyOffsetMm;
    copy.BorderColor = source.BorderColor;
    copy.BorderStyle = source.BorderStyle;
    copy.BorderWidth = source.BorderWidth;
    return objects.lineHikidashi.AppendToSpare(copy);
}

void popEditRev_Click(AnnotationEditing &edit)
{
    if (editKind(edit) == EditKind::Dimension && targetIsObject(edit))
        MirrorDimension(edit.annotations, edit.EditTarget.index);
}

void popEditDpp_Click(AnnotationEditing &edit)
{
    if (!targetIsObject(edit))
        return;
    const int k = edit.EditTarget.index;
    switch (editKind(edit)) {
    case EditKind::TextLabel:
        if (!DuplicateTextLabel(edit.annotations, k))
            refuseCopy(edit, QStringLiteral("文字列"));
        break;
    case EditKind::LeaderLine:
        if (!DuplicateLeaderLine(edit.annotations, k))
            refuseCopy(edit, QStringLiteral("引き出し線"));
        break;
    default: break;
    }
}

void popEditDel_Click(AnnotationEditing &edit)
{
    if (!targetIsObject(edit))
        return;
    const int k = edit.EditTarget.index;
    switch (editKind(edit)) {
    case EditKind::Dimension: edit.annotations.RemoveDimension(k); break;
    case EditKind::TextLabel: edit.annotations.RemoveTextLabel(k); break;
    case EditKind::LeaderLine: edit.annotations.RemoveLeaderLine(k); break;
    default: break;
    }
}

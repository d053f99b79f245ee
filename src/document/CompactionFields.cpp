// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompactionFields.h"

#include "document/AnnotationLooks.h"
#include "document/LabelMetrics.h"

void moveCompactedFields(AnnotationLabel &to, const AnnotationLabel &from)
{
    to.Visible = from.Visible;
    to.Caption = from.Caption;
    to.ToolTipText = from.ToolTipText;
    to.Top = from.Top;
    to.Tag = from.Tag;
    to.Left = from.Left;
    to.ForeColor = from.ForeColor;
    to.BackColor = from.BackColor;
    to.BackStyle = from.BackStyle;
    to.BorderStyle = from.BorderStyle;
    copyFont(to, from);
    autoSize(to);
}

void moveCompactedFields(AnnotationLine &to, const AnnotationLine &from)
{
    to.Visible = from.Visible;
    to.Tag = from.Tag;
    to.X1 = from.X1;
    to.Y1 = from.Y1;
    to.X2 = from.X2;
    to.Y2 = from.Y2;
    copyLineLook(to, from);
}

void moveCompactedFields(MarkerShape &to, const MarkerShape &from)
{
    to.Visible = from.Visible;
    to.Tag = from.Tag;
    to.Top = from.Top;
    to.Left = from.Left;
    to.BorderColor = from.BorderColor;
    to.FillColor = from.FillColor;
    to.BorderWidth = from.BorderWidth;
}

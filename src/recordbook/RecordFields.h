// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

#include <type_traits>

// Each record's properties in file order, as visit(name, field); reading, writing and the dump
// all walk these lists.
template <class Label, class Visit>
void visitFields(Label &label, Visit &&visit)
    requires std::is_same_v<std::remove_const_t<Label>, AnnotationLabel>
{
    visit("Visible", label.Visible);
    visit("Caption", label.Caption);
    visit("ToolTipText", label.ToolTipText);
    visit("Tag", label.Tag);
    visit("Top", label.Top);
    visit("Left", label.Left);
    visit("Width", label.Width);
    visit("Height", label.Height);
    visit("Alignment", label.Alignment);
    visit("BackStyle", label.BackStyle);
    visit("BorderStyle", label.BorderStyle);
    visit("BackColor", label.BackColor);
    visit("ForeColor", label.ForeColor);
    visit("FontName", label.FontName);
    visit("FontSize", label.FontSize);
    visit("FontItalic", label.FontItalic);
    visit("FontBold", label.FontBold);
    visit("FontStrikethru", label.FontStrikethru);
    visit("FontUnderline", label.FontUnderline);
}

template <class Line, class Visit>
void visitFields(Line &line, Visit &&visit)
    requires std::is_same_v<std::remove_const_t<Line>, AnnotationLine>
{
    visit("Visible", line.Visible);
    visit("Tag", line.Tag);
    visit("X1", line.X1);
    visit("Y1", line.Y1);
    visit("X2", line.X2);
    visit("Y2", line.Y2);
    visit("BorderColor", line.BorderColor);
    visit("BorderWidth", line.BorderWidth);
    visit("BorderStyle", line.BorderStyle);
    visit("DrawMode", line.DrawMode);
}

template <class Shape, class Visit>
void visitFields(Shape &shape, Visit &&visit)
    requires std::is_same_v<std::remove_const_t<Shape>, MarkerShape>
{
    visit("Visible", shape.Visible);
    visit("Tag", shape.Tag);
    visit("Left", shape.Left);
    visit("Top", shape.Top);
    visit("Width", shape.Width);
    visit("Height", shape.Height);
    visit("BackColor", shape.BackColor);
    visit("FillColor", shape.FillColor);
    visit("BorderColor", shape.BorderColor);
    visit("BorderWidth", shape.BorderWidth);
    visit("FillStyle", shape.FillStyle);
    visit("BorderStyle", shape.BorderStyle);
    visit("DrawMode", shape.DrawMode);
    visit("Shape", shape.Shape);
    visit("BackStyle", shape.BackStyle);
}

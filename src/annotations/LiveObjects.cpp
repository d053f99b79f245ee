// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LiveObjects.h"

#include "document/LabelMetrics.h"

namespace {

constexpr OleColor Yellow = rgb(255, 255, 0);
constexpr OleColor Blue = rgb(0, 0, 255);
constexpr OleColor Red = rgb(255, 0, 0);
constexpr OleColor Navy = rgb(0, 0, 128);

// The rubber-band objects use the XOR pen: drawn twice a line erases itself, so it can follow the
// pointer over the picture without repainting it.
AnnotationLine liveLine(OleColor colour, std::int16_t style, std::int16_t drawMode)
{
    AnnotationLine line;
    line.BorderColor = colour;
    line.BorderStyle = style;
    line.DrawMode = drawMode;
    return line;
}

AnnotationLabel lengthLabel()
{
    AnnotationLabel label;
    label.ForeColor = Blue;
    label.BackColor = SystemWindowColor;
    label.BackStyle = 1;
    label.FontName = QStringLiteral("ＭＳ ゴシック");
    label.FontSize = 12;
    label.FontBold = true;
    autoSize(label);
    return label;
}

MarkerShape circleMark(float diameterTwips)
{
    MarkerShape circle;
    circle.Shape = ShapeCircle;
    circle.Width = twipsToMm(diameterTwips);
    circle.Height = twipsToMm(diameterTwips);
    circle.BorderColor = Yellow;
    circle.BorderStyle = BorderDot;
    circle.DrawMode = DrawModeXorPen;
    circle.FillStyle = FillTransparent;
    return circle;
}

MarkerShape outline(OleColor colour, std::int16_t style)
{
    MarkerShape rectangle;
    rectangle.Shape = ShapeRectangle;
    rectangle.BorderColor = colour;
    rectangle.BorderStyle = style;
    rectangle.FillStyle = FillTransparent;
    return rectangle;
}

// Filled boxes without a frame, inverted over the picture so that it shows shaded through them.
MarkerShape mask()
{
    MarkerShape box;
    box.Shape = ShapeRectangle;
    box.BackColor = Blue;
    box.FillColor = Blue;
    box.BorderColor = Blue;
    box.BorderStyle = BorderTransparent;
    box.FillStyle = FillSolid;
    box.BackStyle = 1;
    box.DrawMode = DrawModeXorPen;
    return box;
}

} // namespace

LiveObjects::LiveObjects()
    : lineDistance(liveLine(Yellow, BorderSolid, DrawModeXorPen)),
      lblDistance(lengthLabel()),
      lblFt(lengthLabel()),
      lineHintX(liveLine(rgb(192, 0, 0), BorderDashDotDot, DrawModeXorPen)),
      lineHintY(liveLine(rgb(192, 0, 0), BorderDashDotDot, DrawModeXorPen)),
      lineCheck(liveLine(Blue, BorderDashDot, DrawModeCopyPen)),
      shpSnap(circleMark(210)),
      shpPrint(outline(Blue, BorderDashDot)),
      shpPrintWaku{outline(Red, BorderDash), outline(rgb(0, 0, 0), BorderDash),
                   outline(Navy, BorderDot), outline(Red, BorderDot)}
{
    lineHojo.fill(liveLine(Yellow, BorderSolid, DrawModeXorPen));
    shpSps.fill(mask());
    shpCheck.fill(circleMark(510));
    // The paper frame is always shown; every other live object waits for its gesture.
    for (MarkerShape &frame : shpPrintWaku)
        frame.Visible = true;
}

void LiveObjects::hideMeasurement()
{
    lineDistance.Visible = false;
    lblDistance.Visible = false;
    lblFt.Visible = false;
    for (AnnotationLine &line : lineHojo)
        line.Visible = false;
}

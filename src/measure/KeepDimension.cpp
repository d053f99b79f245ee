// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DimensionConstruction.h"

#include "document/AnnotationLooks.h"
#include "document/LabelMetrics.h"
#include "measure/MeasuringTool.h"
#include "measure/WeightCommands.h"
#include "document/ScaleValues.h"

namespace {

// A length measured before any reference was set is the picture's millimetres at 100 %.
const QString UncalibratedNote = QStringLiteral("（未校正）");

void takeLabelLook(AnnotationLabel &label, const AnnotationLabel &look)
{
    label.ForeColor = look.ForeColor;
    label.BackColor = look.BackColor;
    label.BackStyle = look.BackStyle;
    label.BorderStyle = look.BorderStyle;
    copyFont(label, look);
}

// The spare of a collection, as the next kept object starts from it.
AnnotationLine extensionLine(const MeasuringTool &tool, const AnnotationLine &live)
{
    AnnotationLine kept = tool.annotations.lineHojoSave.spare();
    kept.X1 = live.X1;
    kept.Y1 = live.Y1;
    kept.X2 = live.X2;
    kept.Y2 = live.Y2;
    copyLineLook(kept, tool.defaults.linDefault);
    return kept;
}

// A dot centred on an end of the dimension line, in the line colour.
MarkerShape endMarker(const MeasuringTool &tool, float x, float y)
{
    MarkerShape marker = tool.annotations.shpSnpo.spare();
    marker.Left = x - marker.Width / 2;
    marker.Top = y - marker.Height / 2;
    const AnnotationLine &look = tool.defaults.linDefault;
    marker.BorderColor = look.BorderColor;
    marker.FillColor = look.BorderColor;
    marker.BorderWidth = look.BorderWidth;
    return marker;
}

} // namespace

void subKeepDimension(MeasuringTool &tool)
{
    const LiveObjects &live = tool.live;
    // The +n pair lies above any line that is not vertical. A dimension drawn right to left
    // keeps the -n pair below it, so the label's side follows the direction of drawing; a
    // vertical one keeps the +n pair, on its right, whichever end came first.
    const bool minusSide = live.lineHojo[0].X1 > live.lineHojo[1].X1;
    const AnnotationLine &atA = live.lineHojo[minusSide ? 2 : 0];
    const AnnotationLine &atB = live.lineHojo[minusSide ? 3 : 1];
    const float xp = atA.X2;
    const float yp = atA.Y2;
    const float xq = atB.X2;
    const float yq = atB.Y2;

    // Centred with the size its caption gives it in the spare's font; the new font then grows
    // the box from its top-left corner.
    AnnotationLabel label = tool.annotations.lblKyori.spare();
    setCaption(label, live.lblDistance.Caption);
    label.Tag = live.lblDistance.Tag;
    label.ToolTipText = tool.txtPict[3].Text;
    if (!isCalibrated(tool.scale))
        label.ToolTipText += UncalibratedNote;
    label.Top = yp + (yq - yp) / 2 - label.Height / 2;
    label.Left = xp + (xq - xp) / 2 - label.Width / 2;
    takeLabelLook(label, tool.defaults.lblDefault);

    AnnotationLine dimensionLine = tool.annotations.lineDsSave.spare();
    dimensionLine.X1 = xp;
    dimensionLine.Y1 = yp;
    dimensionLine.X2 = xq;
    dimensionLine.Y2 = yq;
    copyLineLook(dimensionLine, tool.defaults.linDefault);

    const bool kept = tool.annotations
                          .AppendDimension(label, dimensionLine, extensionLine(tool, atA),
                                           extensionLine(tool, atB), endMarker(tool, xp, yp),
                                           endMarker(tool, xq, yq))
                          .has_value();
    if (kept) {
        // The live extension lines are drawn by inverting: left over the kept ones they would
        // turn them white until the next measurement. The live lengths would cover the kept
        // caption and the fish.
        subHojoVisible(tool, false);
        tool.live.lblDistance.Visible = false;
        tool.live.lblFt.Visible = false;
        estimateWeightAfterKeep(tool);
    } else {
        tool.platform.showOk(QStringLiteral("寸法情報を残す"),
                             QStringLiteral("残せる寸法は16383個までです。") + QLatin1Char('\r')
                                 + QStringLiteral("この測定は寸法として残されませんでした。"),
                             platform::MessageIcon::Warning);
    }
}

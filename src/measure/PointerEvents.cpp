// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointerEvents.h"

#include "annotations/EditPopup.h"
#include "annotations/LabelEvents.h"
#include "document/AnnotationLooks.h"
#include "document/LabelMetrics.h"
#include "measure/MeasuringTool.h"
#include "measure/Alignment.h"
#include "measure/DimensionConstruction.h"
#include "measure/LeaderHitTest.h"
#include "measure/ShiftConstraint.h"
#include "measure/Snapping.h"
#include "output/PaperLayout.h"
#include "platform/NumberText.h"
#include "document/ScaleModel.h"
#include "measure/frmOption.h"

#include <cmath>
#include <optional>

namespace {

constexpr int LeftButton = 1;
constexpr int RightButton = 2;
// A leader line shorter than this (canvas millimetres, end to end) is a slip, not a line.
constexpr float MinimumLeaderLength = 2;
// The print-area rectangle grows only past this size.
constexpr float MinimumPrintAreaSide = 10;

bool checked(const MeasuringTool &tool, const char *item)
{
    return tool.menus[QLatin1String(item)].checked;
}

bool shiftHeld(MeasuringTool &tool)
{
    return tool.platform.keyState().shift;
}

void refuse(MeasuringTool &tool, const QString &what)
{
    tool.platform.showOk(QStringLiteral("ｴﾗｰ"),
                         what + QStringLiteral("は 32767 個までです。これ以上は作成できません。"),
                         platform::MessageIcon::Warning);
}

// Ctrl snaps to a line end, Space lines the pointer up with one; without either, no hints.
void prologue(MeasuringTool &tool, float &X, float &Y)
{
    const platform::KeyState keys = tool.platform.keyState();
    if (keys.ctrl) {
        subSnapToEnds(tool.annotations, tool.live.shpSnap, X, Y);
    } else if (keys.space) {
        subAlignHints(tool.annotations, tool.live, X, Y);
    } else {
        tool.live.lineHintX.Visible = false;
        tool.live.lineHintY.Visible = false;
    }
    if (!keys.ctrl)
        tool.live.shpSnap.Visible = false;
}

// The measuring line starts at the pointer with its length label just above it.
void startLiveLine(MeasuringTool &tool, float X, float Y, const QString &caption)
{
    LiveObjects &live = tool.live;
    live.lineDistance.X1 = live.lineDistance.X2 = X;
    live.lineDistance.Y1 = live.lineDistance.Y2 = Y;
    live.lineDistance.Visible = true;
    setCaption(live.lblDistance, caption);
    live.lblDistance.Left = X;
    live.lblDistance.Top = Y - live.lblDistance.Height;
    live.lblDistance.Visible = true;
}

void placeLiveExtensionLines(MeasuringTool &tool)
{
    const AnnotationLine &line = tool.live.lineDistance;
    subHojoPlace(tool, line.X1, line.Y1, line.X2, line.Y2, tool.scale.GE_sngHojoLen);
}

void startDimension(MeasuringTool &tool, float X, float Y)
{
    startLiveLine(tool, X, Y, QStringLiteral("0.0cm "));
    AnnotationLabel &feet = tool.live.lblFt;
    setCaption(feet, QStringLiteral("0.00ft "));
    feet.Left = X;
    feet.Top = Y - tool.live.lblDistance.Height;
    feet.Visible = true;
    tool.canvas.DimMeasuring = true;
    subHojoStart(tool, X, Y);
    placeLiveExtensionLines(tool);
    subHojoVisible(tool, true);
}

void startReference(MeasuringTool &tool, float X, float Y)
{
    startLiveLine(tool, X, Y, QStringLiteral("0.00 mm"));
    tool.canvas.RefMeasuring = true;
    subHojoStart(tool, X, Y);
    placeLiveExtensionLines(tool);
    subHojoVisible(tool, true);
    if (tool.optionDialog)
        tool.optionDialog->FillFromReferenceLine(0);
}

void grabLeader(MeasuringTool &tool, float X, float Y)
{
    CanvasState &canvas = tool.canvas;
    const int end = fncHitLeaderEnd(tool.annotations.lineHikidashi, tool.canvas.LeaderGrab, X, Y);
    if (end >= 0) {
        canvas.SelectedLeader = std::int16_t(end);
        AnnotationLine &line = tool.annotations.lineHikidashi[end];
        if (canvas.LeaderGrab == 1) {
            line.X1 = X;
            line.Y1 = Y;
        } else {
            line.X2 = X;
            line.Y2 = Y;
        }
        return;
    }
    const int body =
        fncHitLeaderBody(tool.annotations.lineHikidashi, tool.canvas.LeaderGrab, X, Y);
    if (body >= 0) {
        canvas.SelectedLeader = std::int16_t(body);
        canvas.DragAnchorX = X;
        canvas.DragAnchorY = Y;
    }
}

void startLeader(MeasuringTool &tool, float X, float Y)
{
    auto &leaders = tool.annotations.lineHikidashi;
    AnnotationLine &spare = leaders[leaders.UBound()];
    const AnnotationLine &look = tool.defaults.linDefault;
    tool.canvas.LeaderGrab = 0;
    spare.X1 = spare.X2 = X;
    spare.Y1 = spare.Y2 = Y;
    copyLineLook(spare, look);
    spare.Visible = true;
}

void createTextLabel(MeasuringTool &tool, float X, float Y)
{
    const auto n = tool.annotations.CreateTextLabel();
    if (!n) {
        refuse(tool, QStringLiteral("文字列"));
        return;
    }
    AnnotationLabel &label = tool.annotations.lblMoji[*n];
    const AnnotationLabel &look = tool.defaults.lblDefault;
    label.Left = X;
    label.Top = Y;
    label.ForeColor = look.ForeColor;
    label.BackColor = look.BackColor;
    copyFont(label, look);
    // A positive number is written with a blank where its sign would be: "New  3".
    setCaption(label, QStringLiteral("New  %1").arg(*n));
    label.Visible = true;
}

void leftPress(MeasuringTool &tool, float X, float Y)
{
    if (checked(tool, "mnuPrintEria")) {
        MarkerShape &area = tool.live.shpPrint;
        area.Left = X;
        area.Top = Y;
        area.Width = 0;
        area.Height = 0;
        area.Visible = true;
        tool.live.printAreaDrawn = true;
        tool.canvas.PrintAreaDrawn = true;
    }
    if (checked(tool, "mnuToolMes") && checked(tool, "popMesLine") && !tool.canvas.DimMeasuring)
        startDimension(tool, X, Y);
    if (tool.process.OptionDialogOpen && !tool.canvas.RefMeasuring)
        startReference(tool, X, Y);
    if (checked(tool, "mnuToolLine") && checked(tool, "popHkdSenSelect"))
        grabLeader(tool, X, Y);
    if (checked(tool, "mnuToolLine") && checked(tool, "popHkdSenNew"))
        startLeader(tool, X, Y);
    if (checked(tool, "mnuToolCmnt") && checked(tool, "popMojiNew"))
        createTextLabel(tool, X, Y);
}

void rightPress(MeasuringTool &tool, float X, float Y)
{
    // The pop-up takes the release that would have finished a leader line being drawn.
    dropUnfinishedStroke(tool);
    if (checked(tool, "mnuToolMes") && !tool.canvas.DimMeasuring)
        tool.platform.showPopupMenu(QStringLiteral("popMes"));
    if (checked(tool, "mnuToolLine")) {
        if (checked(tool, "popHkdSenSelect")) {
            const int index =
                fncHitLeaderBody(tool.annotations.lineHikidashi, tool.canvas.LeaderGrab, X, Y);
            if (index < 0) {
                tool.platform.showPopupMenu(QStringLiteral("popHikidashi"));
            } else {
                tool.EditTarget = {QStringLiteral("lineHikidashi"), index};
                showEditPopup(tool.editing);
            }
        } else if (checked(tool, "popHkdSenNew")) {
            // One pop-up a click: a choice of "新規作成" in the one above must not open another.
            tool.platform.showPopupMenu(QStringLiteral("popHikidashi"));
        }
        return;
    }
    if (checked(tool, "mnuToolCmnt"))
        tool.platform.showPopupMenu(QStringLiteral("popMoji"));
}

void dragPrintArea(MeasuringTool &tool, float X, float Y)
{
    if (!tool.canvas.PrintAreaDrawn)
        return;
    MarkerShape &area = tool.live.shpPrint;
    const float w = X - area.Left;
    const float h = Y - area.Top;
    if (w > MinimumPrintAreaSide)
        area.Width = w;
    if (h > MinimumPrintAreaSide)
        area.Height = h;
}

void dragLeader(MeasuringTool &tool, float &X, float &Y)
{
    CanvasState &canvas = tool.canvas;
    auto &leaders = tool.annotations.lineHikidashi;
    if (canvas.LeaderGrab < 0 || canvas.SelectedLeader > leaders.UBound())
        return;
    AnnotationLine &line = leaders[canvas.SelectedLeader];
    switch (canvas.LeaderGrab) {
    case 1:
        subShiftConstrain(shiftHeld(tool), line.X2, line.Y2, X, Y);
        line.X1 = X;
        line.Y1 = Y;
        break;
    case 2:
        subShiftConstrain(shiftHeld(tool), line.X1, line.Y1, X, Y);
        line.X2 = X;
        line.Y2 = Y;
        break;
    default: {
        const float dx = X - canvas.DragAnchorX;
        const float dy = Y - canvas.DragAnchorY;
        line.X1 += dx;
        line.X2 += dx;
        line.Y1 += dy;
        line.Y2 += dy;
        canvas.DragAnchorX = X;
        canvas.DragAnchorY = Y;
        break;
    }
    }
}

// The new leader line's free end follows the pointer.
void stretchNewLeader(MeasuringTool &tool, float &X, float &Y)
{
    auto &leaders = tool.annotations.lineHikidashi;
    AnnotationLine &spare = leaders[leaders.UBound()];
    if (!spare.Visible)
        return; // dropped while the button was held
    subShiftConstrain(shiftHeld(tool), spare.X1, spare.Y1, X, Y);
    spare.X2 = X;
    spare.Y2 = Y;
}

void stretchReference(MeasuringTool &tool, float &X, float &Y)
{
    tool.canvas.RefMoved = true;
    AnnotationLine &line = tool.live.lineDistance;
    subShiftConstrain(shiftHeld(tool), line.X1, line.Y1, X, Y);
    line.X2 = X;
    line.Y2 = Y;
    AnnotationLabel &label = tool.live.lblDistance;
    label.Left = line.X1 + (X - line.X1) / 2 - label.Width / 2;
    label.Top = line.Y1 + (Y - line.Y1) / 2;
    // The plain length on the picture at 100 %, before any calibration.
    const float z = tool.ZoomFactor;
    const float d = PointDistance(line.X1 / z, line.Y1 / z, X / z, Y / z);
    setCaption(label, numbertext::formatNumber(d, QStringLiteral("0.00 mm")));
    placeLiveExtensionLines(tool);
    if (tool.optionDialog)
        tool.optionDialog->FillFromReferenceLine(d);
}

void stretchDimension(MeasuringTool &tool, float &X, float &Y)
{
    tool.canvas.DimMoved = true;
    if (!checked(tool, "popMesLine"))
        return;
    AnnotationLine &line = tool.live.lineDistance;
    subShiftConstrain(shiftHeld(tool), line.X1, line.Y1, X, Y);
    line.X2 = X;
    line.Y2 = Y;
    subDistanceLabels(tool);
    placeLiveExtensionLines(tool);
}

void showReadout(MeasuringTool &tool, float X, float Y)
{
    const QString format = QStringLiteral("#####0.###0");
    tool.txtPict[1].Text = QStringLiteral("X:") + numbertext::formatNumber(X, format);
    tool.txtPict[2].Text = QStringLiteral("Y:") + numbertext::formatNumber(Y, format);
}

void finishLeader(MeasuringTool &tool, float &X, float &Y)
{
    auto &leaders = tool.annotations.lineHikidashi;
    const int n = leaders.UBound();
    AnnotationLine &spare = leaders[n];
    if (!spare.Visible)
        return; // dropped while the button was held: nothing to finish
    subShiftConstrain(shiftHeld(tool), spare.X1, spare.Y1, X, Y);
    spare.X2 = X;
    spare.Y2 = Y;
    const float length = std::hypot(spare.X2 - spare.X1, spare.Y2 - spare.Y1);
    if (length > MinimumLeaderLength && leaders.CreateElement(n + 1)) {
        AnnotationLine &newSpare = leaders[n + 1];
        newSpare.BorderStyle = BorderSolid;
        newSpare.BorderWidth = 1;
        return;
    }
    if (length > MinimumLeaderLength)
        refuse(tool, QStringLiteral("引き出し線"));
    leaders[n].Visible = false;
}

void finishReference(MeasuringTool &tool)
{
    tool.canvas.RefMoved = false;
    tool.canvas.RefMeasuring = false;
    const AnnotationLine &line = tool.live.lineDistance;
    float *hosei = tool.scale.GE_sngHosei;
    hosei[0] = line.X1;
    hosei[1] = line.Y1;
    hosei[2] = line.X2;
    hosei[3] = line.Y2;
    LiveObjects &live = tool.live;
    live.shpCheck[0].Visible = true;
    live.shpCheck[1].Visible = true;
    live.lineCheck.Visible = true;
    ShowTiltCheck(live.lineCheck, live.shpCheck[0], live.shpCheck[1], hosei[0], hosei[1], hosei[2],
                  hosei[3]);
    ComputeTiltAngles(tool.scale);
}

} // namespace

void abandonMeasurement(MeasuringTool &tool)
{
    CanvasState &canvas = tool.canvas;
    canvas.DimMeasuring = canvas.DimMoved = false;
    canvas.RefMeasuring = canvas.RefMoved = false;
    tool.live.hideMeasurement();
}

void cancelDrawing(MeasuringTool &tool)
{
    abandonMeasurement(tool);
    dropUnfinishedStroke(tool);
    tool.canvas.PrintAreaDrawn = false;
    endLabelDrag(tool.editing);
}

void dropUnfinishedStroke(MeasuringTool &tool)
{
    auto &leaders = tool.annotations.lineHikidashi;
    leaders[leaders.UBound()].Visible = false;
}

void pictMap_MouseDown(MeasuringTool &tool, int Button, float X, float Y)
{
    // The second click of a measurement finishes the gesture its first click started: keeping a
    // dimension or drawing the reference line is one step.
    RecordBookDocument &document = tool.document;
    const bool measuring = tool.canvas.DimMeasuring || tool.canvas.RefMeasuring;
    const DocumentChange change(document,
                                measuring ? document.currentGesture() : document.startGesture());
    // The grey beside the canvas is no place to start anything.
    const QSizeF canvasMm = tool.pictMapPx / ScreenPixelsPerMm;
    if (X < 0 || Y < 0 || X > canvasMm.width() || Y > canvasMm.height())
        return;
    prologue(tool, X, Y);
    if (Button == LeftButton)
        leftPress(tool, X, Y);
    else if (Button == RightButton)
        rightPress(tool, X, Y);
}

void pictMap_MouseMove(MeasuringTool &tool, int Button, float X, float Y)
{
    // A move with no button held only stretches the live measuring objects, and the reference
    // line of the option dialog, whose ends are scale values.
    std::optional<DocumentChange> change;
    if (Button != 0 || tool.canvas.RefMeasuring)
        change.emplace(tool.document, tool.document.currentGesture());
    prologue(tool, X, Y);
    if (Button == LeftButton) {
        if (checked(tool, "mnuPrintEria"))
            dragPrintArea(tool, X, Y);
        if (checked(tool, "mnuToolLine") && checked(tool, "popHkdSenSelect"))
            dragLeader(tool, X, Y);
        if (checked(tool, "mnuToolLine") && checked(tool, "popHkdSenNew"))
            stretchNewLeader(tool, X, Y);
    }
    if (Button == 0) {
        if (tool.canvas.RefMeasuring)
            stretchReference(tool, X, Y);
        if (tool.canvas.DimMeasuring)
            stretchDimension(tool, X, Y);
    }
    showReadout(tool, X, Y);
}

void pictMap_MouseUp(MeasuringTool &tool, int Button, float X, float Y)
{
    const DocumentChange change(tool.document, tool.document.currentGesture());
    prologue(tool, X, Y);
    if (Button == LeftButton && checked(tool, "mnuToolLine") && checked(tool, "popHkdSenNew"))
        finishLeader(tool, X, Y);
    if (tool.canvas.RefMoved)
        finishReference(tool);
    if (tool.canvas.DimMoved) {
        tool.canvas.DimMeasuring = false;
        if (checked(tool, "popMesPutSen"))
            subKeepDimension(tool);
    }
    if (checked(tool, "mnuPrintEria"))
        subPlaceMasks(tool.live, tool.platform);
    if (Button == LeftButton)
        tool.canvas.PrintAreaDrawn = false;
    tool.canvas.DimMoved = false;
}

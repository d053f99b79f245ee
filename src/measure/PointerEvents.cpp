// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointerEvents.h"

#include "annotations/EditPopup.h"
#include "annotations/LabelEvents.h"
#include "document/AnnotationLooks.h"
#include "document/LabelMetrics.h"
#include "app/frmMain.h"
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

bool checked(const frmMain &form, const char *item)
{
    return form.menus[QLatin1String(item)].checked;
}

bool shiftHeld(frmMain &form)
{
    return form.platform.keyState().shift;
}

void refuse(frmMain &form, const QString &what)
{
    form.platform.showOk(QStringLiteral("ｴﾗｰ"),
                         what + QStringLiteral("は 32767 個までです。これ以上は作成できません。"),
                         platform::MessageIcon::Warning);
}

// Ctrl snaps to a line end, Space lines the pointer up with one; without either, no hints.
void prologue(frmMain &form, float &X, float &Y)
{
    const platform::KeyState keys = form.platform.keyState();
    if (keys.ctrl) {
        subSnapToEnds(form.annotations, form.live.shpSnap, X, Y);
    } else if (keys.space) {
        subAlignHints(form.annotations, form.live, X, Y);
    } else {
        form.live.lineHintX.Visible = false;
        form.live.lineHintY.Visible = false;
    }
    if (!keys.ctrl)
        form.live.shpSnap.Visible = false;
}

// The measuring line starts at the pointer with its length label just above it.
void startLiveLine(frmMain &form, float X, float Y, const QString &caption)
{
    LiveObjects &live = form.live;
    live.lineDistance.X1 = live.lineDistance.X2 = X;
    live.lineDistance.Y1 = live.lineDistance.Y2 = Y;
    live.lineDistance.Visible = true;
    setCaption(live.lblDistance, caption);
    live.lblDistance.Left = X;
    live.lblDistance.Top = Y - live.lblDistance.Height;
    live.lblDistance.Visible = true;
}

void placeLiveExtensionLines(frmMain &form)
{
    const AnnotationLine &line = form.live.lineDistance;
    subHojoPlace(form, line.X1, line.Y1, line.X2, line.Y2, form.process.GE_sngHojoLen);
}

void startDimension(frmMain &form, float X, float Y)
{
    startLiveLine(form, X, Y, QStringLiteral("0.0cm "));
    AnnotationLabel &feet = form.live.lblFt;
    setCaption(feet, QStringLiteral("0.00ft "));
    feet.Left = X;
    feet.Top = Y - form.live.lblDistance.Height;
    feet.Visible = true;
    form.canvas.DimMeasuring = true;
    subHojoStart(form, X, Y);
    placeLiveExtensionLines(form);
    subHojoVisible(form, true);
}

void startReference(frmMain &form, float X, float Y)
{
    startLiveLine(form, X, Y, QStringLiteral("0.00 mm"));
    form.canvas.RefMeasuring = true;
    subHojoStart(form, X, Y);
    placeLiveExtensionLines(form);
    subHojoVisible(form, true);
    if (form.optionDialog)
        form.optionDialog->FillFromReferenceLine(0);
}

void grabLeader(frmMain &form, float X, float Y)
{
    CanvasState &canvas = form.canvas;
    const int end = fncHitLeaderEnd(form.annotations.lineHikidashi, form.canvas.LeaderGrab, X, Y);
    if (end >= 0) {
        canvas.SelectedLeader = std::int16_t(end);
        AnnotationLine &line = form.annotations.lineHikidashi[end];
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
        fncHitLeaderBody(form.annotations.lineHikidashi, form.canvas.LeaderGrab, X, Y);
    if (body >= 0) {
        canvas.SelectedLeader = std::int16_t(body);
        canvas.DragAnchorX = X;
        canvas.DragAnchorY = Y;
    }
}

void startLeader(frmMain &form, float X, float Y)
{
    auto &leaders = form.annotations.lineHikidashi;
    AnnotationLine &spare = leaders[leaders.UBound()];
    const AnnotationLine &look = form.defaults.linDefault;
    form.canvas.LeaderGrab = 0;
    spare.X1 = spare.X2 = X;
    spare.Y1 = spare.Y2 = Y;
    copyLineLook(spare, look);
    spare.Visible = true;
}

void createTextLabel(frmMain &form, float X, float Y)
{
    const auto n = form.annotations.CreateTextLabel();
    if (!n) {
        refuse(form, QStringLiteral("文字列"));
        return;
    }
    AnnotationLabel &label = form.annotations.lblMoji[*n];
    const AnnotationLabel &look = form.defaults.lblDefault;
    label.Left = X;
    label.Top = Y;
    label.ForeColor = look.ForeColor;
    label.BackColor = look.BackColor;
    copyFont(label, look);
    // A positive number is written with a blank where its sign would be: "New  3".
    setCaption(label, QStringLiteral("New  %1").arg(*n));
    label.Visible = true;
}

void leftPress(frmMain &form, float X, float Y)
{
    if (checked(form, "mnuPrintEria")) {
        MarkerShape &area = form.live.shpPrint;
        area.Left = X;
        area.Top = Y;
        area.Width = 0;
        area.Height = 0;
        area.Visible = true;
        form.live.printAreaDrawn = true;
        form.canvas.PrintAreaDrawn = true;
    }
    if (checked(form, "mnuToolMes") && checked(form, "popMesLine") && !form.canvas.DimMeasuring)
        startDimension(form, X, Y);
    if (form.process.OptionDialogOpen && !form.canvas.RefMeasuring)
        startReference(form, X, Y);
    if (checked(form, "mnuToolLine") && checked(form, "popHkdSenSelect"))
        grabLeader(form, X, Y);
    if (checked(form, "mnuToolLine") && checked(form, "popHkdSenNew"))
        startLeader(form, X, Y);
    if (checked(form, "mnuToolCmnt") && checked(form, "popMojiNew"))
        createTextLabel(form, X, Y);
}

void rightPress(frmMain &form, float X, float Y)
{
    // The pop-up takes the release that would have finished a leader line being drawn.
    dropUnfinishedStroke(form);
    if (checked(form, "mnuToolMes") && !form.canvas.DimMeasuring)
        form.platform.showPopupMenu(QStringLiteral("popMes"));
    if (checked(form, "mnuToolLine")) {
        if (checked(form, "popHkdSenSelect")) {
            const int index =
                fncHitLeaderBody(form.annotations.lineHikidashi, form.canvas.LeaderGrab, X, Y);
            if (index < 0) {
                form.platform.showPopupMenu(QStringLiteral("popHikidashi"));
            } else {
                form.EditTarget = {QStringLiteral("lineHikidashi"), index};
                showEditPopup(form.editing);
            }
        } else if (checked(form, "popHkdSenNew")) {
            // One pop-up a click: a choice of "新規作成" in the one above must not open another.
            form.platform.showPopupMenu(QStringLiteral("popHikidashi"));
        }
        return;
    }
    if (checked(form, "mnuToolCmnt"))
        form.platform.showPopupMenu(QStringLiteral("popMoji"));
}

void dragPrintArea(frmMain &form, float X, float Y)
{
    if (!form.canvas.PrintAreaDrawn)
        return;
    MarkerShape &area = form.live.shpPrint;
    const float w = X - area.Left;
    const float h = Y - area.Top;
    if (w > MinimumPrintAreaSide)
        area.Width = w;
    if (h > MinimumPrintAreaSide)
        area.Height = h;
}

void dragLeader(frmMain &form, float &X, float &Y)
{
    CanvasState &canvas = form.canvas;
    auto &leaders = form.annotations.lineHikidashi;
    if (canvas.LeaderGrab < 0 || canvas.SelectedLeader > leaders.UBound())
        return;
    AnnotationLine &line = leaders[canvas.SelectedLeader];
    switch (canvas.LeaderGrab) {
    case 1:
        subShiftConstrain(shiftHeld(form), line.X2, line.Y2, X, Y);
        line.X1 = X;
        line.Y1 = Y;
        break;
    case 2:
        subShiftConstrain(shiftHeld(form), line.X1, line.Y1, X, Y);
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
void stretchNewLeader(frmMain &form, float &X, float &Y)
{
    auto &leaders = form.annotations.lineHikidashi;
    AnnotationLine &spare = leaders[leaders.UBound()];
    if (!spare.Visible)
        return; // dropped while the button was held
    subShiftConstrain(shiftHeld(form), spare.X1, spare.Y1, X, Y);
    spare.X2 = X;
    spare.Y2 = Y;
}

void stretchReference(frmMain &form, float &X, float &Y)
{
    form.canvas.RefMoved = true;
    AnnotationLine &line = form.live.lineDistance;
    subShiftConstrain(shiftHeld(form), line.X1, line.Y1, X, Y);
    line.X2 = X;
    line.Y2 = Y;
    AnnotationLabel &label = form.live.lblDistance;
    label.Left = line.X1 + (X - line.X1) / 2 - label.Width / 2;
    label.Top = line.Y1 + (Y - line.Y1) / 2;
    // The plain length on the picture at 100 %, before any calibration.
    const float z = form.ZoomFactor;
    const float d = PointDistance(line.X1 / z, line.Y1 / z, X / z, Y / z);
    setCaption(label, numbertext::formatNumber(d, QStringLiteral("0.00 mm")));
    placeLiveExtensionLines(form);
    if (form.optionDialog)
        form.optionDialog->FillFromReferenceLine(d);
}

void stretchDimension(frmMain &form, float &X, float &Y)
{
    form.canvas.DimMoved = true;
    if (!checked(form, "popMesLine"))
        return;
    AnnotationLine &line = form.live.lineDistance;
    subShiftConstrain(shiftHeld(form), line.X1, line.Y1, X, Y);
    line.X2 = X;
    line.Y2 = Y;
    subDistanceLabels(form);
    placeLiveExtensionLines(form);
}

void showReadout(frmMain &form, float X, float Y)
{
    const QString format = QStringLiteral("#####0.###0");
    form.txtPict[1].Text = QStringLiteral("X:") + numbertext::formatNumber(X, format);
    form.txtPict[2].Text = QStringLiteral("Y:") + numbertext::formatNumber(Y, format);
}

void finishLeader(frmMain &form, float &X, float &Y)
{
    auto &leaders = form.annotations.lineHikidashi;
    const int n = leaders.UBound();
    AnnotationLine &spare = leaders[n];
    if (!spare.Visible)
        return; // dropped while the button was held: nothing to finish
    subShiftConstrain(shiftHeld(form), spare.X1, spare.Y1, X, Y);
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
        refuse(form, QStringLiteral("引き出し線"));
    leaders[n].Visible = false;
}

void finishReference(frmMain &form)
{
    form.canvas.RefMoved = false;
    form.canvas.RefMeasuring = false;
    const AnnotationLine &line = form.live.lineDistance;
    float *hosei = form.process.GE_sngHosei;
    hosei[0] = line.X1;
    hosei[1] = line.Y1;
    hosei[2] = line.X2;
    hosei[3] = line.Y2;
    LiveObjects &live = form.live;
    live.shpCheck[0].Visible = true;
    live.shpCheck[1].Visible = true;
    live.lineCheck.Visible = true;
    ShowTiltCheck(live.lineCheck, live.shpCheck[0], live.shpCheck[1], hosei[0], hosei[1], hosei[2],
                  hosei[3]);
    ComputeTiltAngles(form.process);
}

} // namespace

void abandonMeasurement(frmMain &form)
{
    CanvasState &canvas = form.canvas;
    canvas.DimMeasuring = canvas.DimMoved = false;
    canvas.RefMeasuring = canvas.RefMoved = false;
    form.live.hideMeasurement();
}

void cancelDrawing(frmMain &form)
{
    abandonMeasurement(form);
    dropUnfinishedStroke(form);
    form.canvas.PrintAreaDrawn = false;
    endLabelDrag(form.editing);
}

void dropUnfinishedStroke(frmMain &form)
{
    auto &leaders = form.annotations.lineHikidashi;
    leaders[leaders.UBound()].Visible = false;
}

void pictMap_MouseDown(frmMain &form, int Button, float X, float Y)
{
    // The second click of a measurement finishes the gesture its first click started: keeping a
    // dimension or drawing the reference line is one step.
    RecordBookDocument &document = form.document;
    const bool measuring = form.canvas.DimMeasuring || form.canvas.RefMeasuring;
    const DocumentChange change(document,
                                measuring ? document.currentGesture() : document.startGesture());
    // The grey beside the canvas is no place to start anything.
    const QSizeF canvasMm = form.pictMapPx / ScreenPixelsPerMm;
    if (X < 0 || Y < 0 || X > canvasMm.width() || Y > canvasMm.height())
        return;
    prologue(form, X, Y);
    if (Button == LeftButton)
        leftPress(form, X, Y);
    else if (Button == RightButton)
        rightPress(form, X, Y);
}

void pictMap_MouseMove(frmMain &form, int Button, float X, float Y)
{
    // A move with no button held only stretches the live measuring objects, and the reference
    // line of the option dialog, whose ends are scale values.
    std::optional<DocumentChange> change;
    if (Button != 0 || form.canvas.RefMeasuring)
        change.emplace(form.document, form.document.currentGesture());
    prologue(form, X, Y);
    if (Button == LeftButton) {
        if (checked(form, "mnuPrintEria"))
            dragPrintArea(form, X, Y);
        if (checked(form, "mnuToolLine") && checked(form, "popHkdSenSelect"))
            dragLeader(form, X, Y);
        if (checked(form, "mnuToolLine") && checked(form, "popHkdSenNew"))
            stretchNewLeader(form, X, Y);
    }
    if (Button == 0) {
        if (form.canvas.RefMeasuring)
            stretchReference(form, X, Y);
        if (form.canvas.DimMeasuring)
            stretchDimension(form, X, Y);
    }
    showReadout(form, X, Y);
}

void pictMap_MouseUp(frmMain &form, int Button, float X, float Y)
{
    const DocumentChange change(form.document, form.document.currentGesture());
    prologue(form, X, Y);
    if (Button == LeftButton && checked(form, "mnuToolLine") && checked(form, "popHkdSenNew"))
        finishLeader(form, X, Y);
    if (form.canvas.RefMoved)
        finishReference(form);
    if (form.canvas.DimMoved) {
        form.canvas.DimMeasuring = false;
        if (checked(form, "popMesPutSen"))
            subKeepDimension(form);
    }
    if (checked(form, "mnuPrintEria"))
        subPlaceMasks(form);
    if (Button == LeftButton)
        form.canvas.PrintAreaDrawn = false;
    form.canvas.DimMoved = false;
}

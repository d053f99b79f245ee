// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "annotations/AnnotationEditing.h"
#include "annotations/EditTarget.h"
#include "annotations/LiveObjects.h"
#include "annotations/StyleDefaults.h"
#include "document/AnnotationStore.h"
#include "document/RecordBookDocument.h"
#include "document/ScaleValues.h"
#include "measure/CanvasState.h"
#include "measure/ProcessState.h"
#include "platform/MenuTree.h"
#include "platform/Platform.h"

#include <QSizeF>
#include <QString>

#include <memory>

class frmOption;

// A text box of the coordinate panel above the view.
struct TextBox
{
    QString Text;
    QString ToolTipText;
    int Left = 0;
    int Width = 73;
    bool Visible = false;
};

// The coordinate panel: pointer position, line ends, direction and length.
using CoordinateReadout = TextBox[7];

// What the measuring tool works on: the pointer's state machine, the live construction, the
// kept dimensions, the reference line and the scale option dialog. The main window builds it
// from its parts and hands it to the canvas's pointer events and the measuring commands.
struct MeasuringTool
{
    ProcessState &process;
    ScaleValues &scale; // the open record book's calibration
    platform::Platform &platform;
    MenuTree &menus;
    AnnotationStore &annotations;
    LiveObjects &live;
    StyleDefaults &defaults;
    CanvasState &canvas;
    RecordBookDocument &document;
    AnnotationEditing &editing;
    EditTargetRef &EditTarget;
    CoordinateReadout &txtPict;
    // The scale option dialog while it is loaded.
    std::unique_ptr<frmOption> &optionDialog;
    // The zoom the canvas shows and its size in pixels.
    const float &ZoomFactor;
    const QSizeF &pictMapPx;
};

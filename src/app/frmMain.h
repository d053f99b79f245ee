// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainLayout.h"
#include "platform/MenuTree.h"
#include "measure/ProcessState.h"
#include "BookDoor.h"
#include "document/AnnotationStore.h"
#include "annotations/AnnotationEditing.h"
#include "annotations/LiveObjects.h"
#include "annotations/LabelEvents.h"
#include "measure/CanvasState.h"
#include "measure/MeasuringTool.h"
#include "platform/Platform.h"
#include "document/OpenRecordBook.h"
#include "view/CanvasRenderer.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QSizeF>

#include <functional>
#include <map>
#include <memory>

class frmOption;

// What start-up learns from the desktop before the window exists.
struct StartupEnvironment
{
    QString executableFolder;
    QSize screenSize{1920, 1080};
};

// The main window's model: every state the window shows and every behaviour behind its menus and
// canvas, without a widget. The Qt window mirrors it and turns events into calls on it.
class frmMain : public QObject
{
    Q_OBJECT

public:
    frmMain(ProcessState &process, platform::Platform &platform, QObject *parent = nullptr);
    ~frmMain() override;

    void Form_Load(const StartupEnvironment &environment);

    // Runs the command of a menu item; false when the item has none (yet). A command that may
    // change the record book runs as one change of the document.
    bool runCommand(const QString &menuItemName);
    bool hasCommand(const QString &menuItemName) const;
    // Subsystems add the commands of the menu items they own.
    void setCommand(const QString &menuItemName, std::function<void()> command);
    void setCommands(const MenuCommands &commands);

    // Lays the window out for its current outer size (the platform calls it on every resize).
    void Form_Resize(WindowState state, QSize outerSize, const WindowMetrics &metrics);
    // Lays the window out again for the size it last reported (after a picture or zoom change).
    void relayout();

    // The scale values back to their start, zoom 1.0, the tilt check on the default line.
    void SetScaleDefaults();

    // F1: the help file beside the executable.
    void openHelp();

    // The scroll bars moved: the canvas follows, the default-style sample stays pinned 10 mm
    // from the visible corner (or where placeDefaultSample keeps it clear of the book).
    void vscY_Change(int value);
    void hscX_Change(int value);
    // A bar whose maximum shrank below its value moves back, and the canvas with it.
    void keepScrollValuesInRange();
    // Where the canvas's top-left corner lies in the view, in pixels: moved by the scroll bars,
    // and centred along a direction in which the view is larger than the canvas, so that a
    // small paper sits in the middle of a large window.
    QPoint canvasOriginPx() const;

    // What the canvas paints over the picture.
    CanvasScene scene() const
    {
        return {annotations, live, defaults, view.pictMapHasPicture ? &pictOrg : nullptr,
                view.pictureOnCanvasMm};
    }

    // The unscaled picture's size in base millimetres; an empty holder is 100 x 100 pixels.
    QSizeF pictOrgSizeMm() const;

    ProcessState &process;
    platform::Platform &platform;

    MenuTree menus;
    ScaleValues scale; // the open record book's calibration
    AnnotationStore annotations;
    LiveObjects live;
    StyleDefaults defaults;
    EditTargetRef EditTarget;
    CanvasState canvas;
    LabelGrab labelGrab; // where a label was grabbed, relative to its corner
    OpenRecordBook recordBook;
    FormBookState bookState{*this};
    RecordBookDocument document{bookState}; // every change of the book goes through it
    AnnotationEditing editing{annotations, defaults, EditTarget, labelGrab, document, menus,
                              platform};
    std::unique_ptr<frmOption> optionDialog; // the scale option dialog while it is loaded
    CoordinateReadout txtPict;
    Viewport view;   // the zoom, the scroll bars and the canvas
    QImage pictOrg;  // the loaded picture, unscaled; null until one is loaded

    QString windowTitle;
    QRect windowGeometry;     // what start-up asks of the window
    MainLayout layout;        // the last layout
    WindowState windowState = WindowState::Normal;
    QSize windowOuterSize;
    WindowMetrics windowMetrics;

    MeasuringTool measuring{process, scale,    platform, menus,        annotations,
                            live,    defaults, canvas,   document,     editing,
                            EditTarget, txtPict, optionDialog, view.ZoomFactor, view.pictMapPx};

signals:
    // "終了(&X)": the program ends, once unsaved changes are saved or let go.
    void unloadRequested();

private:
    void InitMainWindow(const StartupEnvironment &environment);
    void InitMenuStates();
    void mnuFileEnd_Click();
    void registerCommands();

    std::map<QString, std::function<void()>> m_commands;
};

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainWindow.h"
#include "app/frmMain.h"
#include "app/QtPlatform.h"
#include "app/CanvasView.h"

#include <QEvent>
#include <QPointF>
#include <QSize>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// The real main window on the desktop's platform, shown, with an executable folder of its own;
// the pointer is driven on its canvas in canvas millimetres.
struct ShownWindow
{
    QTemporaryDir folder;
    QtPlatform platform;
    ProcessState process;
    frmMain form{process, platform};
    std::unique_ptr<MainWindow> window;
    CanvasView *canvas = nullptr;

    // After start-up `beforeWindow` runs (opening a record book, say), then the window is made,
    // given `size` unless that is empty, and shown.
    explicit ShownWindow(QSize size = {},
                         const std::function<void(ShownWindow &)> &beforeWindow = {});

    // Where a canvas millimetre lies in the canvas widget.
    QPointF widgetPoint(QPointF mm) const;
    // A mouse event on the canvas at `mm`.
    void send(QEvent::Type type, QPointF mm, Qt::MouseButton button, Qt::MouseButtons held);
};

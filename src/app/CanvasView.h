// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "annotations/LabelEvents.h"
#include "view/CanvasFrameCache.h"

#include <QWidget>

#include <optional>
#include <utility>

class frmMain;

// The view container `pictWindow` with the canvas `pictMap` in it. The canvas is a virtual
// surface: only the visible part is painted, from the model, at the scroll bars' offset.
class CanvasView final : public QWidget
{
    Q_OBJECT

public:
    CanvasView(frmMain &model, QWidget *parent);

    // Something besides the live measuring objects changed: paint the whole view afresh.
    void sceneChanged();

signals:
    // A pointer event changed the model: the window copies it back.
    void modelChanged();
    // A move changed only the live measuring objects and the readout.
    void liveChanged();
    // The wheel turned without Ctrl: steps of the scroll bar (negative scrolls towards the top
    // or left). With Ctrl it zooms about the pointer and reports modelChanged.
    void wheelScrolled(Qt::Orientation orientation, int steps);

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    // A label by kind and index: the labels paint on the canvas, so the canvas finds them.
    using LabelRef = std::pair<LabelKind, int>;

    QPointF toCanvasMm(QPointF widgetPoint) const;
    std::optional<LabelRef> labelUnder(QPointF canvasMm) const;
    void press(int button, QPointF widgetPoint, bool doubleClick);

    // Labels take the pointer events over them; a press keeps its events (the label's or the
    // canvas's) until its release, as a drag must.
    std::optional<LabelRef> m_pressedLabel;
    bool m_buttonDown = false;

    frmMain &m_model;
    CanvasFrameCache m_frameCache;
    int m_wheelRemainder = 0;
    int m_zoomRemainder = 0;
};

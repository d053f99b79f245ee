// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasView.h"

#include "annotations/AnnotationPainter.h"
#include "frmMain.h"
#include "measure/PointerEvents.h"
#include "view/LabelHitTest.h"
#include "app/Zoom.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

CanvasView::CanvasView(frmMain &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("pictWindow"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The canvas holds the keyboard focus, so that a menu used from the keyboard hands it back
    // here and the menu bar does not take plain letters for its menus' keys.
    setFocusPolicy(Qt::StrongFocus);
}

QPointF CanvasView::toCanvasMm(QPointF widgetPoint) const
{
    const QPointF canvasPixels = widgetPoint - QPointF(m_model.canvasOriginPx());
    return canvasPixels / ScreenPixelsPerMm;
}

void CanvasView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const CanvasViewport viewport{size(), -m_model.canvasOriginPx(), m_model.view.pictMapPx,
                                  palette().color(QPalette::Dark)};
    m_frameCache.paint(painter, viewport, m_model.scene(), event->rect());
}

void CanvasView::sceneChanged()
{
    m_frameCache.invalidate();
    update();
}

namespace {

// The pointer handlers number the buttons 1 (left), 2 (right) and 4 (any other); a move reports
// the held buttons as a mask of these.
int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    default: return 4;
    }
}

int heldButtons(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0)
           | (buttons.testFlag(Qt::RightButton) ? 2 : 0)
           | (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

} // namespace

std::optional<CanvasView::LabelRef> CanvasView::labelUnder(QPointF canvasMm) const
{
    const LabelHit hit = labelHitAt(m_model.scene(), canvasMm);
    if (!hit)
        return std::nullopt;
    return LabelRef{hit.kind, hit.index};
}

void CanvasView::press(int button, QPointF widgetPoint, bool doubleClick)
{
    const QPointF mm = toCanvasMm(widgetPoint);
    const float x = float(mm.x());
    const float y = float(mm.y());
    m_pressedLabel = labelUnder(mm);
    m_buttonDown = true;
    if (!m_pressedLabel)
        pictMap_MouseDown(m_model.measuring, button, x, y);
    else if (doubleClick)
        labelDblClick(m_model.editing, m_pressedLabel->first, m_pressedLabel->second);
    else
        labelMouseDown(m_model.editing, m_pressedLabel->first, m_pressedLabel->second, button, x,
                       y);
    emit modelChanged();
}

void CanvasView::mousePressEvent(QMouseEvent *event)
{
    press(buttonCode(event->button()), event->position(), false);
}

// Qt reports the second press of a double-click as this event alone: on a label it is the
// label's double-click, on the canvas a press like any other.
void CanvasView::mouseDoubleClickEvent(QMouseEvent *event)
{
    press(buttonCode(event->button()), event->position(), event->button() == Qt::LeftButton);
}

void CanvasView::mouseMoveEvent(QMouseEvent *event)
{
    const int buttons = heldButtons(event->buttons());
    const QPointF mm = toCanvasMm(event->position());
    // A pop-up or a dialog opened by a press swallows its release, so a move with no button
    // held always goes by what is under the pointer.
    const std::optional<LabelRef> target =
        buttons != 0 && m_buttonDown ? m_pressedLabel : labelUnder(mm);
    const float x = float(mm.x());
    const float y = float(mm.y());
    const QRectF liveBefore = liveObjectsBoundsPx(m_model.live);
    if (target)
        labelMouseMove(m_model.editing, target->first, target->second, buttons, x, y);
    else
        pictMap_MouseMove(m_model.measuring, buttons, x, y);
    if (buttons != 0) {
        emit modelChanged();
        return;
    }
    // With no button held a move only stretches the live measurement: repaint just where it
    // was and where it is now.
    const QRectF dirty = liveBefore | liveObjectsBoundsPx(m_model.live);
    if (!dirty.isEmpty())
        update(dirty.toAlignedRect().translated(m_model.canvasOriginPx()));
    emit liveChanged();
}

// Labels have no release event of their own.
void CanvasView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF mm = toCanvasMm(event->position());
    const std::optional<LabelRef> target = m_buttonDown ? m_pressedLabel : labelUnder(mm);
    m_buttonDown = event->buttons() != Qt::NoButton;
    if (target)
        return;
    pictMap_MouseUp(m_model.measuring, buttonCode(event->button()), float(mm.x()), float(mm.y()));
    emit modelChanged();
}

void CanvasView::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        // One notch (120 units) is one zoom step of the toolbar, about the pointer.
        m_zoomRemainder += event->angleDelta().y();
        const int steps = m_zoomRemainder / 120;
        m_zoomRemainder -= steps * 120;
        if (steps != 0) {
            zoomAtPoint(m_model, steps, event->position());
            emit modelChanged();
        }
        return;
    }
    // One notch (120 units) moves three small steps, as text views do.
    QPoint delta = event->angleDelta();
    Qt::Orientation orientation = Qt::Vertical;
    if (event->modifiers().testFlag(Qt::ShiftModifier) || delta.y() == 0) {
        orientation = Qt::Horizontal;
        delta = QPoint(0, delta.x() != 0 ? delta.x() : delta.y());
    }
    m_wheelRemainder += delta.y();
    const int steps = m_wheelRemainder / 40;
    m_wheelRemainder -= steps * 40;
    if (steps != 0)
        emit wheelScrolled(orientation, -steps);
}

bool CanvasView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const AnnotationLabel *label = labelAt(m_model.scene(), toCanvasMm(help->pos()));
        if (label && !label->ToolTipText.isEmpty())
            QToolTip::showText(help->globalPos(), label->ToolTipText, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

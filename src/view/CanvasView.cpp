#include "CanvasView.h"

#include "annotations/AnnotationPainter.h"
#include "app/frmMain.h"
#include "measure/PointerEvents.h"
#include "view/LabelHitTest.h"

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
}

QPointF CanvasView::toCanvasMm(QPointF widgetPoint) const
{
    const QPointF canvasPixels = widgetPoint + QPointF(m_model.hscX.Value, m_model.vscY.Value);
    return canvasPixels / ScreenPixelsPerMm;
}

void CanvasView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    const QPoint scroll(m_model.hscX.Value, m_model.vscY.Value);
    painter.translate(-scroll);
    painter.fillRect(QRectF(QPointF(0, 0), m_model.pictMapPx), Qt::white);
    CanvasRenderOptions options;
    options.exposedPx = QRectF(event->rect().translated(scroll));
    options.picturePainter = &m_picturePainter;
    renderCanvas(painter, m_model.scene(), options);
}

namespace {

// The pointer handlers number the buttons 1 (left) and 2 (right); a move reports the held
// buttons as a mask of these.
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
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) | (buttons.testFlag(Qt::RightButton) ? 2 : 0);
}

} // namespace

void CanvasView::deliver(PointerHandler handler, int button, QPointF widgetPoint)
{
    const QPointF mm = toCanvasMm(widgetPoint);
    handler(m_model, button, float(mm.x()), float(mm.y()));
    emit modelChanged();
}

void CanvasView::mousePressEvent(QMouseEvent *event)
{
    deliver(pictMap_MouseDown, buttonCode(event->button()), event->position());
}

void CanvasView::mouseMoveEvent(QMouseEvent *event)
{
    deliver(pictMap_MouseMove, heldButtons(event->buttons()), event->position());
}

void CanvasView::mouseReleaseEvent(QMouseEvent *event)
{
    deliver(pictMap_MouseUp, buttonCode(event->button()), event->position());
}

void CanvasView::wheelEvent(QWheelEvent *event)
{
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
    event->accept();
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

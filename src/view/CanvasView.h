#pragma once

#include "view/PicturePainter.h"

#include <QWidget>

class frmMain;

// The view container `pictWindow` with the canvas `pictMap` in it. The canvas is a virtual
// surface: only the visible part is painted, from the model, at the scroll bars' offset.
class CanvasView final : public QWidget
{
    Q_OBJECT

public:
    CanvasView(frmMain &model, QWidget *parent);

signals:
    // A pointer event changed the model: the window copies it back.
    void modelChanged();
    // The wheel turned: steps of the scroll bar (negative scrolls towards the top or left).
    void wheelScrolled(Qt::Orientation orientation, int steps);

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QPointF toCanvasMm(QPointF widgetPoint) const;
    using PointerHandler = void (*)(frmMain &, int, float, float);
    void deliver(PointerHandler handler, int button, QPointF widgetPoint);

    frmMain &m_model;
    PicturePainter m_picturePainter;
    int m_wheelRemainder = 0;
};

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownWindow.h"

#include "document/AnnotationTypes.h"

#include <QCoreApplication>
#include <QMouseEvent>

ShownWindow::ShownWindow(QSize size, const std::function<void(ShownWindow &)> &beforeWindow)
{
    form.Form_Load({folder.path(), QSize(1280, 800)});
    if (beforeWindow)
        beforeWindow(*this);
    window = std::make_unique<MainWindow>(form, platform);
    if (!size.isEmpty())
        window->resize(size);
    window->show();
    canvas = window->findChild<CanvasView *>(QStringLiteral("pictWindow"));
}

QPointF ShownWindow::widgetPoint(QPointF mm) const
{
    return mm * ScreenPixelsPerMm + QPointF(form.canvasOriginPx());
}

void ShownWindow::send(QEvent::Type type, QPointF mm, Qt::MouseButton button,
                       Qt::MouseButtons held)
{
    const QPointF local = widgetPoint(mm);
    QMouseEvent event(type, local, canvas->mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &event);
}

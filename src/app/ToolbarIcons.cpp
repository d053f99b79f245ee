// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolbarIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace {

constexpr int IconSize = 32;

const QColor SignColour(0, 60, 160);

// An empty magnifying glass; its lens is centred on (13, 13) with a radius of 10.
void drawLens(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(20, 20), QPointF(29, 29));
    painter.setBrush(QColor(225, 240, 255));
    painter.drawEllipse(QPointF(13, 13), 10, 10);
}

// A magnifying glass with a sign in it: "+", "-", or a text such as "1:1".
QIcon magnifier(const QString &sign)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawLens(painter);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(sign.size() > 1 ? 8 : 16);
    painter.setFont(font);
    painter.setPen(SignColour);
    painter.drawText(QRectF(3, 3, 20, 20), Qt::AlignCenter, sign);
    return QIcon(pixmap);
}

// A magnifying glass framing a page with four corner marks: the canvas fitted to the window.
QIcon fitMagnifier()
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawLens(painter);
    painter.setPen(QPen(SignColour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    constexpr double l = 7, t = 8, r = 19, b = 18, arm = 4;
    painter.drawPolyline(QPolygonF({{l, t + arm}, {l, t}, {l + arm, t}}));
    painter.drawPolyline(QPolygonF({{r - arm, t}, {r, t}, {r, t + arm}}));
    painter.drawPolyline(QPolygonF({{l, b - arm}, {l, b}, {l + arm, b}}));
    painter.drawPolyline(QPolygonF({{r - arm, b}, {r, b}, {r, b - arm}}));
    return QIcon(pixmap);
}

// A rounded arrow turning back: the picture as it was loaded.
QIcon backArrow()
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 100, 60), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(7, 7, 19, 19), 90 * 16, 270 * 16);
    painter.setBrush(QColor(0, 100, 60));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF({QPointF(16, 1), QPointF(16, 13), QPointF(8, 7)}));
    return QIcon(pixmap);
}

QIcon printer()
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 3, 14, 10));
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 20, 14, 9));
    return QIcon(pixmap);
}

QIcon themed(const char *name, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(name),
                            QApplication::style()->standardIcon(fallback));
}

} // namespace

QIcon toolbarIcon(const QString &key)
{
    if (key == QLatin1String("open"))
        return themed("document-open", QStyle::SP_DialogOpenButton);
    if (key == QLatin1String("save"))
        return themed("document-save", QStyle::SP_DialogSaveButton);
    if (key == QLatin1String("print"))
        return QIcon::fromTheme(QStringLiteral("document-print"), printer());
    if (key == QLatin1String("undo"))
        return themed("edit-undo", QStyle::SP_ArrowBack);
    if (key == QLatin1String("redo"))
        return themed("edit-redo", QStyle::SP_ArrowForward);
    if (key == QLatin1String("magnify"))
        return QIcon::fromTheme(QStringLiteral("zoom-in"), magnifier(QStringLiteral("+")));
    if (key == QLatin1String("reduce"))
        return QIcon::fromTheme(QStringLiteral("zoom-out"), magnifier(QStringLiteral("-")));
    if (key == QLatin1String("genn"))
        return QIcon::fromTheme(QStringLiteral("zoom-original"), magnifier(QStringLiteral("1:1")));
    if (key == QLatin1String("fit"))
        return QIcon::fromTheme(QStringLiteral("zoom-fit-best"), fitMagnifier());
    if (key == QLatin1String("modosu"))
        return backArrow();
    return themed("help-contents", QStyle::SP_DialogHelpButton);
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperLayout.h"

#include "annotations/LiveObjects.h"
#include "document/LabelMetrics.h"
#include "document/PaperSize.h"
#include "view/ZoomRatios.h"

#include <cmath>

namespace {

const QString PaperCaptionPrefix = QStringLiteral("デフォルト ") + QStringLiteral("　用紙サイズ = ");
constexpr float PrintAreaInsetMm = 5;

void place(MarkerShape &shape, float left, float top, float width, float height)
{
    shape.Left = left;
    shape.Top = top;
    shape.Width = width;
    shape.Height = height;
}

} // namespace

const QStringList &paperSizeEntries()
{
    static const QStringList entries = {
        QStringLiteral("00 画像サイズ"), QStringLiteral("B0 1030×1456"), QStringLiteral("B1  728×1030"),
        QStringLiteral("B2  515× 728"), QStringLiteral("B3  364× 515"), QStringLiteral("B4  257× 364"),
        QStringLiteral("B5  182× 257"), QStringLiteral("A0  841×1189"), QStringLiteral("A1  594× 841"),
        QStringLiteral("A2  420× 594"), QStringLiteral("A3  297× 420"), QStringLiteral("A4  210× 297"),
        QStringLiteral("A5  148× 210"),
    };
    return entries;
}

std::optional<QSizeF> paperFrameMmFor(const QString &code, QSizeF pictureMm, double ratio)
{
    if (code != PictureSizePaperCode)
        return paperSizeMm(code);
    const QSizeF picture = pictureMm * double(actualSizeZoom(ratio));
    return QSizeF(std::max(1.0, std::nearbyint(picture.width())),
                  std::max(1.0, std::nearbyint(picture.height())));
}

void placePaperFrame(LiveObjects &live, QSizeF paperMm)
{
    for (MarkerShape &frame : live.shpPrintWaku)
        place(frame, 0, 0, float(paperMm.width()), float(paperMm.height()));
}

void showPaperCaption(AnnotationLabel &sample, const QString &code)
{
    const QString paperText =
        code == PictureSizePaperCode ? QStringLiteral("画像サイズ") : code;
    setCaption(sample, PaperCaptionPrefix + paperText);
}

void subResetPrintArea(LiveObjects &live, platform::Platform &platform)
{
    const MarkerShape &frame = live.shpPrintWaku[0];
    MarkerShape &area = live.shpPrint;
    place(area, PrintAreaInsetMm, PrintAreaInsetMm, frame.Width - 2 * PrintAreaInsetMm,
          frame.Height - 2 * PrintAreaInsetMm);
    area.Visible = true;
    live.printAreaDrawn = false;
    for (MarkerShape &mask : live.shpSps)
        mask.Visible = true;
    subPlaceMasks(live, platform);
}

std::optional<QRectF> ownPrintAreaMm(const LiveObjects &live, float zoom)
{
    if (!live.printAreaDrawn)
        return std::nullopt;
    const MarkerShape &area = live.shpPrint;
    return QRectF(area.Left / zoom, area.Top / zoom, area.Width / zoom, area.Height / zoom);
}

bool restorePrintArea(LiveObjects &live, platform::Platform &platform, QSizeF canvasPx,
                      float layoutZoom, const QRectF &areaMm)
{
    const float zoom = layoutZoom;
    const QSizeF canvasMm = canvasPx / CanvasPixelsPerMm / zoom;
    const QRectF canvas(QPointF(0, 0), canvasMm);
    if (!canvas.contains(areaMm.topLeft()))
        return false;
    const QSizeF room = canvasMm - QSizeF(areaMm.left(), areaMm.top());
    const QRectF kept(areaMm.topLeft(), areaMm.size().boundedTo(room));
    place(live.shpPrint, float(kept.left() * zoom), float(kept.top() * zoom),
          float(kept.width() * zoom), float(kept.height() * zoom));
    live.printAreaDrawn = true;
    subPlaceMasks(live, platform);
    return true;
}

void subPlaceMasks(LiveObjects &live, platform::Platform &platform)
{
    platform::BusyGuard busy(platform);
    const float pw = live.shpPrintWaku[0].Width;
    const float ph = live.shpPrintWaku[0].Height;
    const MarkerShape &area = live.shpPrint;
    const float l = area.Left, t = area.Top, w = area.Width, h = area.Height;
    auto &masks = live.shpSps;
    place(masks[0], 0, 0, pw, t);
    place(masks[1], 0, t, l, h);
    place(masks[2], 0, t + h, pw, ph - (t + h));
    place(masks[3], l + w, t, pw - (l + w), h);
}


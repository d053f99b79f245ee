// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperLayout.h"

#include "app/frmMain.h"
#include "document/LabelMetrics.h"
#include "document/PaperSize.h"
#include "view/Zoom.h"

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

void subSetPaper(frmMain &form, const QString &code)
{
    QSizeF paper;
    QString shownCode = code;
    if (const auto size =
            paperFrameMmFor(code, form.pictOrgSizeMm(), form.process.GE_tpPtoD_r_X)) {
        paper = *size;
    } else {
        form.process.GE_strPpSize = DefaultPaperCode;
        shownCode = DefaultPaperCode;
        paper = *paperSizeMm(DefaultPaperCode);
    }
    for (MarkerShape &frame : form.live.shpPrintWaku)
        place(frame, 0, 0, float(paper.width()), float(paper.height()));
    sizeCanvasToPaper(form);
    showPaperCaption(form, shownCode);
}

void showPaperCaption(frmMain &form, const QString &code)
{
    const QString paperText =
        code == PictureSizePaperCode ? QStringLiteral("画像サイズ") : code;
    setCaption(form.defaults.lblDefault, PaperCaptionPrefix + paperText);
}

void sizeCanvasToPaper(frmMain &form)
{
    const MarkerShape &frame = form.live.shpPrintWaku[0];
    const QSizeF paperPx(frame.Width * CanvasPixelsPerMm, frame.Height * CanvasPixelsPerMm);
    const QSizeF picturePx = form.pictMapHasPicture
                                 ? form.pictureOnCanvasMm * ScreenPixelsPerMm
                                 : QSizeF(0, 0);
    form.pictMapPx = paperPx.expandedTo(picturePx);
    UpdateScrollBars(form);
}

void subResetPrintArea(frmMain &form)
{
    const MarkerShape &frame = form.live.shpPrintWaku[0];
    MarkerShape &area = form.live.shpPrint;
    place(area, PrintAreaInsetMm, PrintAreaInsetMm, frame.Width - 2 * PrintAreaInsetMm,
          frame.Height - 2 * PrintAreaInsetMm);
    area.Visible = true;
    form.live.printAreaDrawn = false;
    for (MarkerShape &mask : form.live.shpSps)
        mask.Visible = true;
    subPlaceMasks(form);
}

std::optional<QRectF> ownPrintAreaMm(const LiveObjects &live, float zoom)
{
    if (!live.printAreaDrawn)
        return std::nullopt;
    const MarkerShape &area = live.shpPrint;
    return QRectF(area.Left / zoom, area.Top / zoom, area.Width / zoom, area.Height / zoom);
}

bool restorePrintArea(frmMain &form, const QRectF &areaMm)
{
    const float zoom = form.LayoutZoom;
    const QSizeF canvasMm = form.pictMapPx / CanvasPixelsPerMm / zoom;
    const QRectF canvas(QPointF(0, 0), canvasMm);
    if (!canvas.contains(areaMm.topLeft()))
        return false;
    const QSizeF room = canvasMm - QSizeF(areaMm.left(), areaMm.top());
    const QRectF kept(areaMm.topLeft(), areaMm.size().boundedTo(room));
    place(form.live.shpPrint, float(kept.left() * zoom), float(kept.top() * zoom),
          float(kept.width() * zoom), float(kept.height() * zoom));
    form.live.printAreaDrawn = true;
    subPlaceMasks(form);
    return true;
}

void subPlaceMasks(frmMain &form)
{
    platform::BusyGuard busy(form.platform);
    const float pw = form.live.shpPrintWaku[0].Width;
    const float ph = form.live.shpPrintWaku[0].Height;
    const MarkerShape &area = form.live.shpPrint;
    const float l = area.Left, t = area.Top, w = area.Width, h = area.Height;
    auto &masks = form.live.shpSps;
    place(masks[0], 0, 0, pw, t);
    place(masks[1], 0, t, l, h);
    place(masks[2], 0, t + h, pw, ph - (t + h));
    place(masks[3], l + w, t, pw - (l + w), h);
}

void mnuSize_Click(frmMain &form)
{
    const float keptZoom = form.ZoomFactor;
    const auto picked = form.platform.chooseListEntry(
        {QStringLiteral("用紙サイズ"), paperSizeEntries(), QStringLiteral("OK"),
         QStringLiteral("ｷｬﾝｾﾙ")});
    if (picked && *picked >= 0 && *picked < paperSizeEntries().size())
        form.process.GE_strPpSize = paperSizeEntries()[*picked].left(2);
    form.ZoomFactor = actualSizeZoom(form.process.GE_tpPtoD_r_X);
    ApplyZoom(form, form.ZoomFactor);
    subSetPaper(form, form.process.GE_strPpSize);
    subResetPrintArea(form);
    UpdateScrollBars(form);
    form.ZoomFactor = keptZoom;
    ApplyZoom(form, form.ZoomFactor);
}

void registerPaperCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuSize"), [&form] { mnuSize_Click(form); });
}

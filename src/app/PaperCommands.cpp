// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperCommands.h"

#include "app/Zoom.h"
#include "app/frmMain.h"
#include "document/PaperSize.h"
#include "output/PaperLayout.h"

void subSetPaper(frmMain &form, const QString &code)
{
    QSizeF paper;
    QString shownCode = code;
    if (const auto size =
            paperFrameMmFor(code, form.pictOrgSizeMm(), form.scale.GE_tpPtoD_r_X)) {
        paper = *size;
    } else {
        form.scale.GE_strPpSize = DefaultPaperCode;
        shownCode = DefaultPaperCode;
        paper = *paperSizeMm(DefaultPaperCode);
    }
    placePaperFrame(form.live, paper);
    sizeCanvasToPaper(form);
    showPaperCaption(form.defaults.lblDefault, shownCode);
}

void sizeCanvasToPaper(frmMain &form)
{
    const MarkerShape &frame = form.live.shpPrintWaku[0];
    const QSizeF paperPx(frame.Width * CanvasPixelsPerMm, frame.Height * CanvasPixelsPerMm);
    const QSizeF picturePx = form.view.pictMapHasPicture
                                 ? form.view.pictureOnCanvasMm * ScreenPixelsPerMm
                                 : QSizeF(0, 0);
    form.view.pictMapPx = paperPx.expandedTo(picturePx);
    UpdateScrollBars(form);
}

void mnuSize_Click(frmMain &form)
{
    const float keptZoom = form.view.ZoomFactor;
    const auto picked = form.platform.chooseListEntry(
        {QStringLiteral("用紙サイズ"), paperSizeEntries(), QStringLiteral("OK"),
         QStringLiteral("ｷｬﾝｾﾙ")});
    if (picked && *picked >= 0 && *picked < paperSizeEntries().size())
        form.scale.GE_strPpSize = paperSizeEntries()[*picked].left(2);
    form.view.ZoomFactor = actualSizeZoom(form.scale.GE_tpPtoD_r_X);
    ApplyZoom(form, form.view.ZoomFactor);
    subSetPaper(form, form.scale.GE_strPpSize);
    subResetPrintArea(form.live, form.platform);
    UpdateScrollBars(form);
    form.view.ZoomFactor = keptZoom;
    ApplyZoom(form, form.view.ZoomFactor);
}

void registerPaperCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuSize"), [&form] { mnuSize_Click(form); });
}

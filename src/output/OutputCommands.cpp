#include "OutputCommands.h"

#include "app/frmMain.h"
#include "output/BitmapExport.h"
#include "output/PaperLayout.h"
#include "output/PaperSize.h"
#include "output/PrintCheckDialog.h"
#include "output/dlgPrinter.h"
#include "view/Zoom.h"

#include <cmath>

PageScene pageScene(const frmMain &form)
{
    const MarkerShape &area = form.live.shpPrint;
    return {form.annotations,
            form.live.shpSps,
            form.pictMapHasPicture ? &form.pictOrg : nullptr,
            QSizeF(form.process.CanvasWidthMm, form.process.CanvasHeightMm),
            QRectF(area.Left, area.Top, area.Width, area.Height)};
}

QSizeF paperSizeMm(const frmMain &form)
{
    const MarkerShape &frame = form.live.shpPrintWaku[0];
    return {frame.Width, frame.Height};
}

QSize canvasPixels(const frmMain &form)
{
    const QSizeF paper = paperSizeMm(form) * CanvasPixelsPerMm;
    return {int(std::lround(paper.width())), int(std::lround(paper.height()))};
}

void atActualSize(frmMain &form, const std::function<void()> &work)
{
    const float kept = form.ZoomFactor;
    form.ZoomFactor = actualSizeZoom(form.process.GE_tpPtoD_r_X);
    ApplyZoom(form, form.ZoomFactor);
    subSetPaper(form, form.process.GE_strPpSize);
    subPlaceMasks(form);
    work();
    form.ZoomFactor = kept;
    ApplyZoom(form, form.ZoomFactor);
}

void mnuFilePrint_Click(frmMain &form)
{
    atActualSize(form, [&form] {
        dlgPrinter dialog(form.platform, {pageScene(form), paperSizeMm(form),
                                          form.process.PictureFolder, form.process.settingsFile});
        dialog.Form_Load();
        form.platform.showPrinterDialog(dialog);
    });
}

void mnuFileSaveAsImg_Click(frmMain &form)
{
    const QString folder = form.process.PictureFolder;
    const std::optional<QString> path = form.platform.chooseSaveFile(
        {QStringLiteral("ビットマップファイル保存"), folder,
         folder.isEmpty() ? QStringLiteral("*.bmp") : folder + QStringLiteral("/*.bmp"),
         QStringLiteral("bmp"), QStringLiteral("(*.bmp)|*.bmp")});
    if (!path)
        return;
    std::optional<RuntimeError> error;
    {
        platform::BusyGuard busy(form.platform);
        atActualSize(form, [&] {
            error = subSaveImage(*path, pageScene(form), canvasPixels(form),
                                 form.annotations.shpSnpo[0].FillColor);
        });
    }
    if (error)
        form.platform.showHandlerError("mnuFileSaveAsPrj_Click", *error);
}

void registerOutputCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuFilePrint"), [&form] { mnuFilePrint_Click(form); });
    form.setCommand(QStringLiteral("mnuFileSaveAsImg"), [&form] { mnuFileSaveAsImg_Click(form); });
    registerPrintCheckCommand(form);
}

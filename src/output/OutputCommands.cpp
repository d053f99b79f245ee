#include "OutputCommands.h"

#include "app/frmMain.h"
#include "output/BitmapExport.h"
#include "output/ExportFileDialog.h"
#include "output/ImageExport.h"
#include "output/PageChecks.h"
#include "output/PaperFrame.h"
#include "output/PaperLayout.h"
#include "document/PaperSize.h"
#include "output/dlgPrinter.h"
#include "output/CatchBook.h"
#include "view/Zoom.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// The paper frame as the canvas shows it.
QSizeF paperFrameMm(const frmMain &form)
{
    const MarkerShape &frame = form.live.shpPrintWaku[0];
    return {frame.Width, frame.Height};
}

QRectF printAreaMm(const frmMain &form)
{
    const MarkerShape &area = form.live.shpPrint;
    return {area.Left, area.Top, area.Width, area.Height};
}

// An empty print area is told, with the command's title, and nothing is made.
bool refusedEmptyPrintArea(frmMain &form, const QString &title)
{
    const std::optional<QString> refused = emptyPrintAreaText(printAreaMm(form));
    if (refused)
        form.platform.showOk(title, *refused, platform::MessageIcon::Warning);
    return refused.has_value();
}

} // namespace

PageScene pageScene(const frmMain &form)
{
    return {form.annotations,
            form.pictMapHasPicture ? &form.pictOrg : nullptr,
            QSizeF(form.process.CanvasWidthMm, form.process.CanvasHeightMm),
            printAreaMm(form),
            paperFrame(form.process, paperFrameMm(form)),
            form.LayoutZoom};
}

QSizeF paperSizeMm(const frmMain &form)
{
    const QSizeF frame = paperFrameMm(form);
    if (form.process.GE_strPpSize != PictureSizePaperCode)
        return frame;
    // Paper of the picture's size is the picture at actual size on both axes.
    return paperFrame(form.process, frame).mapRect(QRectF(QPointF(0, 0), frame)).size();
}

QSize canvasPixels(const frmMain &form)
{
    // Far beyond what a bitmap may hold, yet still a whole number.
    constexpr double Largest = 1 << 30;
    const QSizeF paper = paperSizeMm(form) * BitmapPixelsPerMm;
    return {int(std::lround(std::min(paper.width(), Largest))),
            int(std::lround(std::min(paper.height(), Largest)))};
}

QStringList openBookFiles(const frmMain &form)
{
    const OpenRecordBook &book = form.recordBook;
    return recordBookFiles(book.hasOwnFile ? book.folder + book.fileName : QString(),
                           book.objectFiles, book.picturePath);
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

namespace {

// The print queue shows a job by the record book's name, or its picture's until it is saved.
QString printJobName(const OpenRecordBook &book)
{
    const QString named = book.fileName.isEmpty() ? book.pictureFileName : book.fileName;
    return QFileInfo(named).completeBaseName();
}

} // namespace

void mnuFilePrint_Click(frmMain &form)
{
    if (refusedEmptyPrintArea(form, QStringLiteral("印刷")))
        return;
    atActualSize(form, [&form] {
        dlgPrinter dialog(form.platform,
                          {pageScene(form), paperSizeMm(form), form.process.PictureFolder,
                           form.process.settingsFile, openBookFiles(form),
                           printJobName(form.recordBook)});
        dialog.Form_Load();
        form.platform.showPrinterDialog(dialog);
    });
}

namespace {

// The save dialog of an export of the open record book.
std::optional<ExportTarget> chooseExportFile(frmMain &form, const ExportFileDialog &dialog)
{
    return chooseExportTarget(form.platform, dialog, openBookFiles(form));
}

// Writes an export of the page at actual size under the busy pointer; a failure is told as
// `handler`'s.
void exportAtActualSize(frmMain &form, const char *handler,
                        const std::function<std::optional<RuntimeError>()> &write)
{
    std::optional<RuntimeError> error;
    {
        platform::BusyGuard busy(form.platform);
        atActualSize(form, [&] { error = write(); });
    }
    if (error)
        form.platform.showHandlerError(handler, *error);
}

} // namespace

void mnuFileSaveAsImg_Click(frmMain &form)
{
    if (refusedEmptyPrintArea(form, QStringLiteral("ビットマップファイル保存")))
        return;
    const std::optional<ExportTarget> target = chooseExportFile(
        form, {QStringLiteral("ビットマップファイル保存"), form.process.PictureFolder,
               QStringLiteral("bmp"), QStringLiteral("(*.bmp)|*.bmp"), ExportKind::Bitmap});
    if (!target)
        return;
    exportAtActualSize(form, "mnuFileSaveAsPrj_Click", [&] {
        return subSaveImage(*target, pageScene(form), canvasPixels(form),
                            form.annotations.shpSnpo[0].FillColor);
    });
}

void mnuFileExportImg_Click(frmMain &form)
{
    if (refusedEmptyPrintArea(form, QStringLiteral("画像へ書き出し")))
        return;
    const std::optional<ExportTarget> target = chooseExportFile(
        form, {QStringLiteral("画像へ書き出し"), form.process.PictureFolder, QStringLiteral("png"),
               QStringLiteral("PNG 画像 (*.png)|*.png|JPEG 画像 (*.jpg)|*.jpg;*.jpeg"),
               ExportKind::Image});
    if (!target)
        return;
    QStringList sizes;
    for (const int dpi : ImageExportResolutions)
        sizes << QStringLiteral("%1 dpi（実寸で印刷できる解像度を記録）").arg(dpi);
    sizes << QStringLiteral("共有用（長辺 %1 px、縮尺バー付き）").arg(ShareLongSidePx);
    const std::optional<int> chosen = form.platform.chooseListEntry(
        {QStringLiteral("画像の大きさ"), sizes, QStringLiteral("OK"), QStringLiteral("ｷｬﾝｾﾙ")});
    if (!chosen || *chosen < 0 || *chosen >= sizes.size())
        return;
    ImageExportRequest request;
    request.kinds = PageKinds::all();
    request.shareSize = *chosen == int(std::size(ImageExportResolutions));
    if (!request.shareSize)
        request.dotsPerInch = ImageExportResolutions[*chosen];
    exportAtActualSize(form, "mnuFileExportImg_Click",
                       [&] { return exportImage(*target, pageScene(form), request); });
}

void mnuFileExportCsv_Click(frmMain &form)
{
    const std::optional<ExportTarget> target = chooseExportFile(
        form, {QStringLiteral("CSV へ書き出し"), form.process.RecordBookFolder,
               QStringLiteral("csv"),
               QStringLiteral("CSV (*.csv)|*.csv|JSON Lines (*.jsonl)|*.jsonl"),
               ExportKind::CatchBook});
    if (!target)
        return;
    const OpenRecordBook &book = form.recordBook;
    const std::vector<CatchRow> rows =
        catchRows(book.fileName.isEmpty() ? QString() : book.folder + book.fileName,
                  book.pictureFileName, form.annotations);
    const std::optional<RuntimeError> error = writeCatchBook(*target, rows);
    if (error)
        form.platform.showHandlerError("mnuFileExportCsv_Click", *error);
}

void registerOutputCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuFileExportCsv"), [&form] { mnuFileExportCsv_Click(form); });
    form.setCommand(QStringLiteral("mnuFileExportImg"), [&form] { mnuFileExportImg_Click(form); });
    form.setCommand(QStringLiteral("mnuFilePrint"), [&form] { mnuFilePrint_Click(form); });
    form.setCommand(QStringLiteral("mnuFileSaveAsImg"), [&form] { mnuFileSaveAsImg_Click(form); });
}

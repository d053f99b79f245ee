// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputCommands.h"

#include "app/frmMain.h"
#include "annotations/ObjectRedisplay.h"
#include "output/BitmapExport.h"
#include "output/ExportFileDialog.h"
#include "output/ImageExport.h"
#include "output/PageChecks.h"
#include "output/PaperFrame.h"
#include "app/PaperCommands.h"
#include "output/PaperLayout.h"
#include "document/PaperSize.h"
#include "output/dlgPrinter.h"
#include "output/CatchBook.h"
#include "app/Zoom.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The paper frame as the canvas shows it.
QSizeF paperFrameMm(const LiveObjects &live)
{
    const MarkerShape &frame = live.shpPrintWaku[0];
    return {frame.Width, frame.Height};
}

QRectF printAreaMm(const LiveObjects &live)
{
    const MarkerShape &area = live.shpPrint;
    return {area.Left, area.Top, area.Width, area.Height};
}

QSizeF paperOf(const frmMain &form, QSizeF frame)
{
    if (form.scale.GE_strPpSize != PictureSizePaperCode)
        return frame;
    // Paper of the picture's size is the picture at actual size on both axes.
    return paperFrame(form.scale, frame).mapRect(QRectF(QPointF(0, 0), frame)).size();
}

QSize pixelsOf(QSizeF paperMm)
{
    // Far beyond what a bitmap may hold, yet still a whole number.
    constexpr double Largest = 1 << 30;
    const QSizeF paper = paperMm * BitmapPixelsPerMm;
    return {int(std::lround(std::min(paper.width(), Largest))),
            int(std::lround(std::min(paper.height(), Largest)))};
}

// An empty print area is told, with the command's title, and nothing is made.
bool refusedEmptyPrintArea(frmMain &form, const QString &title)
{
    const std::optional<QString> refused = emptyPrintAreaText(printAreaMm(form.live));
    if (refused)
        form.platform.showOk(title, *refused, platform::MessageIcon::Warning);
    return refused.has_value();
}

} // namespace

PageScene pageScene(const frmMain &form)
{
    return {form.annotations,
            form.view.pictMapHasPicture ? &form.pictOrg : nullptr,
            QSizeF(form.view.CanvasWidthMm, form.view.CanvasHeightMm),
            printAreaMm(form.live),
            paperFrame(form.scale, paperFrameMm(form.live)),
            form.view.LayoutZoom};
}

QSizeF paperSizeMm(const frmMain &form)
{
    return paperOf(form, paperFrameMm(form.live));
}

QSize canvasPixels(const frmMain &form)
{
    return pixelsOf(paperSizeMm(form));
}

ActualSizePage::ActualSizePage(frmMain &form)
    : m_form(form), m_annotations(form.annotations), m_live(form.live), m_zoom(form.view.LayoutZoom)
{
    // As ApplyZoom and subSetPaper lay the book out at the actual-size zoom.
    const float z = actualSizeZoom(form.scale.GE_tpPtoD_r_X);
    const QSizeF stretched = form.pictOrgSizeMm() * double(z);
    if (!form.pictOrg.isNull() && std::isfinite(stretched.width())
        && std::isfinite(stretched.height()) && !stretched.isEmpty())
        m_picture = &form.pictOrg;
    m_pictureWidthMm = float(stretched.width());
    m_pictureHeightMm = float(stretched.height());
    subDisp_Object(m_annotations, m_live, m_zoom, z, form.platform);
    const QSizeF paper = paperFrameMmFor(form.scale.GE_strPpSize, form.pictOrgSizeMm(),
                                         form.scale.GE_tpPtoD_r_X)
                             .value_or(*::paperSizeMm(DefaultPaperCode));
    m_paperFrameMm = QSizeF(float(paper.width()), float(paper.height()));
}

PageScene ActualSizePage::scene() const
{
    return {m_annotations, m_picture, QSizeF(m_pictureWidthMm, m_pictureHeightMm),
            printAreaMm(m_live),
            paperFrame(m_form.scale, m_paperFrameMm), m_zoom};
}

QSizeF ActualSizePage::paperSizeMm() const
{
    return paperOf(m_form, m_paperFrameMm);
}

QSize ActualSizePage::canvasPixels() const
{
    return pixelsOf(paperSizeMm());
}

QStringList openBookFiles(const frmMain &form)
{
    const OpenRecordBook &book = form.recordBook;
    return recordBookFiles(book.hasOwnFile ? book.folder + book.fileName : QString(),
                           book.objectFiles, book.picturePath);
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
    const ActualSizePage page(form);
    dlgPrinter dialog(form.platform,
                      {page.scene(), page.paperSizeMm(), form.process.PictureFolder,
                       form.process.settingsFile, openBookFiles(form),
                       printJobName(form.recordBook)});
    dialog.Form_Load();
    form.platform.showPrinterDialog(dialog);
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
                        const std::function<std::optional<RuntimeError>(const ActualSizePage &)>
                            &write)
{
    std::optional<RuntimeError> error;
    {
        platform::BusyGuard busy(form.platform);
        error = write(ActualSizePage(form));
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
    exportAtActualSize(form, "mnuFileSaveAsPrj_Click", [&](const ActualSizePage &page) {
        return subSaveImage(*target, page.scene(), page.canvasPixels(),
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
    exportAtActualSize(form, "mnuFileExportImg_Click", [&](const ActualSizePage &page) {
        return exportImage(*target, page.scene(), request);
    });
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

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgPrinter.h"

#include "output/PrintCorrectionSettings.h"
#include "output/ExportFileDialog.h"
#include "output/PageChecks.h"
#include "output/PageOutput.h"
#include "output/PrintedLabels.h"
#include "output/TilePreview.h"
#include "output/TiledPages.h"

#include <QPageSize>

namespace {

const QString Title = QStringLiteral("印刷");

// The sheet a PDF file is tiled onto: the whole paper of the default printer, or else A4. A PDF
// page has no margins.
QSizeF pdfSheetMm(platform::Platform &platform)
{
    const QString printer = platform.defaultPrinterName();
    const std::optional<QSizeF> paper =
        printer.isEmpty() ? std::nullopt : platform.printerPaperMm(printer);
    return paper ? *paper : QPageSize(QPageSize::A4).size(QPageSize::Millimeter).transposed();
}

// Why no printer can be chosen: none is installed, or the print system does not answer.
QString noPrinterText(const platform::Platform &platform)
{
    return platform.printSystemRunning() ? QStringLiteral("プリンタがインストールされていません。")
                                         : platform::printSystemDownText();
}

} // namespace

const QString dlgPrinter::PdfFileEntry = QStringLiteral("PDF ファイル...");

dlgPrinter::dlgPrinter(platform::Platform &platform, const Page &page, QObject *parent)
    : QObject(parent), m_platform(platform), m_page(page)
{
}

void dlgPrinter::Form_Load()
{
    {
        platform::BusyGuard busy(m_platform);
        cmbPrinter = m_platform.printerNames();
        // Without a printer only the PDF file is left, and the user is told why.
        if (cmbPrinter.isEmpty())
            printerNote = noPrinterText(m_platform);
        cmbPrinter << PdfFileEntry;
        chkComent = false;
        chkComentEnabled = false;
        SelectedPrinter = printerNote.isEmpty() ? m_platform.defaultPrinterName() : PdfFileEntry;
        monochrome = !SelectedPrinter.isEmpty() && !printsToPdf()
                     && !m_platform.printerUsesColor(SelectedPrinter);
    }
    emit changed();
}

void dlgPrinter::cmbPrinter_Click(const QString &text)
{
    SelectedPrinter = text;
    emit changed();
}

void dlgPrinter::chkSnpo_Click(bool checked)
{
    chkSnpo = checked;
    chkComentEnabled = checked;
    if (!checked)
        chkComent = false;
    emit changed();
}

PageKinds dlgPrinter::kinds() const
{
    return {chkSnpo, chkSnpo && chkComent, chkHikidashi, chkMoji};
}

bool dlgPrinter::colourChoiceEnabled() const
{
    return !printsToPdf();
}

std::optional<double> dlgPrinter::smallestTextPoints() const
{
    return ::smallestTextPoints(scene(), kinds());
}

bool dlgPrinter::ownTextSizeOffered() const
{
    const std::optional<double> smallest = ::smallestTextPoints(m_page.scene, kinds());
    return smallest && *smallest < SmallestReadablePoints;
}

QString dlgPrinter::textSizeNote() const
{
    const std::optional<double> smallest = smallestTextPoints();
    if (!smallest)
        return {};
    QString note = QStringLiteral("印刷される文字の大きさ：最小 %1 pt")
                       .arg(QString::number(*smallest, 'f', 1));
    if (*smallest < SmallestReadablePoints)
        note += QStringLiteral("（小さすぎて読めないおそれがあります）");
    return note;
}

PageScene dlgPrinter::scene() const
{
    PageScene scene = m_page.scene;
    if (chkOwnTextSize && ownTextSizeOffered())
        scene.textSize = TextSize::OwnPoints;
    return scene;
}

void dlgPrinter::cmdPropaty_Click()
{
    if (printsToPdf() || SelectedPrinter.isEmpty())
        return; // a PDF file has no printer settings
    if (const auto error = m_platform.showPrinterProperties(SelectedPrinter))
        m_platform.showHandlerError("cmdPropaty_Click", RuntimeError::printerError(*error));
}

std::optional<RuntimeError> dlgPrinter::printOnPrinter(const std::optional<TilePlan> &tiles)
{
    const QStringList installed = m_platform.printerNames(); // one question to CUPS
    if (SelectedPrinter.isEmpty() || !installed.contains(SelectedPrinter)) {
        const QString why =
            installed.isEmpty()
                ? noPrinterText(m_platform)
                      + QStringLiteral("「%1」を選ぶと PDF ファイルに実寸で印刷できます。")
                            .arg(PdfFileEntry)
                : QStringLiteral("プリンタ「%1」が見つかりません。").arg(SelectedPrinter);
        return RuntimeError::printerError(why);
    }
    const bool portrait = tiles && !tiles->landscape();
    platform::OpenedPrinter printer =
        m_platform.openPrinter({SelectedPrinter, monochrome, portrait, m_page.jobName});
    if (!printer.target)
        return RuntimeError::printerError(printer.error);
    const PrintScale scale = LoadPrintCorrection(m_page.settingsFile, SelectedPrinter)
                                 .value_or(PrintCorrection())
                                 .scale(portrait);
    const PageScene page = scene();
    if (auto error = tiles ? printSheets(*printer.target, page, kinds(), *tiles, scale)
                           : paintPage(printer.target->device(), page, kinds(), scale))
        return RuntimeError::printerError(*error);
    if (auto error = printer.target->finish())
        return RuntimeError::printerError(*error);
    return std::nullopt;
}

std::optional<platform::TileChoice> dlgPrinter::offerTiles(std::optional<TilePlan> &tiles)
{
    const std::optional<QSizeF> sheet = printsToPdf() ? pdfSheetMm(m_platform)
                                                      : m_platform.printerPageMm(SelectedPrinter);
    const QRectF area = printAreaBoundsOnPaper(m_page.scene);
    if (!sheet || !TilePreview::needsTiles(area, *sheet) || !planTiles(area, *sheet, 0))
        return std::nullopt;
    TilePreview preview(scene(), *sheet);
    // So many sheets are not offered at all; the preview keeps an overlap within them.
    if (const auto refused = tooManySheetsText(preview.plan())) {
        m_platform.showOk(Title, *refused, platform::MessageIcon::Warning);
        return platform::TileChoice::Cancel;
    }
    const platform::TileChoice choice = m_platform.showTilePreview(preview);
    if (choice == platform::TileChoice::Tiles)
        tiles = preview.plan();
    return choice;
}

void dlgPrinter::cmdPrint_Click()
{
    // A print area larger than the sheet may go over several sheets at actual size.
    std::optional<TilePlan> tiles;
    if (offerTiles(tiles) == platform::TileChoice::Cancel)
        return;
    if (printsToPdf() && !tiles) {
        const auto refused = oversizePdfPageText(
            m_page.paperMm,
            QStringLiteral("「用紙サイズ....」で小さな用紙を選ぶか、分けて印刷してください。"));
        if (refused) {
            m_platform.showOk(Title, *refused, platform::MessageIcon::Warning);
            return;
        }
    }
    std::optional<ExportTarget> pdfFile;
    if (printsToPdf()) {
        pdfFile = chooseExportTarget(m_platform,
                                     {QStringLiteral("PDF ファイルへ印刷"), m_page.pdfFolder,
                                      QStringLiteral("pdf"), QStringLiteral("PDF(*.pdf)|*.pdf"),
                                      ExportKind::Pdf},
                                     m_page.bookFiles);
        if (!pdfFile)
            return; // cancelled or refused: the dialog stays for another choice
    }
    std::optional<RuntimeError> error;
    {
        platform::BusyGuard busy(m_platform);
        if (!pdfFile)
            error = printOnPrinter(tiles);
        else if (tiles)
            error = writeTiledPdf(*pdfFile, scene(), kinds(), *tiles);
        else
            error = writePagePdf(*pdfFile, scene(), kinds(), m_page.paperMm);
    }
    if (error) {
        // The dialog stays open, so another printer or the PDF file can be tried.
        m_platform.showHandlerError("cmdPrint_Click", *error);
        return;
    }
    printed = true;
    emit closeRequested();
}

void dlgPrinter::CancelButton_Click()
{
    emit closeRequested();
}

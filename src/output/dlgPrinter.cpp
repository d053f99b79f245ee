#include "dlgPrinter.h"

#include "app/PrintCorrectionSettings.h"
#include "output/PageChecks.h"
#include "output/PageOutput.h"
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
        cmbPrinter << PdfFileEntry;
        chkComent = false;
        chkComentEnabled = false;
        SelectedPrinter = m_platform.defaultPrinterName();
        monochrome = !SelectedPrinter.isEmpty() && !m_platform.printerUsesColor(SelectedPrinter);
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
                ? QStringLiteral("プリンタがインストールされていません。"
                                 "「%1」を選ぶと PDF ファイルに実寸で印刷できます。")
                      .arg(PdfFileEntry)
                : QStringLiteral("プリンタ「%1」が見つかりません。").arg(SelectedPrinter);
        return RuntimeError::printerError(why);
    }
    const bool portrait = tiles && !tiles->landscape();
    platform::OpenedPrinter printer =
        m_platform.openPrinter({SelectedPrinter, monochrome, portrait});
    if (!printer.target)
        return RuntimeError::printerError(printer.error);
    const PrintScale scale = LoadPrintCorrection(m_page.settingsFile, SelectedPrinter)
                                 .value_or(PrintCorrection())
                                 .scale(portrait);
    if (auto error = tiles ? printSheets(*printer.target, m_page.scene, kinds(), *tiles, scale)
                           : paintPage(printer.target->device(), m_page.scene, kinds(), scale))
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
    TilePreview preview(m_page.scene, *sheet);
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
    std::optional<QString> pdfPath;
    if (printsToPdf()) {
        const QString folder = m_page.pdfFolder;
        pdfPath = m_platform.chooseSaveFile(
            {QStringLiteral("PDF ファイルへ印刷"), folder,
             folder.isEmpty() ? QStringLiteral("*.pdf") : folder + QStringLiteral("/*.pdf"),
             QStringLiteral("pdf"), QStringLiteral("PDF(*.pdf)|*.pdf")});
        if (!pdfPath)
            return; // cancelled: the dialog stays for another choice
    }
    std::optional<RuntimeError> error;
    {
        platform::BusyGuard busy(m_platform);
        if (!pdfPath)
            error = printOnPrinter(tiles);
        else if (tiles)
            error = writeTiledPdf(*pdfPath, m_page.scene, kinds(), *tiles);
        else
            error = writePagePdf(*pdfPath, m_page.scene, kinds(), m_page.paperMm);
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

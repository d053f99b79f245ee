#include "dlgPrinter.h"

#include "output/PageOutput.h"

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

std::optional<RuntimeError> dlgPrinter::printOnPrinter()
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
    platform::OpenedPrinter printer = m_platform.openPrinter({SelectedPrinter, monochrome});
    if (!printer.target)
        return RuntimeError::printerError(printer.error);
    if (auto error = paintPage(printer.target->device(), m_page.scene, kinds()))
        return RuntimeError::printerError(*error);
    if (auto error = printer.target->finish())
        return RuntimeError::printerError(*error);
    return std::nullopt;
}

void dlgPrinter::cmdPrint_Click()
{
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
        error = pdfPath ? writePagePdf(*pdfPath, m_page.scene, kinds(), m_page.paperMm)
                        : printOnPrinter();
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

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinters.h"

#include <QPageSetupDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {

// A page on a printer; the job goes out when painting ends. Qt reports a job that CUPS refused
// only through the printer's state.
class PrinterPage final : public platform::PrintTarget
{
public:
    explicit PrinterPage(QPrinter &printer) : m_printer(printer) {}

    QPaintDevice &device() override { return m_printer; }
    bool newPage() override { return m_printer.newPage(); }

    std::optional<QString> finish() override
    {
        switch (m_printer.printerState()) {
        case QPrinter::Error:
            return QStringLiteral("プリンタ「%1」が印刷を受け付けませんでした。")
                .arg(m_printer.printerName());
        case QPrinter::Aborted: return QStringLiteral("印刷が中止されました。");
        default: return std::nullopt;
        }
    }

private:
    QPrinter &m_printer;
};

// Asks CUPS to print the page as it is: a driver that fits the page to the paper, or scales it
// otherwise, is the usual cause of a print of the wrong size. Qt has no public call for a job's
// CUPS options; its print engine takes them as name, value, name, value… under this key, which
// is how Qt's own print dialog sets them. Options already there stay, these two are overruled.
void askCupsNotToScale(QPrinter &printer)
{
    const auto cupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    QPrintEngine *engine = printer.printEngine();
    QStringList options = engine->property(cupsOptions).toStringList();
    if (options.size() % 2 != 0)
        options.removeLast(); // a name without its value
    const std::pair<QString, QString> asIs[] = {
        {QStringLiteral("fit-to-page"), QStringLiteral("false")},
        {QStringLiteral("print-scaling"), QStringLiteral("none")},
    };
    for (const auto &[name, value] : asIs) {
        qsizetype at = 0;
        while (at < options.size() && options[at] != name)
            at += 2;
        if (at < options.size())
            options[at + 1] = value;
        else
            options << name << value;
    }
    engine->setProperty(cupsOptions, options);
}

} // namespace

QtPrinters::QtPrinters() = default;
QtPrinters::~QtPrinters() = default;

bool QtPrinters::systemRunning() const
{
    // A server on this machine answers at once; one elsewhere gets a few seconds.
    constexpr int TimeoutMs = 3000;
    http_t *connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                      cupsEncryption(), 1, TimeoutMs, nullptr);
    if (!connection)
        return false;
    httpClose(connection);
    return true;
}

QString QtPrinters::defaultPrinterName() const
{
    return QPrinterInfo::defaultPrinterName();
}

bool QtPrinters::usesColor(const QString &name) const
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    return !info.isNull() && info.defaultColorMode() == QPrinter::Color;
}

QPrinter *QtPrinters::printer(const QString &name, QString *why)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        *why = QStringLiteral("プリンタ「%1」が見つかりません。"
                              "プリンタが削除されたか、印刷システム (CUPS) が動いていません。")
                   .arg(name);
        m_printers.erase(name);
        return nullptr;
    }
    std::unique_ptr<QPrinter> &kept = m_printers[name];
    if (!kept)
        kept = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // Without a print system Qt quietly turns a printer into a PDF file of no name.
    if (kept->outputFormat() != QPrinter::NativeFormat || kept->printerName() != name) {
        *why = platform::printSystemDownText();
        m_printers.erase(name);
        return nullptr;
    }
    return kept.get();
}

std::optional<QSizeF> QtPrinters::pageMm(const QString &name)
{
    return lyingDownMm(name, &QPageLayout::paintRect);
}

std::optional<QSizeF> QtPrinters::paperMm(const QString &name)
{
    return lyingDownMm(name, &QPageLayout::fullRect);
}

std::optional<QSizeF> QtPrinters::lyingDownMm(const QString &name, PageRect rect)
{
    QString why;
    QPrinter *target = printer(name, &why);
    if (!target)
        return std::nullopt;
    const QSizeF size = (target->pageLayout().*rect)(QPageLayout::Millimeter).size();
    return size.width() >= size.height() ? size : size.transposed();
}

std::optional<QString> QtPrinters::showProperties(const QString &name, QWidget *parent)
{
    QString why;
    QPrinter *target = printer(name, &why);
    if (!target)
        return why;
    QPageSetupDialog dialog(target, parent);
    dialog.setWindowTitle(QStringLiteral("プロパティ - ") + name);
    dialog.exec();
    return std::nullopt;
}

platform::OpenedPrinter QtPrinters::open(const platform::PrinterRequest &request)
{
    QString why;
    QPrinter *target = printer(request.name, &why);
    if (!target)
        return {nullptr, why};
    target->setPageOrientation(request.portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    target->setColorMode(request.monochrome ? QPrinter::GrayScale : QPrinter::Color);
    target->setCopyCount(1);
    target->setDocName(request.jobName);
    askCupsNotToScale(*target);
    return {std::make_unique<PrinterPage>(*target), {}};
}

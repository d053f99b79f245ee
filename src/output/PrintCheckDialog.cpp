// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCheckDialog.h"

#include "output/PrintCorrectionSettings.h"
#include "platform/SettingsWriteFailure.h"
#include "output/PrintCheckPage.h"
#include "platform/NumberText.h"

#include <tuple>

const QString PrintCheckDialog::Title = QStringLiteral("印刷の実寸チェック");

PrintCheckDialog::PrintCheckDialog(platform::Platform &platform, const QString &settingsFile,
                                   QObject *parent)
    : QObject(parent), m_platform(platform), m_settingsFile(settingsFile)
{
}

void PrintCheckDialog::load()
{
    {
        platform::BusyGuard busy(m_platform);
        printers = m_platform.printerNames();
        const QString preferred = m_platform.defaultPrinterName();
        printer = printers.contains(preferred) ? preferred : printers.value(0);
    }
    showCorrectionInForce();
}

void PrintCheckDialog::choosePrinter(const QString &name)
{
    printer = name;
    showCorrectionInForce();
}

void PrintCheckDialog::showCorrectionInForce()
{
    m_inForce = LoadPrintCorrection(m_settingsFile, printer);
    across = m_inForce ? numbertext::formatDouble(m_inForce->acrossMm) : QString();
    down = m_inForce ? numbertext::formatDouble(m_inForce->downMm) : QString();
    emit changed();
}

QString PrintCheckDialog::correctionInForce() const
{
    if (printer.isEmpty())
        return QStringLiteral("プリンタがインストールされていません。");
    if (!m_inForce)
        return QStringLiteral("このプリンタは補正なしで印刷します。");
    return QStringLiteral("このプリンタは、正方形が横 %1 mm・縦 %2 mm だったとして補正して印刷します。")
        .arg(numbertext::formatDouble(m_inForce->acrossMm),
             numbertext::formatDouble(m_inForce->downMm));
}

void PrintCheckDialog::printPage()
{
    std::optional<QString> error;
    if (printer.isEmpty()) {
        error = QStringLiteral("プリンタがインストールされていません。");
    } else {
        platform::BusyGuard busy(m_platform);
        // Black lines only, on a page lying as every single page does.
        const platform::OpenedPrinter opened =
            m_platform.openPrinter({.name = printer, .monochrome = true, .portrait = false});
        error = opened.target ? printCheckPage(*opened.target, printer) : opened.error;
        if (!error && opened.target)
            error = opened.target->finish();
    }
    if (error) {
        m_platform.showOk(Title, QStringLiteral("チェックページを印刷できませんでした。\r") + *error,
                          platform::MessageIcon::Warning);
    }
}

void PrintCheckDialog::clearCorrection()
{
    if (!ClearPrintCorrection(m_settingsFile, printer)) {
        tellUnsaved(QString());
        return;
    }
    showCorrectionInForce();
}

void PrintCheckDialog::accept()
{
    if (printer.isEmpty()) { // nothing to correct
        emit closeRequested();
        return;
    }
    PrintCorrection measured;
    for (auto [side, typed, mm] : {std::tuple{QStringLiteral("横"), across, &measured.acrossMm},
                                   std::tuple{QStringLiteral("縦"), down, &measured.downMm}}) {
        if (const auto problem = measuredSideProblem(side, typed, mm)) {
            m_platform.showOk(Title, *problem + QStringLiteral("\r\r補正は前のままです。"),
                              platform::MessageIcon::Warning);
            return;
        }
    }
    if (!SavePrintCorrection(m_settingsFile, printer, measured)) {
        tellUnsaved(measured.toText());
        return;
    }
    emit closeRequested();
}

void PrintCheckDialog::cancel()
{
    emit closeRequested();
}

void PrintCheckDialog::tellUnsaved(const QString &value)
{
    const QString why = settingsWriteFailure(m_settingsFile, value);
    m_platform.showOk(Title,
                      QStringLiteral("プリンタ「%1」の補正を設定ファイルに保存できませんでした。"
                                     "\r\r設定ファイル：%2\r理由：%3\r\r補正は前のままです。")
                          .arg(printer, m_settingsFile, why),
                      platform::MessageIcon::Warning);
}

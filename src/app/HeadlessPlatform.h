// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QStringList>

// The platform of a command that runs without a window: nobody is there to answer, so every
// question is declined and every dialog cancelled, and what would have been shown to the user is
// kept for the command to report.
class HeadlessPlatform final : public platform::Platform
{
public:
    platform::MessageAnswer showMessage(const platform::MessageRequest &request) override;
    std::optional<QString> chooseOpenFile(const platform::FileDialogRequest &) override { return {}; }
    std::optional<QString> chooseSaveFile(const platform::FileDialogRequest &) override { return {}; }
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<std::uint32_t> chooseColor(std::uint32_t) override { return {}; }
    std::optional<platform::FontChoice> chooseFont(const platform::FontChoice &) override
    {
        return {};
    }
    std::optional<QString> promptText(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    std::optional<int> chooseListEntry(const platform::ListDialogRequest &) override { return {}; }
    void showPopupMenu(const QString &) override {}
    void showOptionDialog(frmOption &) override {}
    void closeOptionDialog() override {}
    void setBusy(bool) override {}
    platform::KeyState keyState() const override { return {}; }
    QStringList printerNames() const override { return {}; }
    bool printSystemRunning() const override { return false; }
    QString defaultPrinterName() const override { return {}; }
    bool printerUsesColor(const QString &) const override { return false; }
    std::optional<QString> showPrinterProperties(const QString &) override { return {}; }
    platform::OpenedPrinter openPrinter(const platform::PrinterRequest &) override
    {
        return {nullptr, QStringLiteral("プリンタはありません。")};
    }
    void showPrinterDialog(dlgPrinter &) override {}
    void showPrintCheckDialog(PrintCheckDialog &) override {}
    void showFolderDialog(dlgFolda &) override {}
    std::optional<QSizeF> printerPageMm(const QString &) override { return std::nullopt; }
    std::optional<QSizeF> printerPaperMm(const QString &) override { return std::nullopt; }
    platform::TileChoice showTilePreview(TilePreview &) override
    {
        return platform::TileChoice::Cancel;
    }
    // No screen: the canvas's nominal 96 dots an inch, and the self-check is cancelled.
    platform::ScreenInfo currentScreen() const override;
    void showScreenCheckDialog(ScreenCheckDialog &) override {}
    bool openWithDesktop(const QString &) override { return false; }

    // The texts of the messages shown, each on one line, without the window's handler names.
    const QStringList &messages() const { return m_messages; }

private:
    QStringList m_messages;
};

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "platform/QtPrinters.h"

#include <QPointer>

#include <functional>
#include <QWidget>

// The platform as the desktop provides it: Qt's standard dialogs, the override cursor and the
// live keyboard state. Space is no modifier on Linux, so the main window reports it here.
class QtPlatform final : public platform::Platform
{
public:
    void setMainWindow(QWidget *window) { m_window = window; }
    void setSpaceDown(bool down) { m_spaceDown = down; }
    // The window's pop-up menus by name, and how the option dialog is shown and closed.
    void setPopupMenuOpener(std::function<void(const QString &)> opener)
    {
        m_openPopup = std::move(opener);
    }
    void setOptionDialogHost(std::function<void(frmOption *)> host) { m_optionHost = std::move(host); }

    platform::MessageAnswer showMessage(const platform::MessageRequest &request) override;
    std::optional<QString> chooseOpenFile(const platform::FileDialogRequest &request) override;
    std::optional<QString> chooseSaveFile(const platform::FileDialogRequest &request) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &start) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
    std::optional<platform::FontChoice> chooseFont(const platform::FontChoice &initial) override;
    std::optional<QString> promptText(const QString &title, const QString &prompt,
                                      const QString &initial) override;
    std::optional<int> chooseListEntry(const platform::ListDialogRequest &request) override;
    void showPopupMenu(const QString &menuName) override;
    void showOptionDialog(frmOption &dialog) override;
    void closeOptionDialog() override;
    void setBusy(bool busy) override;
    platform::KeyState keyState() const override;
    QStringList printerNames() const override;
    bool printSystemRunning() const override;
    QString defaultPrinterName() const override;
    bool printerUsesColor(const QString &name) const override;
    std::optional<QString> showPrinterProperties(const QString &name) override;
    platform::OpenedPrinter openPrinter(const platform::PrinterRequest &request) override;
    void showPrinterDialog(dlgPrinter &dialog) override;
    void showPrintCheckDialog(PrintCheckDialog &dialog) override;
    void showFolderDialog(dlgFolda &dialog) override;
    std::optional<QSizeF> printerPageMm(const QString &name) override;
    std::optional<QSizeF> printerPaperMm(const QString &name) override;
    platform::TileChoice showTilePreview(TilePreview &preview) override;
    platform::ScreenInfo currentScreen() const override;
    void showScreenCheckDialog(ScreenCheckDialog &dialog) override;
    bool openWithDesktop(const QString &path) override;

private:
    std::optional<QString> runFileDialog(const platform::FileDialogRequest &request, bool save);

    QPointer<QWidget> m_window;
    bool m_spaceDown = false;
    std::function<void(const QString &)> m_openPopup;
    std::function<void(frmOption *)> m_optionHost;
    int m_busyDepth = 0;
    QtPrinters m_printers;
    QPointer<QWidget> m_printerDialog; // the print dialog while it is open, parent of its windows
    QPointer<QWidget> m_folderDialog;  // the folder settings dialog while it is open
};

// "Pictures|*.bmp;*.jpg|All|*.*" as the commands write filters, in Qt's "Pictures (*.bmp *.jpg)"
// form, one entry per pair.
QStringList qtFileFilters(const QString &filter);

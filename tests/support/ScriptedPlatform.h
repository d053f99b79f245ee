// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <vector>

// The platform as a test script: the test queues what the user will do ("picks this file",
// "answers Yes", "cancels the font dialog") and reads back every message shown. An unexpected
// question fails the test instead of blocking.
class ScriptedPlatform : public platform::Platform
{
public:
    struct FileDialogCall
    {
        bool save = false;
        platform::FileDialogRequest request;
    };

    // Answers, consumed in order. std::nullopt means the user cancels.
    std::deque<platform::MessageAnswer> messageAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    std::deque<std::optional<std::uint32_t>> colorAnswers;
    std::deque<std::optional<platform::FontChoice>> fontAnswers;
    std::deque<std::optional<QString>> textAnswers;
    std::deque<std::optional<int>> listAnswers;

    // What the program showed or asked.
    std::vector<platform::MessageRequest> messages;
    std::vector<FileDialogCall> fileDialogs;
    std::vector<QString> prompts; // "title|prompt"
    std::vector<QString> folderPrompts; // the folder chooser's title, each time
    std::vector<platform::ListDialogRequest> listDialogs;
    std::vector<QString> openedFiles;
    int busyDepth = 0;
    int busyCount = 0;

    // Pop-up menus opened, by name; a queued choice runs through choosePopupItem.
    std::vector<QString> popupMenus;
    std::deque<QString> popupChoices; // empty string: the menu is dismissed
    std::function<void(const QString &)> choosePopupItem;
    frmOption *optionDialog = nullptr; // the dialog shown, until it is closed
    int optionDialogShows = 0;

    platform::KeyState keys;
    QStringList printers;
    bool printSystemUp = true;
    QString defaultPrinter;
    bool printerColor = true;
    std::optional<QString> propertiesError; // the properties window cannot be shown
    std::vector<QString> propertiesShown;
    // Every page a printer was asked for; a printer prints into printerPdf (a 600 dpi landscape
    // A4 PDF) unless printerError says why it cannot.
    std::vector<platform::PrinterRequest> printRequests;
    QString printerPdf;
    QString printerError;
    // The printable page and the paper of every printer (the whole A4 page the fake prints), and
    // what the user does in the preview of a print over several sheets: the summaries shown, and
    // the choice.
    std::optional<QSizeF> printerPage = QSizeF(297, 210);
    std::optional<QSizeF> printerPaper = QSizeF(297, 210);
    std::vector<QString> tilePreviews;
    std::function<platform::TileChoice(TilePreview &)> useTilePreview;
    // The print dialog: what the user does in it, run when it is shown.
    std::function<void(dlgPrinter &)> usePrinterDialog;
    int printerDialogShows = 0;
    // The printer self-check: what the user does in it, run when it is shown.
    std::function<void(PrintCheckDialog &)> usePrintCheckDialog;
    // The folder settings dialog: what the user does in it, run when it is shown.
    std::function<void(dlgFolda &)> useFolderDialog;
    // The screen the window is on, and what the user does in its self-check.
    platform::ScreenInfo screen{QStringLiteral("HDMI-1"), QRect(0, 0, 1920, 1080),
                                {96 / 25.4, 96 / 25.4}};
    std::function<void(ScreenCheckDialog &)> useScreenCheckDialog;

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
    platform::KeyState keyState() const override { return keys; }
    QStringList printerNames() const override { return printers; }
    bool printSystemRunning() const override { return printSystemUp; }
    QString defaultPrinterName() const override { return defaultPrinter; }
    bool printerUsesColor(const QString &) const override { return printerColor; }
    std::optional<QString> showPrinterProperties(const QString &name) override;
    platform::OpenedPrinter openPrinter(const platform::PrinterRequest &request) override;
    void showPrinterDialog(dlgPrinter &dialog) override;
    void showPrintCheckDialog(PrintCheckDialog &dialog) override;
    void showFolderDialog(dlgFolda &dialog) override;
    std::optional<QSizeF> printerPageMm(const QString &) override { return printerPage; }
    std::optional<QSizeF> printerPaperMm(const QString &) override { return printerPaper; }
    platform::TileChoice showTilePreview(TilePreview &preview) override;
    platform::ScreenInfo currentScreen() const override { return screen; }
    void showScreenCheckDialog(ScreenCheckDialog &dialog) override;
    bool openWithDesktop(const QString &path) override;

    // The texts of every message shown, in order.
    QStringList messageTexts() const;
};

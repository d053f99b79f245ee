// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPlatform.h"

#include "output/TilePreview.h"

#include <QPageLayout>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace {

// Takes the next scripted answer; a question the test did not expect counts as a cancel and
// fails the test, so a missing line in a script never hangs or passes silently.
template <class T>
std::optional<T> nextAnswer(std::deque<std::optional<T>> &queue, const char *what)
{
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return std::nullopt;
    }
    auto answer = queue.front();
    queue.pop_front();
    return answer;
}

} // namespace

platform::MessageAnswer ScriptedPlatform::showMessage(const platform::MessageRequest &request)
{
    messages.push_back(request);
    if (request.buttons == platform::MessageButtons::Ok)
        return platform::MessageAnswer::Ok;
    if (messageAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << request.text.toStdString();
        return platform::MessageAnswer::No;
    }
    const auto answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPlatform::chooseOpenFile(const platform::FileDialogRequest &request)
{
    fileDialogs.push_back({false, request});
    return nextAnswer(fileAnswers, "open file dialog");
}

std::optional<QString> ScriptedPlatform::chooseSaveFile(const platform::FileDialogRequest &request)
{
    fileDialogs.push_back({true, request});
    return nextAnswer(fileAnswers, "save file dialog");
}

std::optional<QString> ScriptedPlatform::chooseFolder(const QString &title, const QString &)
{
    folderPrompts.push_back(title);
    return nextAnswer(folderAnswers, "folder dialog");
}

std::optional<std::uint32_t> ScriptedPlatform::chooseColor(std::uint32_t)
{
    return nextAnswer(colorAnswers, "colour dialog");
}

std::optional<platform::FontChoice> ScriptedPlatform::chooseFont(const platform::FontChoice &)
{
    return nextAnswer(fontAnswers, "font dialog");
}

std::optional<QString> ScriptedPlatform::promptText(const QString &title, const QString &prompt,
                                                    const QString &)
{
    prompts.push_back(title + QLatin1Char('|') + prompt);
    return nextAnswer(textAnswers, "text prompt");
}

std::optional<int> ScriptedPlatform::chooseListEntry(const platform::ListDialogRequest &request)
{
    listDialogs.push_back(request);
    return nextAnswer(listAnswers, "list dialog");
}

void ScriptedPlatform::showPopupMenu(const QString &menuName)
{
    popupMenus.push_back(menuName);
    if (popupChoices.empty())
        return;
    const QString choice = popupChoices.front();
    popupChoices.pop_front();
    if (!choice.isEmpty() && choosePopupItem)
        choosePopupItem(choice);
}

void ScriptedPlatform::showOptionDialog(frmOption &dialog)
{
    optionDialog = &dialog;
    ++optionDialogShows;
}

void ScriptedPlatform::closeOptionDialog()
{
    optionDialog = nullptr;
}

void ScriptedPlatform::setBusy(bool busy)
{
    busyDepth += busy ? 1 : -1;
    if (busy)
        ++busyCount;
    EXPECT_GE(busyDepth, 0) << "busy pointer released more often than shown";
}

namespace {

class PdfPrinterPage final : public platform::PrintTarget
{
public:
    PdfPrinterPage(const QString &path, bool portrait) : m_writer(path)
    {
        m_writer.setResolution(600);
        m_writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                           portrait ? QPageLayout::Portrait
                                                    : QPageLayout::Landscape,
                                           QMarginsF()));
    }
    QPaintDevice &device() override { return m_writer; }
    bool newPage() override { return m_writer.newPage(); }
    std::optional<QString> finish() override { return std::nullopt; }

private:
    QPdfWriter m_writer;
};

} // namespace

std::optional<QString> ScriptedPlatform::showPrinterProperties(const QString &name)
{
    propertiesShown.push_back(name);
    return propertiesError;
}

platform::OpenedPrinter ScriptedPlatform::openPrinter(const platform::PrinterRequest &request)
{
    printRequests.push_back(request);
    if (!printerError.isEmpty() || printerPdf.isEmpty())
        return {nullptr, printerError};
    return {std::make_unique<PdfPrinterPage>(printerPdf, request.portrait), {}};
}

platform::TileChoice ScriptedPlatform::showTilePreview(TilePreview &preview)
{
    tilePreviews.push_back(preview.summary());
    EXPECT_TRUE(useTilePreview) << "the tile preview was not expected";
    return useTilePreview ? useTilePreview(preview) : platform::TileChoice::Cancel;
}

void ScriptedPlatform::showPrinterDialog(dlgPrinter &dialog)
{
    ++printerDialogShows;
    if (usePrinterDialog)
        usePrinterDialog(dialog);
}

void ScriptedPlatform::showPrintCheckDialog(PrintCheckDialog &dialog)
{
    EXPECT_TRUE(usePrintCheckDialog) << "the printer self-check was not expected";
    if (usePrintCheckDialog)
        usePrintCheckDialog(dialog);
}

void ScriptedPlatform::showFolderDialog(dlgFolda &dialog)
{
    EXPECT_TRUE(useFolderDialog) << "the folder settings dialog was not expected";
    if (useFolderDialog)
        useFolderDialog(dialog);
}

void ScriptedPlatform::showScreenCheckDialog(ScreenCheckDialog &dialog)
{
    EXPECT_TRUE(useScreenCheckDialog) << "the screen self-check was not expected";
    if (useScreenCheckDialog)
        useScreenCheckDialog(dialog);
}

bool ScriptedPlatform::openWithDesktop(const QString &path)
{
    openedFiles.push_back(path);
    return true;
}

QStringList ScriptedPlatform::messageTexts() const
{
    QStringList texts;
    for (const auto &message : messages)
        texts << message.text;
    return texts;
}

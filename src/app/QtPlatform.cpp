// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPlatform.h"

#include "document/LabelMetrics.h"
#include "app/FolderDialogWidget.h"
#include "app/ScreenCheckDialogWidget.h"
#include "output/PrintCheckDialogWidget.h"
#include "output/PrinterDialogWidget.h"
#include "output/TilePreviewWidget.h"
#include "platform/FontSubstitutions.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QScreen>
#include <QUrl>

namespace {

// Messages end lines with a bare carriage return; Qt's labels break only on line feeds.
QString displayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QMessageBox::Icon qtIcon(platform::MessageIcon icon)
{
    switch (icon) {
    case platform::MessageIcon::Information: return QMessageBox::Information;
    case platform::MessageIcon::Warning: return QMessageBox::Warning;
    case platform::MessageIcon::Critical: return QMessageBox::Critical;
    case platform::MessageIcon::Question: return QMessageBox::Question;
    case platform::MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QColor fromOleColor(std::uint32_t value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace

QStringList qtFileFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters;
}

platform::MessageAnswer QtPlatform::showMessage(const platform::MessageRequest &request)
{
    QMessageBox box(qtIcon(request.icon), request.title, displayText(request.text),
                    QMessageBox::NoButton, m_window);
    if (request.buttons == platform::MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? platform::MessageAnswer::Yes
                                              : platform::MessageAnswer::No;
    }
    if (request.buttons == platform::MessageButtons::SaveDiscardCancel) {
        QPushButton *save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
        QPushButton *discard =
            box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
        QPushButton *cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == save)
            return platform::MessageAnswer::Save;
        return box.clickedButton() == discard ? platform::MessageAnswer::Discard
                                              : platform::MessageAnswer::Cancel;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return platform::MessageAnswer::Ok;
}

std::optional<QString> QtPlatform::runFileDialog(const platform::FileDialogRequest &request,
                                                 bool save)
{
    QFileDialog dialog(m_window, request.title, request.startFolder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(qtFileFilters(request.filter));
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.presetName.isEmpty())
        dialog.selectFile(request.presetName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPlatform::chooseOpenFile(const platform::FileDialogRequest &request)
{
    return runFileDialog(request, false);
}

std::optional<QString> QtPlatform::chooseSaveFile(const platform::FileDialogRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<QString> QtPlatform::chooseFolder(const QString &title, const QString &start)
{
    QWidget *owner = m_folderDialog ? m_folderDialog.data() : m_window.data();
    const QString folder = QFileDialog::getExistingDirectory(owner, title, start);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<std::uint32_t> QtPlatform::chooseColor(std::uint32_t initial)
{
    const QColor colour = QColorDialog::getColor(fromOleColor(initial), m_window);
    if (!colour.isValid())
        return std::nullopt;
    return std::uint32_t(colour.red()) | (std::uint32_t(colour.green()) << 8)
           | (std::uint32_t(colour.blue()) << 16);
}

std::optional<platform::FontChoice> QtPlatform::chooseFont(const platform::FontChoice &initial)
{
    // The dialog lists installed families only: it opens on the one the stored name is drawn
    // with, and the command stores an answer left as it was under the stored name.
    QFont font(installedFamily(faceName(initial.name)));
    font.setPointSizeF(initial.size);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    font.setStrikeOut(initial.strikethrough);
    font.setUnderline(initial.underline);
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, font, m_window);
    if (!accepted)
        return std::nullopt;
    return platform::FontChoice{chosen.family(), float(chosen.pointSizeF()), chosen.bold(),
                                chosen.italic(), chosen.strikeOut(), chosen.underline()};
}

std::optional<QString> QtPlatform::promptText(const QString &title, const QString &prompt,
                                              const QString &initial)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(m_window, title, prompt, QLineEdit::Normal, initial,
                                               &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

std::optional<int> QtPlatform::chooseListEntry(const platform::ListDialogRequest &request)
{
    QDialog dialog(m_window);
    dialog.setWindowTitle(request.title);
    auto *list = new QListWidget(&dialog);
    list->addItems(request.entries);
    list->setCurrentRow(-1);
    // The entries line up in columns, as the paper sizes do.
    list->setFont(QFont(QStringLiteral("ＭＳ ゴシック")));
    auto *ok = new QPushButton(request.okCaption, &dialog);
    auto *cancel = new QPushButton(request.cancelCaption, &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addLayout(buttons);
    if (dialog.exec() != QDialog::Accepted || list->selectedItems().isEmpty())
        return std::nullopt;
    return list->currentRow();
}

void QtPlatform::showPopupMenu(const QString &menuName)
{
    if (m_openPopup)
        m_openPopup(menuName);
}

void QtPlatform::showOptionDialog(frmOption &dialog)
{
    if (m_optionHost)
        m_optionHost(&dialog);
}

void QtPlatform::closeOptionDialog()
{
    if (m_optionHost)
        m_optionHost(nullptr);
}

void QtPlatform::setBusy(bool busy)
{
    if (busy) {
        if (m_busyDepth++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            if (m_window)
                m_window->setEnabled(false);
        }
    } else if (m_busyDepth > 0 && --m_busyDepth == 0) {
        QApplication::restoreOverrideCursor();
        if (m_window)
            m_window->setEnabled(true);
    }
}

platform::KeyState QtPlatform::keyState() const
{
    const Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
    return {modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::ShiftModifier),
            m_spaceDown};
}

QStringList QtPlatform::printerNames() const
{
    return QPrinterInfo::availablePrinterNames();
}

bool QtPlatform::printSystemRunning() const
{
    return m_printers.systemRunning();
}

QString QtPlatform::defaultPrinterName() const
{
    return m_printers.defaultPrinterName();
}

bool QtPlatform::printerUsesColor(const QString &name) const
{
    return m_printers.usesColor(name);
}

std::optional<QString> QtPlatform::showPrinterProperties(const QString &name)
{
    return m_printers.showProperties(name, m_printerDialog ? m_printerDialog.data()
                                                           : m_window.data());
}

platform::OpenedPrinter QtPlatform::openPrinter(const platform::PrinterRequest &request)
{
    return m_printers.open(request);
}

void QtPlatform::showPrinterDialog(dlgPrinter &dialog)
{
    PrinterDialogWidget widget(dialog, m_window);
    m_printerDialog = &widget;
    widget.exec();
    m_printerDialog = nullptr;
}

void QtPlatform::showPrintCheckDialog(PrintCheckDialog &dialog)
{
    PrintCheckDialogWidget widget(dialog, m_window);
    widget.exec();
}

std::optional<QSizeF> QtPlatform::printerPageMm(const QString &name)
{
    return m_printers.pageMm(name);
}

std::optional<QSizeF> QtPlatform::printerPaperMm(const QString &name)
{
    return m_printers.paperMm(name);
}

platform::TileChoice QtPlatform::showTilePreview(TilePreview &preview)
{
    QWidget *parent = m_printerDialog ? m_printerDialog.data() : m_window.data();
    TilePreviewWidget widget(preview, parent);
    widget.exec();
    return widget.choice();
}

void QtPlatform::showFolderDialog(dlgFolda &dialog)
{
    FolderDialogWidget widget(dialog, m_window);
    m_folderDialog = &widget;
    widget.exec();
    m_folderDialog = nullptr;
}

platform::ScreenInfo QtPlatform::currentScreen() const
{
    const QScreen *screen = m_window ? m_window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    constexpr double MmPerInch = 25.4;
    return {screen->name(), screen->geometry(),
            {screen->physicalDotsPerInchX() / MmPerInch,
             screen->physicalDotsPerInchY() / MmPerInch}};
}

void QtPlatform::showScreenCheckDialog(ScreenCheckDialog &dialog)
{
    ScreenCheckDialogWidget widget(dialog, m_window);
    widget.exec();
}

bool QtPlatform::openWithDesktop(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

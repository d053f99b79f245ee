// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RuntimeError.h"

#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

// Everything the program asks of the desktop: dialogs, message boxes, the busy pointer, live key
// state, printers. The program uses the Qt implementation; tests use a scripted fake that answers
// from a queue and records every message shown.
class PrintCheckDialog;
class QPaintDevice;
class ScreenCheckDialog;
class TilePreview;
class dlgFolda;
class dlgPrinter;
class frmOption;

namespace platform {

enum class MessageIcon { None, Information, Warning, Critical, Question };
// SaveDiscardCancel: "保存" / "保存しない" / "キャンセル", asked before unsaved changes would go.
enum class MessageButtons { Ok, YesNo, SaveDiscardCancel };
enum class MessageAnswer { Ok, Yes, No, Save, Discard, Cancel };

struct MessageRequest
{
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

struct FileDialogRequest
{
    QString title;
    QString startFolder;
    QString presetName;
    QString defaultExtension; // without the dot
    QString filter;           // "description|*.ext;*.ext2|…" pairs, as the commands give them
};

// A font as the annotation records keep it.
struct FontChoice
{
    QString name;
    float size = 9.75f;
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool underline = false;
};

// A modal dialog that offers a list: the paper size dialog.
struct ListDialogRequest
{
    QString title;
    QStringList entries;
    QString okCaption;
    QString cancelCaption;
};

// One print job on an installed printer: the device to paint the page on, then the end of the
// document, which hands the job to the printing system.
class PrintTarget
{
public:
    virtual ~PrintTarget() = default;
    virtual QPaintDevice &device() = 0;
    // Ends the page painted so far and starts another; false when the printer refuses.
    virtual bool newPage() = 0;
    // Called once painting has ended; a text says why the job did not reach the printer.
    virtual std::optional<QString> finish() = 0;
};

struct PrinterRequest
{
    QString name;             // the printer's device name
    bool monochrome = false;  // "モノクロ" rather than "カラー"
    bool portrait = false;    // sheets of a print over several sheets may stand upright
    QString jobName = {};     // what the print queue calls the job
};

// What the user is told when the print system cannot be reached.
inline QString printSystemDownText()
{
    return QStringLiteral("印刷システム (CUPS) に接続できません。");
}

struct OpenedPrinter
{
    std::unique_ptr<PrintTarget> target; // null when the printer cannot print
    QString error;                       // why, for the user
};

// What the user chose in the preview of a print larger than the page.
enum class TileChoice { Tiles, OnePage, Cancel };

// A screen's pixels per millimetre, across and down: they need not be the same.
struct PixelsPerMm
{
    double across = 0;
    double down = 0;
};

// The screen the main window is on, as the desktop reports it.
struct ScreenInfo
{
    QString name;         // "HDMI-1"
    QRect geometry;       // in the desktop's pixels, the ones the canvas paints in
    PixelsPerMm reported; // from the physical size the screen states; often rounded or wrong
};

struct KeyState
{
    bool ctrl = false;
    bool shift = false;
    bool space = false;
};

class Platform
{
public:
    virtual ~Platform() = default;

    virtual MessageAnswer showMessage(const MessageRequest &request) = 0;
    // An empty result means the user cancelled.
    virtual std::optional<QString> chooseOpenFile(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> chooseSaveFile(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> chooseFolder(const QString &title, const QString &start) = 0;
    // Colours are 0x00BBGGRR, as the annotation records keep them.
    virtual std::optional<std::uint32_t> chooseColor(std::uint32_t initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial) = 0;
    virtual std::optional<QString> promptText(const QString &title, const QString &prompt,
                                              const QString &initial) = 0;
    // The entry picked when the user pressed OK; empty on cancel or when nothing was picked.
    virtual std::optional<int> chooseListEntry(const ListDialogRequest &request) = 0;

    // Opens a pop-up menu of the main window at the pointer and returns when it has closed; the
    // chosen item's command has run by then.
    virtual void showPopupMenu(const QString &menuName) = 0;

    // The scale option dialog stays open beside the main window, above it, until it is closed.
    virtual void showOptionDialog(frmOption &dialog) = 0;
    virtual void closeOptionDialog() = 0;

    // Long work: the window is disabled and shows the busy pointer until setBusy(false).
    virtual void setBusy(bool busy) = 0;
    virtual KeyState keyState() const = 0;
    virtual QStringList printerNames() const = 0;
    // Whether the print system answers: without it there are no printers to list.
    virtual bool printSystemRunning() const = 0;
    // The printer a print goes to unless the user picks another; empty when there is none.
    virtual QString defaultPrinterName() const = 0;
    virtual bool printerUsesColor(const QString &name) const = 0;
    // The printer's own settings window, modal; a text says why it could not be shown.
    virtual std::optional<QString> showPrinterProperties(const QString &name) = 0;
    // A landscape page on the named printer in the chosen colour mode.
    virtual OpenedPrinter openPrinter(const PrinterRequest &request) = 0;
    // The part of the named printer's page it prints on, in millimetres, the long side across;
    // nothing when the printer cannot be had.
    virtual std::optional<QSizeF> printerPageMm(const QString &name) = 0;
    // The whole sheet of paper the named printer is set to, margins and all, likewise.
    virtual std::optional<QSizeF> printerPaperMm(const QString &name) = 0;
    // The preview of a print over several sheets, modal. The user may change the overlap in it.
    virtual TileChoice showTilePreview(TilePreview &preview) = 0;
    // The print dialog, modal: returns once the dialog asked to close.
    virtual void showPrinterDialog(dlgPrinter &dialog) = 0;
    // The printer self-check, modal: returns once the dialog asked to close.
    virtual void showPrintCheckDialog(PrintCheckDialog &dialog) = 0;
    // The folder settings dialog, modal: returns once the dialog asked to close.
    virtual void showFolderDialog(dlgFolda &dialog) = 0;
    // The screen the main window is on, and the dialog that measures it, modal: returns once the
    // dialog asked to close.
    virtual ScreenInfo currentScreen() const = 0;
    virtual void showScreenCheckDialog(ScreenCheckDialog &dialog) = 0;
    // Opens a local file with the desktop's default viewer; false when nothing could open it.
    virtual bool openWithDesktop(const QString &path) = 0;

    // The one message shape every failure uses: OK button, given title and icon.
    void showOk(const QString &title, const QString &text, MessageIcon icon = MessageIcon::None)
    {
        showMessage({title, text, icon, MessageButtons::Ok});
    }
    // A command's trapped failure: "handler():ｴﾗｰ番号 N ｴﾗｰが発生しました。", a CR and the
    // description, titled "ｴﾗｰ".
    void showHandlerError(const char *handler, const RuntimeError &error)
    {
        showOk(QStringLiteral("ｴﾗｰ"), QLatin1String(handler) + QStringLiteral("():ｴﾗｰ番号 ")
                                         + QString::number(error.number)
                                         + QStringLiteral(" ｴﾗｰが発生しました。")
                                         + QLatin1Char('\r') + error.description);
    }
};

// Shows the busy pointer for the lifetime of the guard, also when the work fails.
class BusyGuard
{
public:
    explicit BusyGuard(Platform &platform) : m_platform(platform) { m_platform.setBusy(true); }
    ~BusyGuard() { m_platform.setBusy(false); }
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;

private:
    Platform &m_platform;
};

} // namespace platform

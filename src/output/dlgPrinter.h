#pragma once

#include "output/PageRenderer.h"
#include "output/TilePlan.h"
#include "platform/Platform.h"
#include "platform/RuntimeError.h"

#include <QObject>
#include <QSizeF>
#include <QStringList>

// The print dialog "印刷" as a model: the printer list with the PDF file target after the
// printers, colour or monochrome, the four kinds of annotation and the buttons. The desktop shows
// it through the platform and mirrors its state. Every opening starts from the defaults.
class dlgPrinter : public QObject
{
    Q_OBJECT

public:
    // The entry after the installed printers that prints to a PDF file.
    static const QString PdfFileEntry;

    // What is printed: the page at actual size, its paper (the PDF file's page), the folder a
    // PDF file is first offered in, the settings file holding each printer's size correction
    // (a PDF file is never corrected) and the record book's files, which no PDF file replaces.
    struct Page
    {
        PageScene scene;
        QSizeF paperMm;
        QString pdfFolder;
        QString settingsFile;
        QStringList bookFiles;
    };

    dlgPrinter(platform::Platform &platform, const Page &page, QObject *parent = nullptr);

    void Form_Load();
    void cmbPrinter_Click(const QString &text);
    void chkSnpo_Click(bool checked);
    void cmdPropaty_Click();
    void cmdPrint_Click();
    void CancelButton_Click();

    // The kinds the check boxes choose, as the page renderer takes them.
    PageKinds kinds() const;
    bool printsToPdf() const { return SelectedPrinter == PdfFileEntry; }

    QStringList cmbPrinter;
    QString SelectedPrinter;
    bool monochrome = false; // optColor(0) "モノクロ" against optColor(1) "カラー"
    bool chkMoji = true;
    bool chkHikidashi = false;
    bool chkSnpo = false;
    bool chkComent = false;
    bool chkComentEnabled = false;
    bool printed = false; // a page went out before the dialog closed

signals:
    void changed();
    void closeRequested();

private:
    // When the print area is larger than the sheet, the preview of a print over several sheets:
    // nothing when it was not needed, else the user's choice (and the sheets, if chosen).
    std::optional<platform::TileChoice> offerTiles(std::optional<TilePlan> &tiles);
    std::optional<RuntimeError> printOnPrinter(const std::optional<TilePlan> &tiles);

    platform::Platform &m_platform;
    Page m_page;
};

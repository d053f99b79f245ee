// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
    // (a PDF file is never corrected), the record book's files, which no PDF file replaces, and
    // the name the print queue shows for the job.
    struct Page
    {
        PageScene scene;
        QSizeF paperMm;
        QString pdfFolder;
        QString settingsFile;
        QStringList bookFiles;
        QString jobName = {};
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
    // "モノクロ" and "カラー" are for printers: a PDF file keeps the colours.
    bool colourChoiceEnabled() const;
    // The smallest size text prints at with the boxes as they stand; nothing when no text
    // prints. Labels at their own size are offered when text would print smaller than is
    // readable; "印刷される文字の大きさ：最小 2.9 pt" tells it.
    std::optional<double> smallestTextPoints() const;
    bool ownTextSizeOffered() const;
    QString textSizeNote() const;
    // The page with the text size chosen.
    PageScene scene() const;

    QStringList cmbPrinter;
    QString SelectedPrinter;
    bool monochrome = false; // optColor(0) "モノクロ" against optColor(1) "カラー"
    bool chkMoji = true;
    bool chkHikidashi = false;
    bool chkSnpo = false;
    bool chkComent = false;
    bool chkComentEnabled = false;
    bool chkOwnTextSize = false; // labels at their own size, where offered
    QString printerNote;         // why there is no printer to choose, when there is none
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

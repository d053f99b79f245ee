// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Platform.h"

#include <QPageLayout>
#include <QString>

#include <map>
#include <memory>

class QPrinter;
class QWidget;

// The installed printers as CUPS reports them through Qt. One QPrinter is kept for each printer
// used, so what the user sets in its properties window holds for the prints that follow.
class QtPrinters
{
public:
    QtPrinters();
    ~QtPrinters();

    // Whether CUPS answers: the server its settings and CUPS_SERVER name takes a connection.
    bool systemRunning() const;
    QString defaultPrinterName() const;
    bool usesColor(const QString &name) const;
    std::optional<QString> showProperties(const QString &name, QWidget *parent);
    platform::OpenedPrinter open(const platform::PrinterRequest &request);
    std::optional<QSizeF> pageMm(const QString &name);
    std::optional<QSizeF> paperMm(const QString &name);

private:
    // The printer of that name, or a text saying why it cannot be had.
    QPrinter *printer(const QString &name, QString *why);
    // A rectangle of the printer's page layout, the long side across.
    using PageRect = QRectF (QPageLayout::*)(QPageLayout::Unit) const;
    std::optional<QSizeF> lyingDownMm(const QString &name, PageRect rect);

    std::map<QString, std::unique_ptr<QPrinter>> m_printers;
};

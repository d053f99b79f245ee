// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/PrintCorrection.h"
#include "platform/Platform.h"

#include <QObject>
#include <QStringList>

#include <optional>

// The printer self-check "印刷の実寸チェック" as a model: the printer list (the installed
// printers, as the print dialog offers them), a button that prints the check page, the two sides
// of its square as the user measured them on paper (横 across, 縦 down, in millimetres), a button
// back to no correction, then OK and "キャンセル". The desktop shows it through the platform
// and mirrors its state. The boxes show the chosen printer's correction in force.
class PrintCheckDialog : public QObject
{
    Q_OBJECT

public:
    PrintCheckDialog(platform::Platform &platform, const QString &settingsFile,
                     QObject *parent = nullptr);

    // The printers, the default one chosen (else the first), and its correction in the boxes.
    void load();
    void choosePrinter(const QString &name);
    // The check page on the chosen printer; a failure is told and the dialog stays.
    void printPage();
    // The chosen printer prints as is again, at once.
    void clearCorrection();
    // The two sides become the chosen printer's correction and the dialog closes. A side that is
    // no measurement, or a settings file that cannot be written, is told; the correction in
    // force stays and so does the dialog.
    void accept();
    void cancel();

    // What the chosen printer's prints are corrected by now, in words.
    QString correctionInForce() const;

    static const QString Title;

    QStringList printers;
    QString printer; // the chosen one; empty when there is none
    QString across;  // 横, as typed
    QString down;    // 縦, as typed

signals:
    void changed();
    void closeRequested();

private:
    // The chosen printer's correction, read again and put in the boxes.
    void showCorrectionInForce();
    void tellUnsaved(const QString &value);

    platform::Platform &m_platform;
    QString m_settingsFile;
    std::optional<PrintCorrection> m_inForce;
};

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QObject>
#include <QString>

struct ProcessState;
class frmMain;

// The folder settings dialog "フォルダ設定" as a model: the picture folder and the record book
// folder, each with its "参照" button, then OK and "ｷｬﾝｾﾙ". The desktop shows it through the
// platform and mirrors its two boxes. Every opening starts from the folders in force.
class dlgFolda : public QObject
{
    Q_OBJECT

public:
    dlgFolda(ProcessState &process, platform::Platform &platform, QObject *parent = nullptr);

    void Form_Load();
    // "参照": 0 chooses the picture folder, 1 the record book folder; a cancelled chooser
    // leaves the box as it was.
    void cmdSansyou_Click(int index);
    // The boxes become the folders in force and are written to the settings file. A folder that
    // cannot be written is told, with the reason; it stays in force until the program ends.
    void OKButton_Click();
    void CancelButton_Click();

    QString txtPict;  // the picture folder ("MAP_FD")
    QString txtZumen; // the record book folder ("PRJ_FD")

signals:
    void changed();
    void closeRequested();

private:
    ProcessState &m_process;
    platform::Platform &m_platform;
};

// "フォルダ設定" of the tools menu: the dialog, modal, loaded afresh.
void registerFolderSettingsCommand(frmMain &form);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dlgFolda.h"

#include "measure/ProcessState.h"
#include "platform/SettingsWriteFailure.h"
#include "frmMain.h"
#include "platform/ProfileFile.h"

#include <QStringList>

namespace {

const QString Section = QStringLiteral("フォルダPath");

struct FolderKey
{
    const char *key;
    QString caption;
    QString value;
};

QString unsavedText(const QStringList &folders, const QString &file, const QStringList &reasons)
{
    return QStringLiteral("次のフォルダを設定ファイルに保存できませんでした。\r")
           + folders.join(u'\r') + QStringLiteral("\r\r設定ファイル：") + file
           + QStringLiteral("\r理由：") + reasons.join(u'\r')
           + QStringLiteral("\r\r選んだフォルダはこのプログラムを終了するまで使われますが、"
                            "次の起動には引き継がれません。");
}

} // namespace

dlgFolda::dlgFolda(ProcessState &process, platform::Platform &platform, QObject *parent)
    : QObject(parent), m_process(process), m_platform(platform)
{
}

void dlgFolda::Form_Load()
{
    txtPict = m_process.PictureFolder;
    txtZumen = m_process.RecordBookFolder;
    emit changed();
}

void dlgFolda::cmdSansyou_Click(int index)
{
    const QString prompt = index == 0 ? QStringLiteral("画像ファイル・フォルダを選択してください。")
                                      : QStringLiteral("図面ファイル・フォルダを選択してください。");
    const std::optional<QString> folder = m_platform.chooseFolder(prompt, QString());
    if (!folder)
        return;
    (index == 0 ? txtPict : txtZumen) = *folder;
    emit changed();
}

void dlgFolda::OKButton_Click()
{
    m_process.PictureFolder = txtPict;
    m_process.RecordBookFolder = txtZumen;
    const QString &file = m_process.settingsFile;
    const FolderKey keys[] = {
        {"PRJ_FD", QStringLiteral("記録帳フォルダ"), m_process.RecordBookFolder},
        {"MAP_FD", QStringLiteral("画像ファイル・フォルダ"), m_process.PictureFolder},
    };
    QStringList unsaved;
    QStringList reasons;
    for (const FolderKey &key : keys) {
        // An emptied box is never written: the file keeps the folder it had.
        if (WriteSetting(Section, QLatin1String(key.key), key.value, file) || key.value.isEmpty())
            continue;
        unsaved << key.caption + QStringLiteral("：") + key.value;
        reasons << settingsWriteFailure(file, key.value);
    }
    if (!unsaved.isEmpty()) {
        reasons.removeDuplicates();
        m_platform.showOk(QStringLiteral("フォルダ設定"), unsavedText(unsaved, file, reasons),
                          platform::MessageIcon::Warning);
    }
    emit closeRequested();
}

void dlgFolda::CancelButton_Click()
{
    emit closeRequested();
}

void registerFolderSettingsCommand(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuToolFolda"), [&form] {
        dlgFolda dialog(form.process, form.platform);
        dialog.Form_Load();
        form.platform.showFolderDialog(dialog);
    });
}

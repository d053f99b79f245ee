// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Toolbar.h"

#include "platform/Version.h"
#include "app/frmMain.h"
#include "app/Zoom.h"

namespace {

// Runs a menu item's command when the item is enabled, as the toolbar's file buttons do.
void runIfEnabled(frmMain &form, const QString &item)
{
    if (form.menus[item].enabled)
        form.runCommand(item);
}

void mnuHelpHlp_Click(frmMain &form)
{
    form.platform.showOk(QStringLiteral("ヘルプファイル"), QStringLiteral("Ｆ１キーを押しください。"));
}

void mnuHelpVerInfo_Click(frmMain &form)
{
    const QString text = QString::fromUtf8(Version::FileDescription) + QStringLiteral("\r\n")
                         + QStringLiteral("ProductName  ") + QString::fromUtf8(Version::ProductName)
                         + QStringLiteral(" Ver %1.%2.%3")
                               .arg(Version::Major)
                               .arg(Version::Minor)
                               .arg(Version::Revision)
                         + QStringLiteral("\r\n");
    form.platform.showOk(QStringLiteral("バージョン情報 "), text, platform::MessageIcon::Information);
}

} // namespace

const std::vector<ToolbarButton> &toolbarButtons()
{
    static const std::vector<ToolbarButton> buttons = {
        {QStringLiteral("open"), QStringLiteral("記録帳を開く")},
        {QStringLiteral("save"), QStringLiteral("上書き保存")},
        {QStringLiteral("print"), QStringLiteral("印刷")},
        {QStringLiteral("undo"), QStringLiteral("元に戻す")},
        {QStringLiteral("redo"), QStringLiteral("やり直し")},
        {QStringLiteral("magnify"), QStringLiteral("拡大")},
        {QStringLiteral("modosu"), QStringLiteral("読み込み時に戻す")},
        {QStringLiteral("reduce"), QStringLiteral("縮小")},
        {QStringLiteral("genn"), QStringLiteral("原寸大")},
        {QStringLiteral("fit"), QStringLiteral("画面に合わせる")},
        {QStringLiteral("help"), QStringLiteral("ヘルプ")},
    };
    return buttons;
}

void Toolbar1_ButtonClick(frmMain &form, const QString &key)
{
    ResetViewChecks(form);
    if (key == QLatin1String("open"))
        runIfEnabled(form, QStringLiteral("mnuFileOpenPrj"));
    else if (key == QLatin1String("save"))
        runIfEnabled(form, QStringLiteral("mnuFileSavePrj"));
    else if (key == QLatin1String("print"))
        runIfEnabled(form, QStringLiteral("mnuFilePrint"));
    else if (key == QLatin1String("undo"))
        runIfEnabled(form, QStringLiteral("mnuEditUndo"));
    else if (key == QLatin1String("redo"))
        runIfEnabled(form, QStringLiteral("mnuEditRedo"));
    else if (key == QLatin1String("magnify"))
        zoomIn(form);
    else if (key == QLatin1String("modosu"))
        zoomToLoadedSize(form);
    else if (key == QLatin1String("reduce"))
        zoomOut(form);
    else if (key == QLatin1String("genn"))
        zoomToActualSize(form);
    else if (key == QLatin1String("fit"))
        zoomToFit(form);
    else if (key == QLatin1String("help"))
        mnuHelpHlp_Click(form);
}

void registerHelpCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuHelpHlp"), [&form] { mnuHelpHlp_Click(form); });
    form.setCommand(QStringLiteral("mnuHelpVerInfo"), [&form] { mnuHelpVerInfo_Click(form); });
}

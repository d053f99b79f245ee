// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuTree.h"

#include <QtGlobal>

MenuTree::MenuTree()
{
    build();
}

MenuItem &MenuTree::operator[](const QString &name)
{
    const auto it = m_byName.find(name);
    Q_ASSERT_X(it != m_byName.end(), "MenuTree", qPrintable(name));
    return *it->second;
}

const MenuItem &MenuTree::operator[](const QString &name) const
{
    return const_cast<MenuTree &>(*this)[name];
}

const MenuItem *MenuTree::find(const QString &name) const
{
    const auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second;
}

const std::vector<QString> &MenuTree::zoomGroup()
{
    static const std::vector<QString> names = {
        QStringLiteral("mnuDispEnlarge"), QStringLiteral("mnuOrgEnlarge"),
        QStringLiteral("mnuDispRealOnScreen"),
        QStringLiteral("mnuDisp200"),     QStringLiteral("mnuDisp100"),
        QStringLiteral("mnuDisp80"),      QStringLiteral("mnuDisp50"),
        QStringLiteral("mnuDisp25"),      QStringLiteral("mnuDispFit"),
        QStringLiteral("mnuDispAll"),     QStringLiteral("mnuDispOrg"),
    };
    return names;
}

MenuItem &MenuTree::add(MenuItem *parent, const QString &name, const QString &caption,
                        const QString &shortcut)
{
    MenuItem &item = m_items.emplace_back();
    item.name = name;
    item.caption = caption;
    item.shortcut = shortcut;
    m_byName[name] = &item;
    if (parent)
        parent->children.push_back(&item);
    else
        m_roots.push_back(&item);
    return item;
}

MenuItem &MenuTree::addSeparator(MenuItem *parent)
{
    MenuItem &item = add(parent, QStringLiteral("-%1").arg(m_items.size()), QStringLiteral("-"));
    item.separator = true;
    return item;
}

// The tree as the window shows it. States here are the design states; the start-up sets the rest.
void MenuTree::build()
{
    MenuItem *file = &add(nullptr, "mnuFile", "ﾌｧｲﾙ(&F)");
    add(file, "mnuFileNewPrj", "新しい記録帳の作成(&N)...", "Ctrl+N");
    addSeparator(file);
    add(file, "mnuFileOpenPrj", "記録帳を開く(&O)", "Ctrl+O");
    add(file, "mnuFileSavePrj", "記録帳の上書き保存(&S)", "Ctrl+S");
    add(file, "mnuFileSaveAsPrj", "名前を付けて保存...");
    add(file, "mnuFileSaveAsImg", "ビットマップファイルへ保存");
    add(file, "mnuFileExportImg", "画像へ書き出し（PNG・JPEG）...");
    add(file, "mnuFileExportCsv", "CSV へ書き出し...");
    addSeparator(file).visible = false;
    add(file, "mnuSize", "用紙サイズ....");
    add(file, "mnuFilePrint", "印刷(&P)...", "Ctrl+P");
    add(file, "mnuFilePrintCheck", "印刷の実寸チェック");
    addSeparator(file);
    add(file, "mnuFileEnd", "終了(&X)", "Ctrl+Q");

    MenuItem *history = &add(nullptr, "mnuEdit", "編集(&E)");
    add(history, "mnuEditUndo", "元に戻す", "Ctrl+Z").enabled = false;
    MenuItem &redo = add(history, "mnuEditRedo", "やり直し", "Ctrl+Y");
    redo.alternateShortcut = QStringLiteral("Ctrl+Shift+Z");
    redo.enabled = false;

    MenuItem *disp = &add(nullptr, "mnuDisp", "表示(&V)");
    add(disp, "mnuDispAxis", "座標データ表示");
    add(disp, "mnuDspDefault", "デフォルト").checked = true;
    add(disp, "mnuDispObj", "オブジェクト").visible = false;
    MenuItem *zoom = &add(disp, "mnuDispEandR", "拡大縮小");
    add(zoom, "mnuDispEnlarge", "範囲を指定して拡大");
    add(zoom, "mnuOrgEnlarge", "原寸大へ拡大");
    add(zoom, "mnuDispRealOnScreen", "画面上で実物大");
    add(zoom, "mnuDisp200", "１２５％");
    add(zoom, "mnuDisp100", "１００％");
    add(zoom, "mnuDisp80", "７５％");
    add(zoom, "mnuDisp50", "５０％");
    add(zoom, "mnuDisp25", "２５％");
    add(zoom, "mnuDispFit", "画面に合わせる");
    add(zoom, "mnuDispAll", "選択範囲を画面フィット");
    add(zoom, "mnuDispOrg", "読み込み時に戻す");
    add(disp, "mnuDispScreenCheck", "画面の実寸合わせ");

    MenuItem *prj = &add(nullptr, "mnuPrj", "ﾌﾟﾛｼﾞｪｸﾄ(&P)");
    prj->visible = false;
    add(prj, "mnuPrjMapAdd", "ﾏｯﾌﾟｲﾒｰｼﾞの変更...");

    MenuItem *tools = &add(nullptr, "mnuEditSet", "ﾂｰﾙ(&T)");
    add(tools, "mnuToolMes", "測定ツール").checked = true;
    add(tools, "mnuToolLine", "引き出し線");
    add(tools, "mnuToolCmnt", "文字列");
    addSeparator(tools);
    add(tools, "mnuPrintEria", "画像印刷範囲");
    addSeparator(tools);
    add(tools, "mnuToolFolda", "フォルダ設定");
    add(tools, "mnuToolOpt", "ｵﾌﾟｼｮﾝ(&T)....");
    MenuItem *units = &add(tools, "mnuUnit", "寸法の単位");
    add(units, "mnuUnitCm", "センチメートル (cm)").checked = true;
    add(units, "mnuUnitIn4", "インチ (1/4)");
    add(units, "mnuUnitIn8", "インチ (1/8)");
    add(units, "mnuUnitFtIn", "フィート・インチ (1/4)");
    addSeparator(units);
    add(units, "mnuUnitRoundUp", "切り上げる (0.5 cm・1/4 インチ)");
    add(units, "mnuUnitShowError", "誤差の目安 (±) を付ける");
    MenuItem *weight = &add(tools, "mnuWeight", "重さの推定");
    add(weight, "mnuWeightOnKeep", "寸法を残すとき重さを記入する");
    add(weight, "mnuWeightGirth", "胴回りから重さを推定...");
    addSeparator(weight);
    add(weight, "mnuWeightTable", "重さの換算表を開く...");

    MenuItem *help = &add(nullptr, "mnuHelp", "ヘルプ(&H)");
    add(help, "mnuHelpVerInfo", "バージョン情報");
    add(help, "mnuHelpHlp", "ヘルプ");

    MenuItem *mes = &add(nullptr, "popMes", "p測定");
    add(mes, "popMesCancel", "選択モード");
    add(mes, "popMesLine", "直線寸法");
    add(mes, "popMesPutSen", "寸法情報を残す");
    MenuItem *hjLen = &add(mes, "popMesHjLen", "寸法引き出し線の長さ");
    add(hjLen, "popMesHj05", "　5mm");
    add(hjLen, "popMesHj10", "10mm");
    add(hjLen, "popMesHj15", "15mm");
    add(hjLen, "popMesHj20", "20mm");
    add(hjLen, "popMesHj25", "25mm");
    add(hjLen, "popMesHj30", "30mm");
    add(mes, "popMesObjDel", "測定データ全消去");

    MenuItem *edit = &add(nullptr, "popEdit", "p編集");
    add(edit, "popEditRev", "測定線の反対側へ移動");
    MenuItem *colour = &add(edit, "popEditColor", "文字");
    add(colour, "popEditForColor", "前景色....");
    add(colour, "popEditBackColor", "背景色....");
    MenuItem *backStyle = &add(colour, "popBackStyle", "背景スタイル");
    add(backStyle, "popBackStyle0", "透明");
    add(backStyle, "popBackStyle1", "不透明");
    MenuItem *border = &add(colour, "popBorderStyle", "境界");
    add(border, "popBorderStyle0", "無し");
    add(border, "popBorderStyle1", "実線");
    add(colour, "popEditFont", "フォント....");
    MenuItem *width = &add(edit, "popEditWidthP", "線の幅");
    for (int w : {1, 2, 3, 4, 5, 7, 9})
        add(width, QStringLiteral("popEditWidth(%1)").arg(w), QStringLiteral("%1P").arg(w));
    MenuItem *style = &add(edit, "popEditStyle", "線の種類");
    add(style, "popEditStyle1", "実践");
    add(style, "popEditStyle2", "破線");
    add(style, "popEditStyle3", "点線");
    add(style, "popEditStyle4", "一点鎖線");
    add(style, "popEditStyle5", "二点鎖線");
    add(edit, "popEditBorderColor", "線の色....");
    add(edit, "popEditDpp", "複製");
    add(edit, "popEditDel", "消去");

    MenuItem *leader = &add(nullptr, "popHikidashi", "p引き出し線");
    add(leader, "popHkdSenNew", "新規作成");
    add(leader, "popHkdSenSelect", "選択モード");
    add(leader, "popHkdSenAllClr", "引き出し線の全消去");

    MenuItem *text = &add(nullptr, "popMoji", "p文字列");
    add(text, "popMojiNew", "新規作成");
    add(text, "popMojiSelect", "選択モード");
    add(text, "popMojiAllClr", "文字列の全消去");
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Cp932.h"
#include "StartedForm.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(FormLoad, ReadsBothFoldersFromTheSettingsFileInCp932)
{
    const QByteArray bytes = cp932::encode(QStringLiteral(
                                             "[フォルダPath]\r\nPRJ_FD=/home/釣り/記録\r\n"
                                             "MAP_FD=/home/釣り/写真\r\n"))
                                 .bytes;
    StartedForm started(bytes);
    EXPECT_EQ(started.process.RecordBookFolder, QStringLiteral("/home/釣り/記録"));
    EXPECT_EQ(started.process.PictureFolder, QStringLiteral("/home/釣り/写真"));
    EXPECT_EQ(started.process.settingsFile, started.folder.filePath(QStringLiteral("Init.ini")));
    EXPECT_TRUE(started.platform.messages.empty()) << "start-up never asks or tells anything";
}

TEST(FormLoad, MissingSettingsLeaveEmptyFoldersSilently)
{
    StartedForm started;
    EXPECT_TRUE(started.process.RecordBookFolder.isEmpty());
    EXPECT_TRUE(started.process.PictureFolder.isEmpty());
    EXPECT_TRUE(started.platform.messages.empty());
    EXPECT_FALSE(QFile::exists(started.process.settingsFile)) << "start-up writes no settings";
}

TEST(FormLoad, WindowTitleGeometryAndDefaultSample)
{
    StartedForm started;
    const frmMain &form = started.form;
    EXPECT_EQ(form.windowTitle, QStringLiteral("CatchScale >゜)))彡"));
    // 1080 pixels less 500 twips (33 1/3 pixels)
    EXPECT_EQ(form.windowGeometry, QRect(0, 0, 1920, 1047));
    const AnnotationLabel &sample = form.defaults.lblDefault;
    EXPECT_EQ(sample.Caption, QStringLiteral("デフォルト 　用紙サイズ = A4"));
    EXPECT_FLOAT_EQ(sample.Left, 10.2645f);
    EXPECT_FLOAT_EQ(sample.Top, 10.2645f);
    EXPECT_GT(sample.Width, 0);
    const AnnotationLine &underline = form.defaults.linDefault;
    EXPECT_TRUE(underline.Visible);
    EXPECT_FLOAT_EQ(underline.Y1, sample.Top + 4);
    EXPECT_FLOAT_EQ(underline.X2, sample.Left + sample.Width);
}

TEST(FormLoad, StartsOnAnA4FrameWithDefaultScaleAndNoObjects)
{
    StartedForm started;
    const frmMain &form = started.form;
    EXPECT_EQ(started.form.scale.GE_strPpSize, QStringLiteral("A4"));
    EXPECT_NEAR(form.view.pictMapPx.width(), 297 * 3.7824765920506, 1e-9);
    EXPECT_NEAR(form.view.pictMapPx.height(), 210 * 3.7824765920506, 1e-9);
    for (const MarkerShape &frame : form.live.shpPrintWaku) {
        EXPECT_EQ(QRectF(frame.Left, frame.Top, frame.Width, frame.Height),
                  QRectF(0, 0, 297, 210));
    }
    EXPECT_EQ(form.view.ZoomFactor, 1.0f);
    EXPECT_EQ(form.view.LayoutZoom, 1.0f);
    EXPECT_FLOAT_EQ(started.form.scale.GE_sngHojoLen, 15.0f);
    EXPECT_EQ(form.annotations.lblKyori.UBound(), 0);
    EXPECT_EQ(form.annotations.lblMoji.UBound(), 0);
    EXPECT_FALSE(form.annotations.lblMoji[0].Visible);
    EXPECT_EQ(form.annotations.lblMoji[0].Caption, QStringLiteral("文字列"));
    // The tilt check display sits on the default tilt line but stays hidden.
    EXPECT_FALSE(form.live.lineCheck.Visible);
    EXPECT_FLOAT_EQ(form.live.lineCheck.X2, 100.0f);
    for (const TextBox &box : form.txtPict)
        EXPECT_FALSE(box.Visible);
}

TEST(FormLoad, MenuStartStates)
{
    StartedForm started;
    const MenuTree &menus = started.form.menus;
    for (const char *name : {"mnuFileSavePrj", "mnuFileSaveAsPrj", "mnuFileSaveAsImg",
                             "popEditDpp"})
        EXPECT_FALSE(menus[QLatin1String(name)].enabled) << name;
    for (const char *name : {"popEdit", "popMes", "popHikidashi", "popMoji", "mnuDispEnlarge",
                             "mnuDispAll", "mnuDispOrg", "mnuPrj", "mnuDispObj"})
        EXPECT_FALSE(menus[QLatin1String(name)].visible) << name;
    for (const char *name : {"mnuToolMes", "mnuDspDefault", "popMesLine", "popHkdSenNew",
                             "popMojiNew", "popMesHj15"})
        EXPECT_TRUE(menus[QLatin1String(name)].checked) << name;
    for (const char *name : {"popMesPutSen", "mnuToolLine", "mnuToolCmnt", "mnuPrintEria",
                             "mnuDispAxis"})
        EXPECT_FALSE(menus[QLatin1String(name)].checked) << name;
    EXPECT_TRUE(menus[QStringLiteral("popEditDel")].enabled);
}

TEST(FormLoad, MenuBarCaptionsAndShortcuts)
{
    StartedForm started;
    QStringList bar;
    for (const MenuItem *root : started.form.menus.roots()) {
        if (root->visible)
            bar << root->caption;
    }
    EXPECT_EQ(bar, QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ﾂｰﾙ(&T)", "ヘルプ(&H)"}));
    const MenuTree &menus = started.form.menus;
    EXPECT_EQ(menus[QStringLiteral("mnuFileEnd")].shortcut, QStringLiteral("Ctrl+Q"));
    EXPECT_EQ(menus[QStringLiteral("mnuEditUndo")].shortcut, QStringLiteral("Ctrl+Z"));
    EXPECT_EQ(menus[QStringLiteral("mnuEditRedo")].shortcut, QStringLiteral("Ctrl+Y"));
    EXPECT_EQ(menus[QStringLiteral("mnuEditRedo")].alternateShortcut,
              QStringLiteral("Ctrl+Shift+Z"));
    EXPECT_FALSE(menus[QStringLiteral("mnuEditUndo")].enabled);
    EXPECT_FALSE(menus[QStringLiteral("mnuEditRedo")].enabled);
    EXPECT_EQ(menus[QStringLiteral("mnuFileNewPrj")].caption,
              QStringLiteral("新しい記録帳の作成(&N)..."));
    EXPECT_EQ(menus[QStringLiteral("popMesHj05")].caption, QStringLiteral("　5mm"));
    EXPECT_EQ(menus[QStringLiteral("popEditWidth(9)")].caption, QStringLiteral("9P"));
    EXPECT_EQ(menus[QStringLiteral("mnuPrjMapAdd")].caption, QStringLiteral("ﾏｯﾌﾟｲﾒｰｼﾞの変更..."));
}

TEST(FormLoad, ExitWithoutChangesEndsAtOnceAskingNothing)
{
    StartedForm started;
    int unloads = 0;
    QObject::connect(&started.form, &frmMain::unloadRequested, [&] { ++unloads; });
    EXPECT_TRUE(started.form.runCommand(QStringLiteral("mnuFileEnd")));
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(started.platform.messages.empty());
    EXPECT_FALSE(QFile::exists(started.process.settingsFile));
}

TEST(FormLoad, ScrollingKeepsTheDefaultSampleNearTheVisibleCorner)
{
    StartedForm started;
    started.form.vscY_Change(100);
    started.form.hscX_Change(100);
    const AnnotationLabel &sample = started.form.defaults.lblDefault;
    EXPECT_NEAR(sample.Top, 36.45, 1e-4);
    EXPECT_NEAR(sample.Left, 36.45, 1e-4);
    EXPECT_FLOAT_EQ(started.form.defaults.linDefault.Y1, sample.Top + 4);
    EXPECT_FLOAT_EQ(started.form.defaults.linDefault.X1, sample.Left);
}

TEST(FormLoad, F1OpensTheHelpFileBesideTheProgramOrSaysWhyNot)
{
    StartedForm started;
    EXPECT_EQ(started.process.helpFile, started.folder.filePath(QStringLiteral("help.html")));
    started.form.openHelp();
    ASSERT_EQ(started.platform.messages.size(), 1u) << "no help file there yet";
    EXPECT_TRUE(started.platform.openedFiles.empty());

    QFile help(started.process.helpFile);
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html></html>");
    help.close();
    started.form.openHelp();
    EXPECT_EQ(started.platform.openedFiles, std::vector<QString>{started.process.helpFile});
}

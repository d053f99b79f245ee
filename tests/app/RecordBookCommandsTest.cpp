// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenBooks.h"
#include "StartedForm.h"

#include "measure/PointerEvents.h"
#include "platform/ProfileFile.h"
#include "recordbook/ObjectRecords.h"
#include "app/RecordBookCommands.h"
#include "recordbook/StagedFiles.h"
#include "app/ScaleOptionCommand.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <string>

#include <sys/stat.h>

namespace {

using platform::MessageAnswer;

constexpr int Left = 1;
constexpr int NoButton = 0;

const QString ErrorTitle = QStringLiteral("ｴﾗｰ");

QString failure(const char *handler, int number, const QString &description)
{
    return QLatin1String(handler) + QStringLiteral("():ｴﾗｰ番号 %1 ｴﾗｰが発生しました。\r").arg(number)
           + description;
}

// A started form whose picture and record-book folder settings point at folders of its own, with
// the record book commands in place.
struct Desk : StartedForm
{
    QTemporaryDir pictures;
    QTemporaryDir books;

    Desk()
    {
        process.PictureFolder = pictures.path();
        process.RecordBookFolder = books.path();
        registerRecordBookCommands(form);
        layOutWindow();
    }

    // A 400 x 300 pixel JPEG (105.83 x 79.38 mm at 100 %).
    QString picture(const QString &name, QSize size = {400, 300}) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = QDir(pictures.path()).filePath(name);
        EXPECT_TRUE(image.save(path, "JPEG"));
        return path;
    }
    QString book(const QString &name) const { return QDir(books.path()).filePath(name); }

    // New and Open ask first about unsaved changes: the user lets them go.
    void letChangesGo()
    {
        if (form.document.isModified())
            platform.messageAnswers.push_back(MessageAnswer::Discard);
    }
    void newBook(const QString &picturePath, MessageAnswer templateAnswer)
    {
        letChangesGo();
        platform.fileAnswers.push_back(picturePath);
        platform.messageAnswers.push_back(templateAnswer);
        ASSERT_TRUE(form.runCommand(QStringLiteral("mnuFileNewPrj")));
    }
    void open(const QString &path)
    {
        letChangesGo();
        platform.fileAnswers.push_back(path);
        ASSERT_TRUE(form.runCommand(QStringLiteral("mnuFileOpenPrj")));
    }
    void saveAs(const QString &path)
    {
        platform.fileAnswers.push_back(path);
        ASSERT_TRUE(form.runCommand(QStringLiteral("mnuFileSaveAsPrj")));
    }

    // One kept dimension from (x1, y) to (x2, y) and one leader line, drawn as the user would.
    void drawDimensionAndLeader(float x1, float x2, float y)
    {
        form.runCommand(QStringLiteral("mnuToolMes"));
        form.runCommand(QStringLiteral("popMesPutSen"));
        pictMap_MouseDown(form.measuring, Left, x1, y);
        pictMap_MouseUp(form.measuring, Left, x1, y);
        pictMap_MouseMove(form.measuring, NoButton, x2, y);
        pictMap_MouseUp(form.measuring, Left, x2, y);
        form.runCommand(QStringLiteral("mnuToolLine"));
        pictMap_MouseDown(form.measuring, Left, x1, y + 20);
        pictMap_MouseUp(form.measuring, Left, x2, y + 30);
        form.runCommand(QStringLiteral("mnuToolMes"));
    }

    RecordBookContent content(const QString &product = QStringLiteral("CatchScale")) const
    {
        RecordBookContent book;
        book.pictureFileName = form.recordBook.pictureFileName;
        book.product = product;
        book.scale = form.scale;
        book.annotations = form.annotations;
        return book;
    }

    bool enabled(const char *item) const { return form.menus[QLatin1String(item)].enabled; }
    bool checked(const char *item) const { return form.menus[QLatin1String(item)].checked; }
};

RecordBookContent readBack(const QString &iniPath)
{
    RecordBookContent content;
    EXPECT_FALSE(subLoadRecordBook(iniPath, {}, content).error);
    return content;
}

// The same JPEG with an Exif orientation tag of 6 (turn a quarter clockwise to show it upright).
QByteArray withOrientationTag(const QByteArray &jpeg)
{
    const QByteArray tiff("MM\x00\x2A\x00\x00\x00\x08" // big-endian, first IFD at 8
                          "\x00\x01"                      // one entry:
                          "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00" // orientation 6
                          "\x00\x00\x00\x00",           // no next IFD
                          26);
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(exif.size()) + 2;
    return jpeg.left(2) + "\xFF\xE1" + char(length >> 8) + char(length & 0xFF) + exif
           + jpeg.mid(2);
}

QRectF box(const MarkerShape &shape)
{
    return QRectF(shape.Left, shape.Top, shape.Width, shape.Height);
}

} // namespace

TEST(RecordBookCommands, NewAsksForAPictureAndOffersTheTemplate)
{
    Desk desk;
    desk.drawDimensionAndLeader(10, 60, 20);
    desk.form.annotations.CreateTextLabel();
    const QString path = desk.picture(QStringLiteral("catch.jpg"));
    desk.newBook(path, MessageAnswer::Yes);

    ASSERT_EQ(desk.platform.fileDialogs.size(), 1u);
    const auto &dialog = desk.platform.fileDialogs[0];
    EXPECT_FALSE(dialog.save);
    EXPECT_EQ(dialog.request.title, QStringLiteral("イメージデータを開きます"));
    EXPECT_EQ(dialog.request.startFolder, desk.pictures.path());
    EXPECT_EQ(dialog.request.presetName, desk.pictures.path() + QStringLiteral("/*.bmp"));
    EXPECT_EQ(dialog.request.defaultExtension, QStringLiteral("jpg"));
    EXPECT_EQ(dialog.request.filter,
              QStringLiteral("BMP(*.bmp)|*.bmp|JPEG(*.jpg)|*.jpg|GIF(*.gif)|*.gif"));

    ASSERT_EQ(desk.platform.messages.size(), 2u);
    EXPECT_EQ(desk.platform.messages[0].text, QStringLiteral("変更を保存しますか?"));
    const platform::MessageRequest &question = desk.platform.messages[1];
    EXPECT_EQ(question.title, QStringLiteral("文字列テンプレート"));
    EXPECT_EQ(question.text, QStringLiteral("文字列テンプレートを作成しますか？"));
    EXPECT_EQ(question.icon, platform::MessageIcon::Question);
    EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);

    const AnnotationStore &objects = desk.form.annotations;
    EXPECT_EQ(objects.dimensionCount(), 0);
    EXPECT_EQ(objects.lineHikidashi.UBound(), 0);
    EXPECT_TRUE(objects.invariantsHold());
    EXPECT_EQ(desk.form.pictOrg.size(), QSize(400, 300));
    EXPECT_EQ(desk.form.recordBook.pictureFileName, QStringLiteral("catch.jpg"));
    EXPECT_EQ(desk.form.scale.GE_strPpSize, QStringLiteral("00"));
    EXPECT_EQ(desk.form.view.ZoomFactor, 1.0f);
    EXPECT_EQ(desk.form.view.LayoutZoom, 1.0f);
    EXPECT_TRUE(desk.checked("mnuToolMes"));
    // The paper is the picture: 400 x 300 pixels are 106 x 79 mm, the print area 5 mm inside.
    EXPECT_EQ(box(desk.form.live.shpPrintWaku[0]), QRectF(0, 0, 106, 79));
    EXPECT_EQ(box(desk.form.live.shpPrint), QRectF(5, 5, 96, 69));
    EXPECT_TRUE(desk.enabled("mnuFileSavePrj")) << "it asks for a name";
    EXPECT_TRUE(desk.enabled("mnuFileSaveAsPrj"));
    EXPECT_TRUE(desk.enabled("mnuFileSaveAsImg"));
}

// A new photo larger than the 1280 x 800 window opens whole, its ruler in sight; a smaller one
// at 100 %.
TEST(RecordBookCommands, ANewPhotoLargerThanTheViewOpensWhole)
{
    const struct
    {
        QSize pixels;
        bool fitted;
    } rows[] = {
        {{400, 300}, false}, {{4000, 3000}, true}, {{3000, 400}, true}, {{400, 2000}, true},
    };
    for (const auto &row : rows) {
        Desk desk;
        desk.newBook(desk.picture(QStringLiteral("a.jpg"), row.pixels), MessageAnswer::No);
        const frmMain &form = desk.form;
        SCOPED_TRACE(row.pixels.width());
        EXPECT_EQ(form.view.ZoomFactor < 1.0f, row.fitted);
        EXPECT_EQ(desk.checked("mnuDispFit"), row.fitted);
        EXPECT_FALSE(form.view.hscX.Visible || form.view.vscY.Visible)
            << "the whole photo is in view";
        EXPECT_EQ(form.view.LayoutZoom, form.view.ZoomFactor);
    }
}

TEST(RecordBookCommands, TheTemplateIsTheNineCatchLabels)
{
    struct Expected
    {
        const char16_t *caption;
        float left, top, size;
    };
    const Expected rows[] = {
        {u">゜)))彡", 50, 10, 32}, {u"体長：", 10, 20, 12},   {u"重さ：", 10, 25, 12},
        {u"釣り人：", 10, 30, 12}, {u"釣り場：", 10, 35, 12}, {u"潮：", 10, 40, 12},
        {u"餌：", 10, 45, 12},     {u"仕掛け：", 10, 50, 12}, {u"日時：", 10, 55, 12},
    };
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::Yes);
    const auto &labels = desk.form.annotations.lblMoji;
    ASSERT_EQ(labels.UBound(), 9);
    const AnnotationLabel &pattern = labels[0];
    for (int i = 1; i <= 9; ++i) {
        const Expected &row = rows[i - 1];
        const AnnotationLabel &label = labels[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(label.Caption, QString::fromUtf16(row.caption));
        EXPECT_EQ(label.Left, row.left);
        EXPECT_EQ(label.Top, row.top);
        EXPECT_EQ(label.FontSize, row.size);
        EXPECT_EQ(label.Alignment, AlignLeft);
        EXPECT_TRUE(label.Visible);
        // The rest is the text-label template's.
        EXPECT_EQ(label.FontName, pattern.FontName);
        EXPECT_EQ(label.ForeColor, pattern.ForeColor);
        EXPECT_EQ(label.ToolTipText, pattern.ToolTipText);
        EXPECT_GT(label.Width, 0.0f);
    }
    EXPECT_GT(labels[1].Height, labels[2].Height) << "the title is set in 32 points";

    // Saved, the ten text-label records follow the one dimension-label spare.
    desk.saveAs(desk.book(QStringLiteral("t.ini")));
    EXPECT_EQ(fileBytes(desk.book(QStringLiteral("t_Text.Bin"))).count("\r\n"), 11 * 19);
}

TEST(RecordBookCommands, AnsweringNoLeavesNoTextLabel)
{
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::Yes);
    desk.newBook(desk.picture(QStringLiteral("b.jpg")), MessageAnswer::No);
    EXPECT_EQ(desk.form.annotations.lblMoji.UBound(), 0);
    EXPECT_EQ(desk.form.recordBook.pictureFileName, QStringLiteral("b.jpg"));
}

TEST(RecordBookCommands, CancellingAnyDialogChangesNothing)
{
    for (const char *command : {"mnuFileNewPrj", "mnuFileOpenPrj", "mnuFileSaveAsPrj"}) {
        SCOPED_TRACE(command);
        Desk desk;
        desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::Yes);
        desk.drawDimensionAndLeader(10, 60, 20);
        desk.form.runCommand(QStringLiteral("mnuDisp200"));
        const RecordBookContent before = desk.content();
        const std::size_t messages = desk.platform.messages.size();

        // New and Open first ask about the unsaved drawing: the user lets it go, then cancels.
        const bool asks = QLatin1String(command) != QLatin1String("mnuFileSaveAsPrj");
        if (asks)
            desk.platform.messageAnswers.push_back(MessageAnswer::Discard);
        desk.platform.fileAnswers.push_back(std::nullopt);
        desk.form.runCommand(QLatin1String(command));
        expectSameContent(desk.content(), before);
        EXPECT_EQ(desk.platform.messages.size(), messages + (asks ? 1 : 0));
        EXPECT_EQ(desk.form.view.ZoomFactor, 1.25f);
        EXPECT_TRUE(desk.enabled("mnuFileSaveAsPrj"));
        EXPECT_TRUE(QDir(desk.books.path()).isEmpty());
    }
}

TEST(RecordBookCommands, SaveAsWritesAt100PercentAndReturnsToTheZoom)
{
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::Yes);
    desk.drawDimensionAndLeader(10, 60, 40); // on the 106 x 79 mm picture
    desk.saveAs(desk.book(QStringLiteral("plain.ini")));
    desk.form.runCommand(QStringLiteral("mnuDisp200"));
    ASSERT_FLOAT_EQ(desk.form.annotations.lblMoji[2].Left, 12.5f);

    desk.saveAs(desk.book(QStringLiteral("zoomed.ini")));
    // The same record book as saved at 100 % (labels are sized on reading, whatever is stored).
    expectSameContent(readBack(desk.book(QStringLiteral("zoomed.ini"))),
                      readBack(desk.book(QStringLiteral("plain.ini"))));
    EXPECT_EQ(desk.form.view.ZoomFactor, 1.25f);
    EXPECT_FLOAT_EQ(desk.form.annotations.lblMoji[2].Left, 12.5f);
    EXPECT_FLOAT_EQ(desk.form.annotations.lineDsSave[0].X2, 75.0f);
    EXPECT_TRUE(desk.checked("mnuDisp200")) << "the view is left as it was";

    const auto &dialog = desk.platform.fileDialogs.back();
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.request.title, QStringLiteral("名前を付けて保存"));
    EXPECT_EQ(dialog.request.startFolder, desk.books.path());
    EXPECT_EQ(dialog.request.presetName, desk.books.path() + QStringLiteral("/*.ini"));
    EXPECT_EQ(dialog.request.defaultExtension, QStringLiteral("ini"));
    EXPECT_EQ(dialog.request.filter, QStringLiteral("(*.ini)|*.ini"));
    EXPECT_TRUE(desk.enabled("mnuFileSavePrj"));
    EXPECT_EQ(desk.form.recordBook.folder, desk.books.path() + u'/');
    EXPECT_EQ(desk.form.recordBook.fileName, QStringLiteral("zoomed.ini"));
    EXPECT_EQ(desk.platform.busyDepth, 0);
    EXPECT_EQ(desk.platform.messages.size(), 1u) << "only the template question";

    // Save writes to the same name, again at 100 %.
    desk.form.annotations.lblMoji[2].Left = 25; // 20 mm at 100 %
    ASSERT_TRUE(desk.form.runCommand(QStringLiteral("mnuFileSavePrj")));
    const RecordBookContent saved = readBack(desk.book(QStringLiteral("zoomed.ini")));
    EXPECT_EQ(saved.annotations.lblMoji[2].Left, 20.0f);
    EXPECT_EQ(desk.form.view.ZoomFactor, 1.25f);
}

// The slip: a save that zooms the window to 100 % and back, moving the view and taking the zoom's
// check mark off.
TEST(RecordBookCommands, SavingAtAnyZoomWritesAt100PercentAndLeavesTheView)
{
    for (const char *zoom : {"mnuDisp200", "mnuDisp80", "mnuDisp50"}) {
        SCOPED_TRACE(zoom);
        Desk desk;
        desk.newBook(desk.picture(QStringLiteral("a.jpg"), {3200, 2400}), MessageAnswer::Yes);
        desk.form.runCommand(QStringLiteral("mnuDisp100")); // a new photo this large opens fitted
        desk.drawDimensionAndLeader(10, 60, 40);
        desk.saveAs(desk.book(QStringLiteral("plain.ini")));
        desk.form.runCommand(QLatin1String(zoom));
        desk.form.hscX_Change(desk.form.view.hscX.Max / 2);
        desk.form.vscY_Change(desk.form.view.vscY.Max / 2);
        const QPoint scroll(desk.form.view.hscX.Value, desk.form.view.vscY.Value);
        ASSERT_GT(scroll.x() * scroll.y(), 0) << "the view must be scrolled to show it stays";

        desk.saveAs(desk.book(QStringLiteral("zoomed.ini")));
        ASSERT_TRUE(desk.form.runCommand(QStringLiteral("mnuFileSavePrj")));
        expectSameContent(readBack(desk.book(QStringLiteral("zoomed.ini"))),
                          readBack(desk.book(QStringLiteral("plain.ini"))));
        EXPECT_TRUE(desk.checked(zoom));
        EXPECT_EQ(QPoint(desk.form.view.hscX.Value, desk.form.view.vscY.Value), scroll);
    }
}

TEST(RecordBookCommands, SavingAt100PercentZoomsNothing)
{
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::No);
    desk.form.runCommand(QStringLiteral("mnuDisp100"));
    desk.saveAs(desk.book(QStringLiteral("b.ini")));
    EXPECT_TRUE(desk.checked("mnuDisp100")) << "no zoom round trip reset the check mark";
}

TEST(RecordBookCommands, OpenRestoresTheBookAtActualSize)
{
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::Yes);
    desk.drawDimensionAndLeader(10, 60, 40); // on the 106 x 79 mm picture
    desk.form.scale.GE_tpPtoD_r_X = 0.5; // one base millimetre is half a real one
    desk.form.scale.GE_tpPtoD_r_Y = 0.5;
    desk.form.scale.GE_sngHojoLen = 20;
    desk.form.scale.GE_strPpSize = QStringLiteral("B5");
    // Saved outside the record-book folder setting: the object files come from beside the .ini.
    QTemporaryDir elsewhere;
    desk.saveAs(elsewhere.filePath(QStringLiteral("trip.ini")));
    const RecordBookContent saved = readBack(elsewhere.filePath(QStringLiteral("trip.ini")));
    ASSERT_EQ(saved.annotations.dimensionCount(), 1);

    desk.newBook(desk.picture(QStringLiteral("b.jpg"), {200, 100}), MessageAnswer::No);
    desk.form.runCommand(QStringLiteral("mnuDispAxis"));
    mnuToolOpt_Click(desk.form);
    desk.form.runCommand(QStringLiteral("mnuDisp50"));
    desk.open(elsewhere.filePath(QStringLiteral("trip.ini")));

    const auto &dialog = desk.platform.fileDialogs.back();
    EXPECT_FALSE(dialog.save);
    EXPECT_EQ(dialog.request.title, QStringLiteral("記録帳を開きます"));
    EXPECT_EQ(dialog.request.startFolder, desk.books.path());
    EXPECT_EQ(dialog.request.presetName, desk.books.path() + QStringLiteral("/*.ini"));
    EXPECT_EQ(dialog.request.defaultExtension, QStringLiteral("ini"));
    EXPECT_EQ(dialog.request.filter, QStringLiteral("Init(*.ini)|*.ini"));

    EXPECT_EQ(desk.form.pictOrg.size(), QSize(400, 300));
    EXPECT_EQ(desk.form.view.ZoomFactor, 0.5f);
    EXPECT_EQ(desk.form.view.LayoutZoom, 0.5f);
    EXPECT_FLOAT_EQ(desk.form.annotations.lblMoji[2].Left, 5.0f);
    EXPECT_EQ(box(desk.form.live.shpPrintWaku[0]), QRectF(0, 0, 257, 182));
    EXPECT_EQ(box(desk.form.live.shpPrint), QRectF(5, 5, 247, 172));
    EXPECT_EQ(desk.form.optionDialog, nullptr);
    EXPECT_FALSE(desk.checked("mnuDispAxis"));
    for (const TextBox &panelBox : desk.form.txtPict)
        EXPECT_FALSE(panelBox.Visible);
    EXPECT_TRUE(desk.checked("mnuToolMes"));
    for (const char *item : {"mnuFileSavePrj", "mnuFileSaveAsPrj", "mnuFileSaveAsImg"})
        EXPECT_TRUE(desk.enabled(item)) << item;
    EXPECT_EQ(desk.form.recordBook.folder, elsewhere.path() + u'/');
    EXPECT_EQ(desk.form.recordBook.fileName, QStringLiteral("trip.ini"));

    desk.form.runCommand(QStringLiteral("mnuDisp100"));
    expectSameContent(desk.content(), saved);
    EXPECT_EQ(desk.platform.busyDepth, 0);
}

TEST(RecordBookCommands, ADrawnPrintAreaIsSavedAndComesBackWhereItFits)
{
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::No);
    desk.form.scale.GE_tpPtoD_r_X = 0.5; // reopened at 50 %
    desk.saveAs(desk.book(QStringLiteral("area.ini")));
    EXPECT_FALSE(readBack(desk.book(QStringLiteral("area.ini"))).printAreaMm) << "none drawn";

    desk.form.runCommand(QStringLiteral("mnuPrintEria"));
    pictMap_MouseDown(desk.form.measuring, Left, 20, 15);
    pictMap_MouseMove(desk.form.measuring, Left, 80, 60);
    pictMap_MouseUp(desk.form.measuring, Left, 80, 60);
    ASSERT_TRUE(desk.form.document.isModified());
    desk.form.runCommand(QStringLiteral("mnuFileSavePrj"));
    desk.open(desk.book(QStringLiteral("area.ini")));
    EXPECT_EQ(box(desk.form.live.shpPrint), QRectF(10, 7.5, 30, 22.5));

    // One that no longer starts on the canvas (the 106 x 79 mm picture) is told and not used.
    ASSERT_TRUE(WriteSetting(QStringLiteral("印刷範囲"), QStringLiteral("shpPrint.Left"),
                             QStringLiteral("107"), desk.book(QStringLiteral("area.ini"))));
    desk.open(desk.book(QStringLiteral("area.ini")));
    EXPECT_EQ(box(desk.form.live.shpPrint), QRectF(5, 5, 43, 30));
    EXPECT_EQ(desk.platform.messages.back().text,
              QStringLiteral("記録帳に保存された印刷範囲が正しくないため、用紙の 5 mm 内側を印刷範囲にしました。"));
}

TEST(RecordBookCommands, SaveOfABookWithoutAFileAsksForANameAsTheQuitQuestionDoes)
{
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::No);
    desk.saveAs(desk.book(QStringLiteral("old.ini")));
    desk.newBook(desk.picture(QStringLiteral("b.jpg")), MessageAnswer::No);
    desk.drawDimensionAndLeader(10, 60, 20);
    const QByteArray old = fileBytes(desk.book(QStringLiteral("old.ini")));

    ASSERT_TRUE(desk.enabled("mnuFileSavePrj")) << "Ctrl+S is its shortcut";
    desk.platform.fileAnswers.push_back(desk.book(QStringLiteral("new.ini")));
    desk.form.runCommand(QStringLiteral("mnuFileSavePrj"));
    EXPECT_EQ(desk.platform.fileDialogs.back().request.title, QStringLiteral("名前を付けて保存"));
    EXPECT_FALSE(desk.form.document.isModified());
    EXPECT_EQ(readBack(desk.book(QStringLiteral("new.ini"))).annotations.dimensionCount(), 1);
    EXPECT_EQ(fileBytes(desk.book(QStringLiteral("old.ini"))), old);
}

TEST(RecordBookCommands, OpenTellsOfASaveCutOffAndCompletesItWhenTheUserAgrees)
{
    Desk desk;
    copyGoldenBook("survey", desk.books.path());
    const QString ini = desk.book(QStringLiteral("survey.ini"));
    RecordBookContent changed = surveyBook();
    changed.annotations.lineHikidashi[0].X1 = 99; // in the line file, moved third
    EXPECT_EXIT(
        {
            StagedFiles::setFaultsForTesting({-1, -1, 2}); // killed after two moves
            subSaveRecordBook(desk.books.path(), "survey.ini", changed);
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGKILL), "");
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        desk.platform.messageAnswers.push_back(answer);
        desk.open(ini);
        EXPECT_TRUE(std::any_of(desk.platform.messages.begin(), desk.platform.messages.end(),
                                [](const platform::MessageRequest &m) {
                                    return m.text.contains(QStringLiteral("混ざっています"));
                                }));
        EXPECT_EQ(readBack(ini).annotations.lineHikidashi[0].X1 == 99,
                  answer == MessageAnswer::Yes);
    }
}

// After opening a book that stores a 30 mm extension length, the measure pop-up still checked
// the length chosen before. The length items follow the book; a length none offers checks none.
TEST(RecordBookCommands, OpenChecksTheExtensionLengthTheBookStores)
{
    const struct
    {
        float stored;
        const char *item;
    } rows[] = {{30, "popMesHj30"}, {5, "popMesHj05"}, {12, nullptr}, {15, "popMesHj15"}};
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::No);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.stored);
        desk.form.scale.GE_sngHojoLen = row.stored;
        const QString path = desk.book(QStringLiteral("hojo%1.ini").arg(row.stored));
        desk.saveAs(path);
        desk.form.runCommand(QStringLiteral("popMesHj20")); // the user's choice before opening
        desk.open(path);
        EXPECT_EQ(desk.form.scale.GE_sngHojoLen, row.stored);
        for (const char *item : {"popMesHj05", "popMesHj10", "popMesHj15", "popMesHj20",
                                 "popMesHj25", "popMesHj30"}) {
            EXPECT_EQ(desk.checked(item), row.item && QLatin1String(item) == row.item) << item;
        }
    }
}

TEST(RecordBookCommands, OpenFindsThePictureBesideTheBookWhenThePictureFolderLacksIt)
{
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("fish.jpg")), MessageAnswer::No);
    desk.saveAs(desk.book(QStringLiteral("copy.ini")));
    QFile::rename(QDir(desk.pictures.path()).filePath(QStringLiteral("fish.jpg")),
                  desk.book(QStringLiteral("fish.jpg")));
    desk.form.pictOrg = QImage();

    desk.open(desk.book(QStringLiteral("copy.ini")));
    EXPECT_EQ(desk.form.pictOrg.size(), QSize(400, 300));
    EXPECT_EQ(desk.platform.messages.size(), 1u) << "only the template question";
}

TEST(RecordBookCommands, OpenWithoutItsPictureKeepsWhatWasReadAndReports)
{
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("gone.jpg")), MessageAnswer::Yes);
    desk.drawDimensionAndLeader(10, 60, 40); // on the 106 x 79 mm picture
    desk.saveAs(desk.book(QStringLiteral("lost.ini")));
    const RecordBookContent saved = readBack(desk.book(QStringLiteral("lost.ini")));
    QFile::remove(QDir(desk.pictures.path()).filePath(QStringLiteral("gone.jpg")));

    desk.open(desk.book(QStringLiteral("lost.ini")));
    ASSERT_FALSE(desk.platform.messages.empty());
    const platform::MessageRequest &message = desk.platform.messages.back();
    EXPECT_EQ(message.title, ErrorTitle);
    EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(message.text, failure("mnuFileOpenPrj_Click", 53,
                                    QStringLiteral("ファイルが見つかりません。\rgone.jpg")));
    expectSameContent(desk.content(), saved);
    EXPECT_FALSE(desk.enabled("mnuFileSavePrj"))
        << "what is shown is not the record book: Save must not write over it";
}

TEST(RecordBookCommands, UnreadableBooksAreReportedAndDisableSave)
{
    struct Case
    {
        const char *name;
        int number;
        const char16_t *description;
    };
    const Case cases[] = {
        {"missing.ini", 53, u"ファイルが見つかりません。"},
        {"folder.ini", 75, u"パス名が無効です。"}, // a folder where the .ini should be
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Desk desk;
        desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::No);
        desk.saveAs(desk.book(QStringLiteral("good.ini")));
        ASSERT_TRUE(desk.enabled("mnuFileSavePrj"));
        QDir(desk.books.path()).mkdir(QStringLiteral("folder.ini"));

        desk.open(desk.book(QLatin1String(c.name)));
        EXPECT_EQ(desk.platform.messages.back().text,
                  failure("mnuFileOpenPrj_Click", c.number, QString::fromUtf16(c.description)));
        EXPECT_EQ(desk.platform.messages.back().title, ErrorTitle);
        EXPECT_FALSE(desk.enabled("mnuFileSavePrj"));
        EXPECT_EQ(desk.platform.busyDepth, 0);
    }
}

TEST(RecordBookCommands, NewWithAMissingPictureReports)
{
    Desk desk;
    const QString path = QDir(desk.pictures.path()).filePath(QStringLiteral("none.jpg"));
    desk.platform.fileAnswers.push_back(path);
    desk.form.runCommand(QStringLiteral("mnuFileNewPrj"));
    ASSERT_EQ(desk.platform.messages.size(), 1u) << "no template question";
    EXPECT_EQ(desk.platform.messages[0].title, ErrorTitle);
    EXPECT_EQ(desk.platform.messages[0].text,
              failure("mnuFileOpenMap_Click", 53,
                      QStringLiteral("ファイルが見つかりません。\r") + path));
    EXPECT_FALSE(desk.enabled("mnuFileSaveAsPrj"));
}

TEST(RecordBookCommands, FailedSaveAsKeepsTheFormerNameAndTellsWhy)
{
    Desk desk;
    desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::Yes);
    desk.saveAs(desk.book(QStringLiteral("first.ini")));
    const QByteArray firstText = fileBytes(desk.book(QStringLiteral("first_Text.Bin")));
    desk.form.runCommand(QStringLiteral("mnuDisp200"));

    // A folder that does not exist.
    desk.saveAs(desk.book(QStringLiteral("nowhere/second.ini")));
    EXPECT_EQ(desk.platform.messages.back().title, ErrorTitle);
    EXPECT_EQ(desk.platform.messages.back().text,
              failure("mnuFileSaveAsPrj_Click", 76, QStringLiteral("パスが見つかりません。")));
    EXPECT_EQ(desk.form.recordBook.fileName, QStringLiteral("first.ini"));
    EXPECT_EQ(desk.form.view.ZoomFactor, 1.25f);
    EXPECT_EQ(desk.platform.busyDepth, 0);

    // A caption code page 932 cannot carry: refused, nothing written, the object named.
    desk.form.annotations.lblMoji[3].Caption = QStringLiteral("🐟");
    desk.saveAs(desk.book(QStringLiteral("second.ini")));
    EXPECT_TRUE(desk.platform.messages.back().text.startsWith(failure(
        "mnuFileSaveAsPrj_Click", 5, QStringLiteral("文字列 3 のキャプションに記録帳に保存できない文字「🐟」"))))
        << desk.platform.messages.back().text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(desk.book(QStringLiteral("second.ini"))));

    // Save refuses the same way and leaves the record book on disk whole.
    ASSERT_TRUE(desk.form.runCommand(QStringLiteral("mnuFileSavePrj")));
    EXPECT_TRUE(desk.platform.messages.back().text.startsWith(
        QStringLiteral("mnuFileSavePrj_Click():ｴﾗｰ番号 5 ｴﾗｰが発生しました。\r")));
    EXPECT_EQ(fileBytes(desk.book(QStringLiteral("first_Text.Bin"))), firstText);
    EXPECT_EQ(desk.form.view.ZoomFactor, 1.25f);
}

TEST(RecordBookCommands, OrientationTagIsAppliedOnlyToOurOwnBooks)
{
    Desk desk;
    const QString path = desk.picture(QStringLiteral("phone.jpg"), {40, 20});
    writeBytes(path, withOrientationTag(fileBytes(path)));

    desk.newBook(path, MessageAnswer::No);
    EXPECT_EQ(desk.form.pictOrg.size(), QSize(20, 40)) << "New shows the photo upright";
    desk.saveAs(desk.book(QStringLiteral("ours.ini")));
    desk.open(desk.book(QStringLiteral("ours.ini")));
    EXPECT_EQ(desk.form.pictOrg.size(), QSize(20, 40));

    // The same book as another program wrote it: its annotations sit on the unturned picture.
    QByteArray ini = fileBytes(desk.book(QStringLiteral("ours.ini")));
    ini.replace("Prj=CatchScale", "Prj=Other");
    writeBytes(desk.book(QStringLiteral("ours.ini")), ini);
    desk.open(desk.book(QStringLiteral("ours.ini")));
    EXPECT_EQ(desk.form.pictOrg.size(), QSize(40, 20));
}

TEST(RecordBookCommands, AnUnusableRatioOpensAt100PercentWithTheGeometryIntact)
{
    for (const char *ratio : {"0", "-2", "1E+30", "nan"}) {
        SCOPED_TRACE(ratio);
        Desk desk;
        desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::Yes);
        desk.saveAs(desk.book(QStringLiteral("odd.ini")));
        QByteArray ini = fileBytes(desk.book(QStringLiteral("odd.ini")));
        ini.replace("GE_tpPtoD_r_X=1", "GE_tpPtoD_r_X=" + QByteArray(ratio));
        writeBytes(desk.book(QStringLiteral("odd.ini")), ini);

        desk.open(desk.book(QStringLiteral("odd.ini")));
        EXPECT_EQ(desk.form.view.ZoomFactor, 1.0f);
        EXPECT_EQ(desk.form.annotations.lblMoji[2].Left, 10.0f);
        EXPECT_TRUE(desk.enabled("mnuFileSavePrj"));
    }
}

namespace {

std::string octal(mode_t mode)
{
    return QByteArray::number(mode, 8).toStdString();
}

} // namespace

// Saving over a record book writes each file anew beside the old one and puts it in its place.
// A new file would take the process's default bits (0644 under the usual umask of 022), so the
// umask is set here to make a lost 0640 show whatever the environment's is.
TEST(RecordBookCommands, SaveKeepsThePermissionBitsOfEachOfTheFourFiles)
{
    const struct
    {
        const char *name;
        mode_t modes[4]; // the .ini, then the text, line and shape files
    } cases[] = {
        {"all 0640", {0640, 0640, 0640, 0640}},
        {"each its own", {0600, 0604, 0660, 0640}},
    };
    const QString files[] = {QStringLiteral("kept.ini"), QStringLiteral("kept_Text.Bin"),
                             QStringLiteral("kept_Line.Bin"), QStringLiteral("kept_Shape.Bin")};
    struct Umask
    {
        const mode_t former = ::umask(022);
        ~Umask() { ::umask(former); }
    } umask022;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Desk desk;
        desk.newBook(desk.picture(QStringLiteral("a.jpg")), MessageAnswer::Yes);
        desk.drawDimensionAndLeader(10, 60, 40);
        desk.saveAs(desk.book(files[0]));
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(::chmod(QFile::encodeName(desk.book(files[i])).constData(), c.modes[i]), 0);
        const QByteArray formerLines = fileBytes(desk.book(files[2]));
        const std::size_t messages = desk.platform.messages.size();

        desk.form.annotations.lineHikidashi[0].X1 += 7; // something new to save
        ASSERT_TRUE(desk.form.runCommand(QStringLiteral("mnuFileSavePrj")));

        ASSERT_EQ(desk.platform.messages.size(), messages) << "the save succeeded";
        EXPECT_NE(fileBytes(desk.book(files[2])), formerLines) << "and wrote the new line";
        for (int i = 0; i < 4; ++i) {
            struct stat info{};
            ASSERT_EQ(::stat(QFile::encodeName(desk.book(files[i])).constData(), &info), 0);
            EXPECT_EQ(octal(info.st_mode & 07777), octal(c.modes[i])) << files[i].toStdString();
        }
    }
}

// A book whose second dimension label has a mistyped flag: what follows it (the label's
// comments, the catch record's text labels) cannot be read, yet is still on disk.
struct DamagedDesk : Desk
{
    const QString ini = book(QStringLiteral("catch.ini"));
    const QString textFile = book(QStringLiteral("catch_Text.Bin"));
    QByteArray damaged;

    DamagedDesk()
    {
        newBook(picture(QStringLiteral("a.jpg")), MessageAnswer::Yes);
        drawDimensionAndLeader(10, 60, 40);
        drawDimensionAndLeader(20, 80, 60);
        saveAs(ini);
        QList<QByteArray> lines = fileBytes(textFile).split('\n');
        lines[ObjectRecord<AnnotationLabel>::LineCount] = "Ture\r";
        damaged = lines.join('\n');
        QFile file(textFile);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
    }
    void save() { ASSERT_TRUE(form.runCommand(QStringLiteral("mnuFileSavePrj"))); }
};

TEST(RecordBookCommands, ADamagedObjectFileIsToldAtOpenAndKeptAsideByTheFirstSave)
{
    DamagedDesk desk;
    const QString bak = desk.textFile + QStringLiteral(".bak");
    QFile older(bak); // a copy the user already had is never written over
    ASSERT_TRUE(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
    older.close();

    desk.open(desk.ini);
    const platform::MessageRequest &told = desk.platform.messages.back();
    EXPECT_EQ(told.icon, platform::MessageIcon::Warning);
    EXPECT_TRUE(told.text.contains(desk.textFile + QStringLiteral("\r　寸法ラベル 1（20 行目）から先")))
        << told.text.toStdString();
    EXPECT_EQ(desk.form.annotations.lblKyori.UBound(), 1) << "the first label was read";

    desk.save();
    EXPECT_EQ(fileBytes(bak + u'2'), desk.damaged);
    EXPECT_EQ(fileBytes(bak), "older");
    EXPECT_EQ(desk.platform.messages.back().text,
              QStringLiteral("読み込めなかった記録を含む元のファイルを、次の名前で残しました。\r")
                  + bak + u'2');
    EXPECT_NE(fileBytes(desk.textFile), desk.damaged) << "the save itself went ahead";

    const std::size_t messages = desk.platform.messages.size();
    desk.save();
    EXPECT_EQ(desk.platform.messages.size(), messages) << "kept once, the book is whole again";
    EXPECT_FALSE(QFile::exists(bak + u'3'));
}

TEST(RecordBookCommands, NoSaveGoesAheadWithoutTheCopyAndSaveAsElsewhereNeedsNone)
{
    DamagedDesk desk;
    desk.open(desk.ini);
    StagedFiles::setFaultsForTesting({0, -1}); // the disk refuses every byte
    desk.save();
    StagedFiles::setFaultsForTesting({});
    EXPECT_EQ(desk.platform.messages.back().title, ErrorTitle);
    EXPECT_EQ(fileBytes(desk.textFile), desk.damaged);
    EXPECT_EQ(QDir(desk.books.path()).entryList({QStringLiteral("*.bak*")}), QStringList());

    QTemporaryDir elsewhere;
    desk.saveAs(QDir(elsewhere.path()).filePath(QStringLiteral("copy.ini")));
    EXPECT_EQ(QDir(desk.books.path()).entryList({QStringLiteral("*.bak*")}), QStringList());
    desk.save(); // the book now lives elsewhere; the damaged file is not its own any more
    EXPECT_EQ(fileBytes(desk.textFile), desk.damaged);
    EXPECT_EQ(QDir(desk.books.path()).entryList({QStringLiteral("*.bak*")}), QStringList());
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenBooks.h"
#include "StartedForm.h"

#include "annotations/LabelEvents.h"
#include "measure/PointerEvents.h"
#include "app/RecordBookCommands.h"
#include "measure/frmOption.h"

#include <QDir>

#include <gtest/gtest.h>

// The sample record book that `make run` opens (data/sample/catch.ini and its three object files)
// is made by the program itself, as a user would make it on data/sample/catch.jpg. This test makes
// it again and checks that the bundled files hold the same book; run with
// CATCHSCALE_WRITE_SAMPLE=1 it writes the files instead.

namespace {

constexpr int Left = 1;
constexpr int NoButton = 0;

const QString SampleFolder = QStringLiteral(RECORDBOOK_TEST_DATA "/../../../data/sample");

// A point of the sample picture, given in its pixels, on the canvas at 100 %.
QPointF at(double x, double y)
{
    return QPointF(x, y) * MmPerScreenPixel;
}

struct SampleMaker : StartedForm
{
    SampleMaker() { registerRecordBookCommands(form); }

    // Press, move and release: a click starts, the pointer moves with no button, a click ends.
    void clickMoveClick(QPointF from, QPointF to)
    {
        pictMap_MouseDown(form.measuring, Left, float(from.x()), float(from.y()));
        pictMap_MouseUp(form.measuring, Left, float(from.x()), float(from.y()));
        pictMap_MouseMove(form.measuring, NoButton, float(to.x()), float(to.y()));
        pictMap_MouseUp(form.measuring, Left, float(to.x()), float(to.y()));
    }
    void fillTextLabel(int index, const QString &caption)
    {
        platform.textAnswers.push_back(caption);
        platform.textAnswers.push_back(std::nullopt); // no comment
        lblMoji_DblClick(form.editing, index);
    }
    // Drags a text label by its corner so that the corner lands on `corner`.
    void dragTextLabel(int index, QPointF corner)
    {
        const AnnotationLabel &label = form.annotations.lblMoji[index];
        const QPointF grab(1, 1);
        labelMouseDown(form.editing, LabelKind::Text, index, Left, label.Left + float(grab.x()),
                       label.Top + float(grab.y()));
        labelMouseMove(form.editing, LabelKind::Text, index, Left, float(corner.x() + grab.x()),
                       float(corner.y() + grab.y()));
    }

    void make(const QString &iniPath)
    {
        // New from the picture, with the template.
        platform.fileAnswers.push_back(QDir(SampleFolder).filePath(QStringLiteral("catch.jpg")));
        platform.messageAnswers.push_back(platform::MessageAnswer::Yes);
        form.runCommand(QStringLiteral("mnuFileNewPrj"));
        form.runCommand(QStringLiteral("mnuDisp100")); // it opened fitted to the window

        // Calibration on the ruler: 6 pixels a millimetre, 0 mm at x = 600, 300 mm at x = 2400.
        form.runCommand(QStringLiteral("mnuToolOpt"));
        clickMoveClick(at(600, 1440), at(2400, 1440));
        form.optionDialog->setBoxText(5, QStringLiteral("300"));
        form.optionDialog->cmdSettei_Click();
        form.optionDialog->cmdOK_Click();

        // The fish from its snout to the tips of its tail, kept as a dimension with a comment.
        form.runCommand(QStringLiteral("mnuToolMes"));
        form.runCommand(QStringLiteral("popMesPutSen"));
        clickMoveClick(at(360, 830), at(2640, 830));
        platform.textAnswers.push_back(QStringLiteral("全長（吻端から尾鰭の先端まで）"));
        lblKyori_DblClick(form.editing, 0);

        form.runCommand(QStringLiteral("mnuToolCmnt"));
        const char16_t *captions[] = {
            u">゜)))彡 マダイ",         u"体長：38.0cm",
            u"重さ：1.2kg",            u"釣り人：山田 太郎",
            u"釣り場：相模湾 城ヶ島沖", u"潮：中潮",
            u"餌：オキアミ",           u"仕掛け：テンビン吹き流し ハリス3号",
            u"日時：2024年5月12日 6:30",
        };
        for (int i = 1; i <= 9; ++i)
            fillTextLabel(i, QString::fromUtf16(captions[i - 1]));
        // The record goes to the board's top-right corner, right of the dorsal fin: the style
        // sample pinned 10 mm from the view's corner never reaches it while the whole width
        // shows, and one row ends above the next begins.
        dragTextLabel(1, {530, 12});
        for (int i = 2; i <= 9; ++i)
            dragTextLabel(i, {530, 27.0 + 6 * (i - 2)});

        // A leader line from the body-length caption down to the fish.
        form.runCommand(QStringLiteral("mnuToolLine"));
        const QPointF from(529, 30);
        const QPointF to = at(1500, 760);
        pictMap_MouseDown(form.measuring, Left, float(from.x()), float(from.y()));
        pictMap_MouseUp(form.measuring, Left, float(to.x()), float(to.y()));
        form.runCommand(QStringLiteral("mnuToolMes"));

        platform.fileAnswers.push_back(iniPath);
        form.runCommand(QStringLiteral("mnuFileSaveAsPrj"));
    }
};

} // namespace

TEST(SampleBook, IsWhatTheProgramMakesOnTheSamplePicture)
{
    SampleMaker maker;
    const bool writeSample = qEnvironmentVariableIsSet("CATCHSCALE_WRITE_SAMPLE");
    QTemporaryDir scratch;
    const QString iniPath = writeSample ? QDir(SampleFolder).filePath(QStringLiteral("catch.ini"))
                                        : scratch.filePath(QStringLiteral("catch.ini"));
    maker.make(iniPath);
    EXPECT_EQ(maker.platform.messageTexts(),
              QStringList{QStringLiteral("文字列テンプレートを作成しますか？")});
    // 1800 pixels of ruler are 300 mm, and the fish measures 380 mm.
    EXPECT_NEAR(maker.form.scale.GE_tpPtoD_r_X, 300.0 / (1800 * MmPerScreenPixel), 1e-9);
    EXPECT_EQ(maker.form.annotations.lblKyori[0].Caption, QStringLiteral("38.0cm "));
    EXPECT_EQ(maker.form.recordBook.pictureFileName, QStringLiteral("catch.jpg"));

    RecordBookContent written;
    RecordBookContent bundled;
    ASSERT_FALSE(subLoadRecordBook(iniPath, {}, written).error);
    const RecordBookLoadResult load =
        subLoadRecordBook(QDir(SampleFolder).filePath(QStringLiteral("catch.ini")), {}, bundled);
    ASSERT_FALSE(load.error) << "the sample record book is missing; make it with "
                                "CATCHSCALE_WRITE_SAMPLE=1";
    ASSERT_EQ(bundled.annotations.lblKyori.UBound(), written.annotations.lblKyori.UBound());
    // A dimension label is centred on its line by its width, which follows the installed fonts.
    for (int i = 0; i <= written.annotations.lblKyori.UBound(); ++i) {
        AnnotationLabel &label = bundled.annotations.lblKyori[i];
        EXPECT_NEAR(label.Left, written.annotations.lblKyori[i].Left, 3.0f);
        label.Left = written.annotations.lblKyori[i].Left;
    }
    expectSameContent(bundled, written);
}

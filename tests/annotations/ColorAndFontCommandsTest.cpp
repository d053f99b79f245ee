// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditFixture.h"

namespace {

const QString ColourFailure = QStringLiteral("popEditColor_Click():ｴﾗｰ番号  %1 ｴﾗｰが発生しました。");
const QString FontFailure = QStringLiteral("popEditFont_Click():ｴﾗｰ番号  %1 ｴﾗｰが発生しました。");

struct Chooser : EditForm
{
    Chooser()
    {
        keepDimension(1);
        keepTextLabel(1);
        keepLeaderLine(1);
    }
};

TEST(ColourAndFont, CancelChangesNothingAndSaysNothing)
{
    Chooser f;
    const EditSnapshot before(f.form);
    f.platform.colorAnswers = {std::nullopt, std::nullopt, std::nullopt};
    f.platform.fontAnswers = {std::nullopt};
    for (const char *item : {"popEditForColor", "popEditBackColor", "popEditBorderColor"})
        f.choose(editkind::Dimension, 0, QLatin1String(item));
    f.choose(editkind::TextLabel, 1, QStringLiteral("popEditFont"));
    expectSameState(before, f.form);
    EXPECT_TRUE(f.platform.messages.empty());
    EXPECT_TRUE(f.platform.colorAnswers.empty() && f.platform.fontAnswers.empty());
}

TEST(ColourAndFont, FontChooserStartsFromTheTargetLabelAndColourChooserFromBlack)
{
    Chooser f;
    AnnotationLabel &label = f.form.annotations.lblKyori[0];
    label.FontName = QStringLiteral("ＭＳ Ｐゴシック");
    label.FontSize = 12.0f;
    label.FontItalic = false;
    label.FontBold = label.FontStrikethru = label.FontUnderline = true;
    f.form.annotations.lblKyori[0].ForeColor = rgb(200, 100, 50);
    f.platform.fontAnswers = {std::nullopt};
    f.platform.colorAnswers = {std::nullopt};

    f.choose(editkind::Dimension, 0, QStringLiteral("popEditFont"));
    f.choose(editkind::Dimension, 0, QStringLiteral("popEditForColor"));

    ASSERT_EQ(f.platform.fontStarts.size(), 1u);
    const platform::FontChoice &start = f.platform.fontStarts[0];
    EXPECT_EQ(start.name, label.FontName);
    EXPECT_FLOAT_EQ(start.size, 12.0f);
    EXPECT_TRUE(start.bold && !start.italic && start.strikethrough && start.underline);
    EXPECT_EQ(f.platform.colourStarts, std::vector<std::uint32_t>{rgb(0, 0, 0)});
}

TEST(ColourAndFont, TargetGoneIsReportedWithoutOpeningTheChooser)
{
    Chooser f;
    const EditSnapshot before(f.form);
    f.choose(editkind::Dimension, 5, QStringLiteral("popEditBackColor"));
    f.choose(editkind::TextLabel, 7, QStringLiteral("popEditFont"));
    f.choose(editkind::LeaderLine, -1, QStringLiteral("popEditBorderColor"));

    expectSameState(before, f.form);
    ASSERT_EQ(f.platform.messages.size(), 3u);
    const QString gone = QStringLiteral("\rインデックスが有効範囲にありません。");
    EXPECT_EQ(f.platform.messages[0].text, ColourFailure.arg(9) + gone);
    EXPECT_EQ(f.platform.messages[1].text, FontFailure.arg(9) + gone);
    EXPECT_EQ(f.platform.messages[2].text, ColourFailure.arg(9) + gone);
    for (const auto &message : f.platform.messages) {
        EXPECT_EQ(message.title, QStringLiteral("ｴﾗｰ"));
        EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
    }
}

TEST(ColourAndFont, AnswerNoLabelCanTakeIsReportedAndChangesNothing)
{
    Chooser f;
    const EditSnapshot before(f.form);
    f.platform.colorAnswers = {0x80000005u};
    f.platform.fontAnswers = {platform::FontChoice{QStringLiteral("ＭＳ ゴシック"), -1.0f},
                              platform::FontChoice{QString(), 12.0f}};
    f.choose(editkind::TextLabel, 1, QStringLiteral("popEditForColor"));
    f.choose(editkind::TextLabel, 1, QStringLiteral("popEditFont"));
    f.choose(editkind::Defaults, 0, QStringLiteral("popEditFont"));

    expectSameState(before, f.form);
    const QString invalid = QStringLiteral("\rプロパティの値が不正です。");
    EXPECT_EQ(f.platform.messageTexts(),
              QStringList({ColourFailure.arg(380) + invalid, FontFailure.arg(380) + invalid,
                           FontFailure.arg(380) + invalid}));
}

} // namespace

// OK on an untouched font dialog stored the installed face it showed ("IPAPGothic") and the whole
// point it rounded 9.75 to, on the label and on the style default. The dialog shows a stored
// name as its installed face and a size in whole points: what comes back as shown is stored as
// it was, what the user changed is stored as chosen.
TEST(ColourAndFont, FontLeftAsTheDialogShowedItIsStoredAsItWas)
{
    const struct
    {
        const char *row;
        const char16_t *answerName;
        float answerSize;
        const char16_t *storedName;
        float storedSize;
    } rows[] = {
        {"OK alone", u"IPAPGothic", 10.0f, u"ＭＳ Ｐゴシック", 9.75f},
        {"as given", u"ＭＳ Ｐゴシック", 9.75f, u"ＭＳ Ｐゴシック", 9.75f},
        {"size changed", u"IPAPGothic", 9.0f, u"ＭＳ Ｐゴシック", 9.0f},
        {"the other gothic", u"IPAGothic", 10.0f, u"IPAGothic", 9.75f},
        // Also a substitute of the stored name, but not the face the dialog showed.
        {"fallback face", u"Noto Sans CJK JP", 10.0f, u"Noto Sans CJK JP", 9.75f},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.row);
        Chooser f;
        AnnotationLabel &label = f.form.annotations.lblMoji[1];
        label.FontName = QStringLiteral("ＭＳ Ｐゴシック");
        label.FontSize = 9.75f;
        f.form.defaults.lblDefault.FontName = QStringLiteral("ＭＳ ゴシック");
        f.form.defaults.lblDefault.FontSize = 12.0f;
        f.platform.fontAnswers = {
            platform::FontChoice{QString::fromUtf16(row.answerName), row.answerSize, true}};

        f.choose(editkind::TextLabel, 1, QStringLiteral("popEditFont"));

        for (const AnnotationLabel *stored : {&label, &f.form.defaults.lblDefault}) {
            EXPECT_EQ(stored->FontName, QString::fromUtf16(row.storedName));
            EXPECT_FLOAT_EQ(stored->FontSize, row.storedSize);
            EXPECT_TRUE(stored->FontBold) << "the rest is the answer's";
        }
    }
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "annotations/LabelEvents.h"
#include "document/LabelMetrics.h"
#include "annotations/TextAndLeaderPopups.h"
#include "app/EditCommands.h"
#include "app/frmMain.h"
#include "measure/PointerEvents.h"
#include "ScriptedPlatform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int Left = 1;
constexpr int Right = 2;
constexpr int NoButton = 0;

const QString TemplateHint = QStringLiteral("「ツール」「文字列」選択後　ダブルクリックで入力");
const QString CaptionPrompt = QStringLiteral("文字列入力|表示文字列を入力してください");
const QString CommentPrompt = QStringLiteral("コメント入力|コメントを入力してください");

// The scripted platform that also notes the start text of every prompt.
struct PromptRecorder : ScriptedPlatform
{
    std::vector<QString> startTexts;

    std::optional<QString> promptText(const QString &title, const QString &prompt,
                                      const QString &initial) override
    {
        startTexts.push_back(initial);
        return ScriptedPlatform::promptText(title, prompt, initial);
    }
};

// A started form with one kept dimension (index 0) and one text label (index 1).
struct Drawing
{
    QTemporaryDir folder;
    PromptRecorder platform;
    ProcessState process;
    frmMain form{process, platform};

    Drawing()
    {
        form.Form_Load({folder.path(), QSize(1920, 1080)});
        platform.choosePopupItem = [this](const QString &item) { form.runCommand(item); };
        registerTextAndLeaderCommands(form);
        keepDimension(10, 20, 110, 20);
        placeTextLabel(40, 60);
        useTool("mnuToolMes");
    }

    void useTool(const char *item) { EXPECT_TRUE(form.runCommand(QLatin1String(item))); }

    void keepDimension(float x1, float y1, float x2, float y2)
    {
        useTool("mnuToolMes");
        form.menus[QStringLiteral("popMesPutSen")].checked = true;
        pictMap_MouseDown(form.measuring, Left, x1, y1);
        pictMap_MouseUp(form.measuring, Left, x1, y1);
        pictMap_MouseMove(form.measuring, NoButton, x2, y2);
        pictMap_MouseUp(form.measuring, Left, x2, y2);
    }

    void placeTextLabel(float x, float y)
    {
        useTool("mnuToolCmnt");
        pictMap_MouseDown(form.measuring, Left, x, y);
        pictMap_MouseUp(form.measuring, Left, x, y);
    }

    AnnotationLabel &dimensionLabel() { return form.annotations.lblKyori[0]; }
    AnnotationLabel &textLabel() { return form.annotations.lblMoji[1]; }
};

} // namespace

TEST(LabelEvents, DoubleClickAsksWhatTheToolAllows)
{
    const struct
    {
        const char *tool;
        bool textLabelAnswers;
    } rows[] = {
        {"mnuToolMes", false},
        {"mnuToolLine", false},
        {"mnuToolCmnt", true},
        {"mnuPrintEria", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.tool);
        Drawing drawing;
        drawing.useTool(row.tool);
        const QString length = drawing.dimensionLabel().Caption;
        ASSERT_EQ(length, QStringLiteral("10.0cm "));

        drawing.platform.textAnswers = {QStringLiteral("尾びれ")};
        lblKyori_DblClick(drawing.form.editing, 0);
        EXPECT_EQ(drawing.platform.prompts,
                  std::vector<QString>{length + QStringLiteral("|コメントを入力してください")})
            << "a dimension's comment prompt is titled with its length text, in every tool";
        EXPECT_EQ(drawing.dimensionLabel().ToolTipText, QStringLiteral("尾びれ"));
        EXPECT_EQ(drawing.dimensionLabel().Caption, length);

        drawing.platform.prompts.clear();
        drawing.platform.textAnswers = {QStringLiteral("真鯛"), QStringLiteral("船長の竿")};
        lblMoji_DblClick(drawing.form.editing, 1);
        if (row.textLabelAnswers) {
            EXPECT_EQ(drawing.platform.prompts,
                      std::vector<QString>({CaptionPrompt, CommentPrompt}));
            EXPECT_EQ(drawing.textLabel().Caption, QStringLiteral("真鯛"));
            EXPECT_EQ(drawing.textLabel().ToolTipText, QStringLiteral("船長の竿"));
        } else {
            EXPECT_TRUE(drawing.platform.prompts.empty());
            EXPECT_EQ(drawing.textLabel().Caption, QStringLiteral("New  1"));
        }
    }
}

TEST(LabelEvents, PromptsStartFromTheCurrentTextsAndCaptionResizesTheLabel)
{
    Drawing drawing;
    drawing.useTool("mnuToolCmnt");
    const float oldWidth = drawing.textLabel().Width;
    drawing.platform.textAnswers = {QStringLiteral("ヒラマサ 8.2kg 玄界灘"), QStringLiteral("朝")};
    lblMoji_DblClick(drawing.form.editing, 1);
    EXPECT_EQ(drawing.platform.startTexts, std::vector<QString>({"New  1", TemplateHint}));
    EXPECT_GT(drawing.textLabel().Width, oldWidth);
    EXPECT_FLOAT_EQ(drawing.textLabel().Left, 40.0f);

    drawing.platform.startTexts.clear();
    drawing.platform.textAnswers = {std::nullopt};
    lblKyori_DblClick(drawing.form.editing, 0);
    EXPECT_EQ(drawing.platform.startTexts.front(), drawing.dimensionLabel().ToolTipText)
        << "the dimension's comment starts as its direction angle";
}

TEST(LabelEvents, CancelOrAnEmptyEntryChangesNothing)
{
    const std::optional<QString> nothing[] = {std::nullopt, QString()};
    for (const std::optional<QString> &answer : nothing) {
        SCOPED_TRACE(answer ? "empty entry" : "cancel");
        Drawing drawing;
        drawing.useTool("mnuToolCmnt");
        const AnnotationLabel before = drawing.textLabel();

        drawing.platform.textAnswers = {answer};
        lblMoji_DblClick(drawing.form.editing, 1);
        EXPECT_EQ(drawing.platform.prompts, std::vector<QString>{CaptionPrompt})
            << "no caption: the comment is not asked for";
        EXPECT_EQ(drawing.textLabel().Caption, before.Caption);
        EXPECT_EQ(drawing.textLabel().ToolTipText, TemplateHint);

        drawing.platform.textAnswers = {QStringLiteral("石鯛"), answer};
        lblMoji_DblClick(drawing.form.editing, 1);
        EXPECT_EQ(drawing.textLabel().Caption, QStringLiteral("石鯛"));
        EXPECT_EQ(drawing.textLabel().ToolTipText, TemplateHint);

        const QString comment = drawing.dimensionLabel().ToolTipText;
        drawing.platform.textAnswers = {answer};
        lblKyori_DblClick(drawing.form.editing, 0);
        EXPECT_EQ(drawing.dimensionLabel().ToolTipText, comment);
        EXPECT_TRUE(drawing.platform.textAnswers.empty());
    }
}

TEST(LabelEvents, DraggingKeepsTheGrabbedSpotUnderThePointer)
{
    Drawing drawing;
    drawing.useTool("mnuToolCmnt");
    AnnotationLabel &label = drawing.textLabel();
    // Grab the label 3.3 mm right of and 1.7 mm below its corner, then drag it about.
    labelMouseDown(drawing.form.editing, LabelKind::Text, 1, Left, 43.3f, 61.7f);
    const QPointF path[] = {{50.1, 70.9}, {50.1, 70.9}, {120.37, 15.2}, {44.4, 99.99}, {0.5, 0.5}};
    for (const QPointF &pointer : path) {
        labelMouseMove(drawing.form.editing, LabelKind::Text, 1, Left, float(pointer.x()),
                       float(pointer.y()));
        EXPECT_NEAR(label.Left, pointer.x() - 3.3, 1e-4);
        EXPECT_NEAR(label.Top, pointer.y() - 1.7, 1e-4);
    }

    // A second drag grabs afresh: no creep from the first.
    labelMouseDown(drawing.form.editing, LabelKind::Text, 1, Left, label.Left + 0.25f,
                   label.Top + 0.5f);
    const float startLeft = label.Left;
    for (int step = 1; step <= 200; ++step) {
        labelMouseMove(drawing.form.editing, LabelKind::Text, 1, Left,
                       startLeft + 0.25f + step * 0.1f, 20.5f);
    }
    EXPECT_NEAR(label.Left, startLeft + 20.0f, 1e-3);
    EXPECT_NEAR(label.Top, 20.0f, 1e-3);

    // Only the left button drags.
    labelMouseMove(drawing.form.editing, LabelKind::Text, 1, Right, 300, 300);
    labelMouseMove(drawing.form.editing, LabelKind::Text, 1, NoButton, 300, 300);
    EXPECT_NEAR(label.Left, startLeft + 20.0f, 1e-3);
}

TEST(LabelEvents, LabelsDragOnlyInTheirOwnTool)
{
    const struct
    {
        const char *tool;
        bool dimensionMoves;
        bool textMoves;
    } rows[] = {
        {"mnuToolMes", true, false},
        {"mnuToolLine", false, false},
        {"mnuToolCmnt", false, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.tool);
        Drawing drawing;
        drawing.useTool(row.tool);
        const AnnotationLine line = drawing.form.annotations.lineDsSave[0];
        const MarkerShape marker = drawing.form.annotations.shpSnpo[0];
        const float dimensionLeft = drawing.dimensionLabel().Left;
        const float textLeft = drawing.textLabel().Left;

        lblKyori_MouseDown(drawing.form.editing, 0, Left, 1, 1);
        lblKyori_MouseMove(drawing.form.editing, 0, Left, 31, 1);
        lblMoji_MouseDown(drawing.form.editing, 1, Left, 1, 1);
        lblMoji_MouseMove(drawing.form.editing, 1, Left, 21, 1);

        EXPECT_FLOAT_EQ(drawing.dimensionLabel().Left,
                        dimensionLeft + (row.dimensionMoves ? 30 : 0));
        EXPECT_FLOAT_EQ(drawing.textLabel().Left, textLeft + (row.textMoves ? 20 : 0));
        // A dimension label moves alone.
        EXPECT_FLOAT_EQ(drawing.form.annotations.lineDsSave[0].X1, line.X1);
        EXPECT_FLOAT_EQ(drawing.form.annotations.shpSnpo[0].Left, marker.Left);
    }
}

TEST(LabelEvents, RightClickNamesTheEditTargetAndOpensTheEditPopup)
{
    const struct
    {
        const char *tool;
        LabelKind kind;
        int index;
        const char *expectedKind; // nullptr: the label does not react
        int expectedIndex;
    } rows[] = {
        {"mnuToolMes", LabelKind::Dimension, 0, "lblkyori", 0},
        {"mnuToolCmnt", LabelKind::Dimension, 0, nullptr, 0},
        {"mnuToolCmnt", LabelKind::Text, 1, "lblMoji", 1},
        {"mnuToolMes", LabelKind::Text, 1, nullptr, 0},
        {"mnuToolLine", LabelKind::Default, 0, "Default", 7},
        {"mnuPrintEria", LabelKind::Default, 0, "Default", 7},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.tool) + " " + std::to_string(int(row.kind)));
        Drawing drawing;
        drawing.useTool(row.tool);
        drawing.form.EditTarget = {QStringLiteral("lineHikidashi"), 7};
        const AnnotationLabel &label =
            row.kind == LabelKind::Default  ? drawing.form.defaults.lblDefault
            : row.kind == LabelKind::Text ? drawing.textLabel()
                                            : drawing.dimensionLabel();
        labelMouseDown(drawing.form.editing, row.kind, row.index, Right, label.Left + 1,
                       label.Top + 1);
        if (!row.expectedKind) {
            EXPECT_TRUE(drawing.platform.popupMenus.empty());
            EXPECT_EQ(drawing.form.EditTarget.kind, QStringLiteral("lineHikidashi"));
            continue;
        }
        EXPECT_EQ(drawing.platform.popupMenus, std::vector<QString>{QStringLiteral("popEdit")});
        EXPECT_EQ(drawing.form.EditTarget.kind, QLatin1String(row.expectedKind));
        EXPECT_EQ(drawing.form.EditTarget.index, row.expectedIndex);
        const bool defaults = row.kind == LabelKind::Default;
        EXPECT_EQ(drawing.form.menus[QStringLiteral("popEditDel")].enabled, !defaults);
    }
}

TEST(LabelEvents, AStoredTextIsRequiredBeforeAnythingChanges)
{
    Drawing drawing;
    drawing.useTool("mnuToolCmnt");
    drawing.platform.textAnswers = {QStringLiteral("真鯛\n72cm"), QStringLiteral("真鯛🐟"),
                                    QStringLiteral("真鯛 72cm"), std::nullopt};
    lblMoji_DblClick(drawing.form.editing, 1);

    EXPECT_EQ(drawing.platform.prompts,
              std::vector<QString>({CaptionPrompt, CaptionPrompt, CaptionPrompt, CommentPrompt}));
    const QStringList messages = drawing.platform.messageTexts();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("改行"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[1].contains(QStringLiteral("「🐟」"))) << messages[1].toStdString();
    EXPECT_EQ(drawing.platform.messages[0].title, QStringLiteral("文字列入力"));
    // Each time the user is asked again, with what was typed, on one line.
    EXPECT_EQ(drawing.platform.startTexts[1], QStringLiteral("真鯛 72cm"));
    EXPECT_EQ(drawing.platform.startTexts[2], QStringLiteral("真鯛🐟"));
    EXPECT_EQ(drawing.textLabel().Caption, QStringLiteral("真鯛 72cm"));
    EXPECT_EQ(drawing.textLabel().ToolTipText, TemplateHint);
}

TEST(LabelEvents, CancellingAfterARefusalChangesNothing)
{
    Drawing drawing;
    const QString comment = drawing.dimensionLabel().ToolTipText;
    drawing.platform.textAnswers = {QStringLiteral("😀"), std::nullopt};
    lblKyori_DblClick(drawing.form.editing, 0);
    EXPECT_EQ(drawing.platform.prompts.size(), 2u);
    EXPECT_EQ(drawing.dimensionLabel().ToolTipText, comment);
}

TEST(TextAndLeaderPopups, SubModePairsExcludeEachOther)
{
    const struct
    {
        const char *item;
        const char *partner;
    } pairs[] = {
        {"popMojiSelect", "popMojiNew"},
        {"popMojiNew", "popMojiSelect"},
        {"popHkdSenSelect", "popHkdSenNew"},
        {"popHkdSenNew", "popHkdSenSelect"},
    };
    Drawing drawing;
    for (const auto &pair : pairs) {
        SCOPED_TRACE(pair.item);
        for (int twice = 0; twice < 2; ++twice) {
            ASSERT_TRUE(drawing.form.runCommand(QLatin1String(pair.item)));
            EXPECT_TRUE(drawing.form.menus[QLatin1String(pair.item)].checked);
            EXPECT_FALSE(drawing.form.menus[QLatin1String(pair.partner)].checked);
        }
    }
}

TEST(TextAndLeaderPopups, ClearAllRemovesEveryObjectOfItsKindAlone)
{
    Drawing drawing;
    drawing.placeTextLabel(80, 80);
    drawing.useTool("mnuToolLine");
    for (float y : {30.0f, 40.0f}) {
        pictMap_MouseDown(drawing.form.measuring, Left, 10, y);
        pictMap_MouseMove(drawing.form.measuring, Left, 50, y);
        pictMap_MouseUp(drawing.form.measuring, Left, 50, y);
    }
    AnnotationStore &objects = drawing.form.annotations;
    ASSERT_EQ(objects.lblMoji.UBound(), 2);
    ASSERT_EQ(objects.lineHikidashi.UBound(), 2);

    ASSERT_TRUE(drawing.form.runCommand(QStringLiteral("popMojiAllClr")));
    EXPECT_EQ(objects.lblMoji.UBound(), 0);
    EXPECT_FALSE(objects.lblMoji[0].Visible);
    EXPECT_EQ(objects.lineHikidashi.UBound(), 2);

    ASSERT_TRUE(drawing.form.runCommand(QStringLiteral("popHkdSenAllClr")));
    EXPECT_EQ(objects.lineHikidashi.UBound(), 0);
    EXPECT_FALSE(objects.lineHikidashi[0].Visible);
    EXPECT_EQ(objects.dimensionCount(), 1) << "dimensions stay";
    QString why;
    EXPECT_TRUE(objects.invariantsHold(&why)) << why.toStdString();

    drawing.placeTextLabel(5, 5);
    EXPECT_EQ(objects.lblMoji[1].Caption, QStringLiteral("New  1"));
}

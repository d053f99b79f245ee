// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Labels on paper at their own point size, when the picture's zoom would print them too small
// to read: where they go, and the size the dialog and the exports announce.
#include "document/LabelMetrics.h"
#include "output/PrintedLabels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The catch record as a new record book lays it out at 100 %, a row filled in wide enough to
// reach under the title, and a lone label far to the right.
struct TemplateRow
{
    const char *caption;
    float left, top, points;
};
const TemplateRow CatchRecord[] = {
    {">゜)))彡 マダイ", 50, 10, 32},    {"体長：52.3cm 尾叉長", 10, 20, 12},
    {"重さ：2.1kg", 10, 25, 12},       {"釣り人：", 10, 30, 12},
    {"釣り場：", 10, 35, 12},          {"潮：", 10, 40, 12},
    {"餌：", 10, 45, 12},              {"仕掛け：", 10, 50, 12},
    {"日時：", 10, 55, 12},            {"No.1", 700, 30, 9.75f},
};

AnnotationLabel labelAt(const QString &caption, float left, float top, float points, float zoom)
{
    AnnotationLabel label;
    label.FontName = QStringLiteral("ＭＳ ゴシック");
    label.FontSize = points * zoom;
    label.Left = left * zoom;
    label.Top = top * zoom;
    label.Visible = true;
    setCaption(label, caption);
    return label;
}

QRectF box(const AnnotationLabel &label)
{
    return {label.Left, label.Top, label.Width, label.Height};
}

struct Page
{
    AnnotationStore store;

    PageScene scene(float zoom, TextSize size, QRectF area = {0, 0, 400, 300}) const
    {
        PageScene scene{store, nullptr, {}, area, {}};
        scene.labelZoom = zoom;
        scene.textSize = size;
        return scene;
    }
};

} // namespace

// Slips caught: labels left at the zoom's size; grown labels left running into the row below;
// rows pushed out of their order, or sideways; a label moved that nothing overlapped.
TEST(PrintedLabels, TextLabelsAtTheirOwnSizeKeepTheirCornerAndStackedRowsStayApartInOrder)
{
    for (const float zoom : {0.3f, 1.0f, 2.5f}) {
        SCOPED_TRACE(zoom);
        Page page;
        for (const TemplateRow &row : CatchRecord) {
            const int n = *page.store.CreateTextLabel();
            page.store.lblMoji[n] =
                labelAt(QString::fromUtf8(row.caption), row.left, row.top, row.points, zoom);
        }
        const std::vector<AnnotationLabel> printed =
            printedTextLabels(page.scene(zoom, TextSize::OwnPoints));
        ASSERT_EQ(printed.size(), std::size(CatchRecord));
        for (std::size_t i = 0; i < printed.size(); ++i) {
            const TemplateRow &row = CatchRecord[i];
            EXPECT_NEAR(printed[i].FontSize, row.points, 0.001) << i;
            EXPECT_FLOAT_EQ(printed[i].Left, row.left * zoom) << i;
            if (zoom >= 1) {
                // Nothing grew, so nothing moves: the rows overlap a little as they are laid out.
                EXPECT_FLOAT_EQ(printed[i].Top, row.top * zoom) << i;
                continue;
            }
            EXPECT_GE(printed[i].Top, row.top * zoom) << i;
            for (std::size_t j = 0; j < i; ++j) {
                const QRectF overlap = box(printed[i]).intersected(box(printed[j]));
                EXPECT_TRUE(overlap.isEmpty()) << i << " runs into " << j;
            }
        }
        for (std::size_t i = 2; i < 9; ++i)
            EXPECT_GT(printed[i].Top, printed[i - 1].Top) << "row " << i << " keeps its place";
        for (const std::size_t alone : {0, 9})
            EXPECT_FLOAT_EQ(printed[alone].Top, CatchRecord[alone].top * zoom) << alone;
    }
}

// Slip caught: a grown dimension label kept at its top-left corner, off its line's middle.
TEST(PrintedLabels, DimensionLabelsAtTheirOwnSizeStayCentredWhereTheyWere)
{
    for (const float zoom : {0.3f, 2.5f}) {
        SCOPED_TRACE(zoom);
        Page page;
        AnnotationLabel caption = labelAt(QStringLiteral("52.3cm"), 120, 80, 9.75f, zoom);
        page.store.AppendDimension(caption, {}, {}, {}, {}, {});
        const std::vector<AnnotationLabel> printed =
            printedDimensionLabels(page.scene(zoom, TextSize::OwnPoints));
        ASSERT_EQ(printed.size(), 1u);
        EXPECT_NEAR(printed[0].FontSize, 9.75, 0.001);
        EXPECT_NEAR(box(printed[0]).center().x(), box(caption).center().x(), 0.01);
        EXPECT_NEAR(box(printed[0]).center().y(), box(caption).center().y(), 0.01);

        // A damaged book's size that would grow past what a label holds stays as laid out.
        page.store.lblKyori[0].FontSize = std::numeric_limits<float>::max();
        EXPECT_TRUE(std::isfinite(
            printedDimensionLabels(page.scene(zoom, TextSize::OwnPoints))[0].FontSize));
        page.store.lblKyori[0] = caption;

        const std::vector<AnnotationLabel> asLaidOut =
            printedDimensionLabels(page.scene(zoom, TextSize::FollowsPicture));
        ASSERT_EQ(asLaidOut.size(), 1u);
        EXPECT_EQ(asLaidOut[0], caption);
    }
}

// Slips caught: text of a kind not chosen counted; a label outside the print area (masked
// white) or one with nothing to print counted; the own size not followed.
TEST(PrintedLabels, TheSmallestTextIsThatOfTheChosenKindsInThePrintArea)
{
    constexpr float Zoom = 0.3f;
    Page page;
    AnnotationLabel caption = labelAt(QStringLiteral("52.3cm"), 100, 100, 9.75f, Zoom);
    caption.ToolTipText = QStringLiteral("尾叉長");
    AnnotationLabel commentOnly = labelAt(QString(), 120, 100, 8, Zoom);
    commentOnly.ToolTipText = QStringLiteral("全長");
    page.store.AppendDimension(caption, {}, {}, {}, {}, {});
    page.store.AppendDimension(commentOnly, {}, {}, {}, {}, {});
    const std::pair<QString, float> texts[] = {
        {QStringLiteral("体長："), 12}, {QString(), 2}, {QStringLiteral("外"), 4}};
    float top = 20;
    for (const auto &[text, points] : texts) {
        const int n = *page.store.CreateTextLabel();
        page.store.lblMoji[n] = labelAt(text, text == QStringLiteral("外") ? 900 : 10, top,
                                        points, Zoom);
        top += 10;
    }
    struct Row
    {
        PageKinds kinds;
        TextSize size;
        std::optional<double> points;
    };
    const Row rows[] = {
        {{false, false, false, true}, TextSize::FollowsPicture, 12 * Zoom},
        {{true, false, false, false}, TextSize::FollowsPicture, 9.75 * Zoom},
        {{true, true, false, false}, TextSize::FollowsPicture, 8 * Zoom},
        {{false, true, true, false}, TextSize::FollowsPicture, std::nullopt},
        {PageKinds::all(), TextSize::OwnPoints, 8},
    };
    for (const Row &row : rows) {
        const std::optional<double> smallest =
            smallestTextPoints(page.scene(Zoom, row.size, {0, 0, 200, 150}), row.kinds);
        ASSERT_EQ(smallest.has_value(), row.points.has_value()) << row.points.value_or(0);
        if (row.points)
            EXPECT_NEAR(*smallest, *row.points, 0.001);
    }
}

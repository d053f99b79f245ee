// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditFixture.h"

#include "document/LabelMetrics.h"

int EditForm::keepDimension(int seed, float x, float y, float length, float rise)
{
    AnnotationStore &objects = form.annotations;
    const QString tag = QStringLiteral("dim %1").arg(seed);
    AnnotationLine extensionA = objects.lineHojoSave.spare();
    extensionA.X1 = extensionA.X2 = x;
    extensionA.Y1 = y;
    extensionA.Y2 = y - rise;
    AnnotationLine extensionB = extensionA;
    extensionB.X1 = extensionB.X2 = x + length;
    AnnotationLine line = objects.lineDsSave.spare();
    line.X1 = x;
    line.X2 = x + length;
    line.Y1 = line.Y2 = y - rise;
    MarkerShape markerA = objects.shpSnpo.spare();
    markerA.Left = x - markerA.Width / 2;
    markerA.Top = y - rise - markerA.Height / 2;
    MarkerShape markerB = markerA;
    markerB.Left += length;
    AnnotationLabel label = objects.lblKyori.spare();
    setCaption(label, QStringLiteral("%1.0cm ").arg(seed));
    label.ToolTipText = QStringLiteral("comment %1").arg(seed);
    label.Left = x + length / 2 - label.Width / 2;
    label.Top = y - rise - label.Height / 2;
    label.ForeColor = rgb(seed % 256, 1, 2);
    for (AnnotationLine *l : {&extensionA, &extensionB, &line}) {
        l->Tag = tag;
        l->BorderColor = rgb(3, seed % 256, 4);
    }
    label.Tag = markerA.Tag = markerB.Tag = tag;
    const std::optional<int> index =
        objects.AppendDimension(label, line, extensionA, extensionB, markerA, markerB);
    EXPECT_TRUE(index.has_value());
    return index.value_or(-1);
}

int EditForm::keepTextLabel(int seed)
{
    AnnotationStore &objects = form.annotations;
    const std::optional<int> n = objects.CreateTextLabel();
    EXPECT_TRUE(n.has_value());
    AnnotationLabel &label = objects.lblMoji[*n];
    label.Left = float(10 * seed);
    label.Top = float(5 * seed);
    label.ForeColor = rgb(5, 6, seed % 256);
    label.ToolTipText = QStringLiteral("note %1").arg(seed);
    label.Tag = QStringLiteral("text %1").arg(seed);
    setCaption(label, QStringLiteral("text %1").arg(seed));
    label.Visible = true;
    return *n;
}

int EditForm::keepLeaderLine(int seed)
{
    AnnotationLine line = form.annotations.lineHikidashi.spare();
    line.X1 = float(seed);
    line.Y1 = float(2 * seed);
    line.X2 = float(3 * seed);
    line.Y2 = float(4 * seed);
    line.BorderColor = rgb(7, 8, seed % 256);
    line.Tag = QStringLiteral("leader %1").arg(seed);
    const std::optional<int> index = form.annotations.lineHikidashi.AppendToSpare(line);
    EXPECT_TRUE(index.has_value());
    return index.value_or(-1);
}

testing::AssertionResult inShape(const AnnotationStore &objects)
{
    QString why;
    if (objects.invariantsHold(&why))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << why.toStdString();
}

namespace {

template <class T>
void expectSameElements(const AnnotationCollection<T> &expected,
                        const AnnotationCollection<T> &actual, const char *name)
{
    ASSERT_EQ(actual.UBound(), expected.UBound()) << name;
    for (int i = 0; i <= expected.UBound(); ++i)
        EXPECT_TRUE(actual[i] == expected[i]) << name << "(" << i << ") differs";
}

} // namespace

void expectSameState(const EditSnapshot &expected, const frmMain &actual)
{
    const AnnotationStore &e = expected.objects;
    const AnnotationStore &a = actual.annotations;
    expectSameElements(e.lblKyori, a.lblKyori, "lblKyori");
    expectSameElements(e.lineDsSave, a.lineDsSave, "lineDsSave");
    expectSameElements(e.lineHojoSave, a.lineHojoSave, "lineHojoSave");
    expectSameElements(e.shpSnpo, a.shpSnpo, "shpSnpo");
    expectSameElements(e.lblMoji, a.lblMoji, "lblMoji");
    expectSameElements(e.lineHikidashi, a.lineHikidashi, "lineHikidashi");
    EXPECT_TRUE(actual.defaults.lblDefault == expected.defaults.lblDefault) << "lblDefault";
    EXPECT_TRUE(actual.defaults.linDefault == expected.defaults.linDefault) << "linDefault";
}

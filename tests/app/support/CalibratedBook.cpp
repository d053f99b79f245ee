// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalibratedBook.h"

#include "document/LabelMetrics.h"
#include "app/RecordBookCommands.h"

#include <gtest/gtest.h>

namespace {

float base(double realMm)
{
    return float(realMm / CalibratedBook::Ratio);
}

AnnotationLine line(AnnotationLine look, double x1, double y1, double x2, double y2, int width)
{
    look.X1 = base(x1);
    look.Y1 = base(y1);
    look.X2 = base(x2);
    look.Y2 = base(y2);
    look.BorderWidth = std::int16_t(width);
    look.BorderStyle = BorderSolid;
    return look;
}

MarkerShape marker(MarkerShape look, double x, double y)
{
    look.Width = look.Height = base(CalibratedBook::MarkerDiameter);
    centreOn(look, base(x), base(y));
    return look;
}

} // namespace

void startRecordBook(StartedForm &started, const QString &picturePath)
{
    started.platform.messageAnswers.push_back(platform::MessageAnswer::No); // no template
    newRecordBook(started.form, picturePath);
    started.form.runCommand(QStringLiteral("mnuDisp100")); // it opened fitted to the window
    EXPECT_EQ(started.platform.messages.size(), 1u); // the template question
    started.platform.messages.clear();
}

void saveRecordBookAs(StartedForm &started, const QString &iniPath)
{
    started.platform.fileAnswers.push_back(iniPath);
    started.form.runCommand(QStringLiteral("mnuFileSaveAsPrj"));
    EXPECT_TRUE(started.platform.messages.empty())
        << started.platform.messageTexts().join(u'|').toStdString();
}

CommandOutput exportFromCommandLine(const QString &book, const QString &executableFolder,
                                    const char *option, const QString &out,
                                    const QStringList &extra)
{
    const CommandLine command = parseCommandLine(
        QStringList{QStringLiteral("catchscale"), QLatin1String(option), out, book} + extra);
    EXPECT_NE(command.action, CommandLine::Action::Invalid) << command.error.toStdString();
    return exportRecordBook(command, executableFolder);
}

CalibratedBook::CalibratedBook()
{
    const QString folder = started.folder.path();
    QImage picture(1600, 1100, QImage::Format_RGB32); // 338 x 233 real mm
    picture.fill(PictureGrey);
    const QString picturePath = folder + QStringLiteral("/catch.bmp");
    EXPECT_TRUE(picture.save(picturePath));
    startRecordBook(started, picturePath);
    frmMain &form = started.form;
    form.scale.GE_tpPtoD_r_X = Ratio;
    form.scale.GE_tpPtoD_r_Y = Ratio;
    form.scale.GE_strPpSize = QStringLiteral("A4");

    AnnotationStore &store = form.annotations;
    const double right = DimensionLeft + DimensionLength;
    AnnotationLabel caption = store.lblKyori.spare();
    caption.Left = base(DimensionLeft + 30);
    caption.Top = base(DimensionY - 12);
    setCaption(caption, QStringLiteral("10.0cm"));
    caption.ToolTipText = QStringLiteral("尾叉長");
    EXPECT_TRUE(store.AppendDimension(
        caption, line(store.lineDsSave.spare(), DimensionLeft, DimensionY, right, DimensionY, 1),
        line(store.lineHojoSave.spare(), DimensionLeft, DimensionY + 10, DimensionLeft,
             DimensionY - 2, 1),
        line(store.lineHojoSave.spare(), right, DimensionY + 10, right, DimensionY - 2, 1),
        marker(store.shpSnpo.spare(), DimensionLeft, DimensionY),
        marker(store.shpSnpo.spare(), right, DimensionY)));
    for (const auto &[y, width] : {std::pair{WideLeaderY, 3}, std::pair{ThinLeaderY, 1}}) {
        EXPECT_TRUE(store.lineHikidashi.AppendToSpare(
            line(store.lineHikidashi.spare(), LeaderLeft, y, LeaderRight, y, width)));
    }
    const auto text = store.CreateTextLabel();
    EXPECT_TRUE(text);
    AnnotationLabel &label = store.lblMoji[*text];
    label.FontName = QStringLiteral("ＭＳ ゴシック");
    label.FontSize = base(LabelPoints); // a label's font grows and shrinks with the zoom
    label.BackStyle = 0;
    label.Left = base(LabelLeft);
    label.Top = base(LabelTop);
    label.Visible = true;
    setCaption(label, QStringLiteral("H"));

    iniPath = folder + QStringLiteral("/catch.ini");
    saveRecordBookAs(started, iniPath);
}

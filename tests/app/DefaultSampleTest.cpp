// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartedForm.h"
#include "app/RecordBookCommands.h"

#include <QImage>
#include <QRectF>

#include <gtest/gtest.h>

namespace {

QRectF boxOf(const AnnotationLabel &label)
{
    return {label.Left, label.Top, label.Width, label.Height};
}

} // namespace

// A new book with the catch record, in a 1280 x 800 window: at every zoom the default-style
// sample covers neither the template's labels, which keep their stored places, nor the picture
// where the view has room beside it; where nothing is in the way it stays pinned 10 mm from the
// visible corner.
TEST(DefaultSample, CoversNeitherTheTemplateNorThePicture)
{
    const struct
    {
        const char *zoom;
        bool besideThePicture; // the view has room for it off the canvas
    } rows[] = {{"mnuDisp100", false}, {"mnuDisp200", false}, {"mnuDisp50", false},
                {"mnuDisp25", true}};
    for (const auto &row : rows) {
        StartedForm started;
        started.layOutWindow();
        const QString picture = started.folder.filePath(QStringLiteral("big.jpg"));
        QImage(3000, 2000, QImage::Format_RGB32).save(picture, "JPEG");
        started.platform.messageAnswers.push_back(platform::MessageAnswer::Yes);
        newRecordBook(started.form, picture);
        started.form.runCommand(QLatin1String(row.zoom));
        const frmMain &form = started.form;
        const QRectF sample = boxOf(form.defaults.lblDefault);
        SCOPED_TRACE(row.zoom);
        for (int i = 1; i <= 9; ++i)
            EXPECT_FALSE(sample.intersects(boxOf(form.annotations.lblMoji[i]))) << i;
        EXPECT_FLOAT_EQ(form.annotations.lblMoji[1].Left, 50 * form.view.ZoomFactor);
        const QRectF canvas(QPointF(0, 0), form.view.pictMapPx / ScreenPixelsPerMm);
        EXPECT_EQ(sample.intersects(canvas), !row.besideThePicture);
        if (!row.besideThePicture)
            EXPECT_FLOAT_EQ(sample.left(), form.view.hscX.Value * 0.2645f + 10);
        EXPECT_FLOAT_EQ(form.defaults.linDefault.Y1, sample.top() + 4);
    }
}

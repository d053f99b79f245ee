// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpenSample.h"

#include "recordbook/RecordBook.h"
#include "app/RecordBookCommands.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString SampleFolder = QStringLiteral(RECORDBOOK_TEST_DATA "/../../../data/sample");

QString exactly(float value)
{
    return QString::number(value, 'g', 9);
}

} // namespace

OpenSample::OpenSample()
{
    for (const QString &name : QDir(SampleFolder).entryList(QDir::Files))
        EXPECT_TRUE(QFile::copy(SampleFolder + u'/' + name, folder.filePath(name)));
    openRecordBook(form, ini);
    layOutWindow();
    form.runCommand(QStringLiteral("mnuDisp100"));
}

QByteArray OpenSample::image()
{
    const QString out = folder.filePath(QStringLiteral("image"));
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    EXPECT_FALSE(subSaveRecordBook(out, QStringLiteral("i.ini"), form.recordBook.pictureFileName,
                                   form.scale, form.annotations, std::nullopt));
    QByteArray bytes;
    for (const char *name : {"i.ini", "i_Text.Bin", "i_Line.Bin", "i_Shape.Bin"}) {
        QFile file(out + u'/' + QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        bytes += file.readAll();
    }
    const MarkerShape &area = form.live.shpPrint;
    bytes += QStringList{QStringLiteral("area"), exactly(area.Left), exactly(area.Top),
                         exactly(area.Width), exactly(area.Height),
                         area.Visible ? QStringLiteral("shown") : QStringLiteral("hidden")}
                 .join(u' ')
                 .toUtf8();
    return bytes;
}

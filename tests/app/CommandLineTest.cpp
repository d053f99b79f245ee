// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "recordbook/RecordBook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

CommandLine parse(std::initializer_list<const char *> given)
{
    QStringList arguments{QStringLiteral("catchscale")};
    for (const char *argument : given)
        arguments << QString::fromUtf8(argument);
    return parseCommandLine(arguments);
}

// A record book with one text label and a calibration, written by the program's writer.
QString writeBook(const QTemporaryDir &folder)
{
    RecordBookContent book;
    book.pictureFileName = QStringLiteral("釣果.jpg");
    book.scale.GE_tpPtoD_r_X = 0.625;
    book.scale.GE_strPpSize = QStringLiteral("B5");
    const int n = *book.annotations.CreateTextLabel();
    AnnotationLabel &label = book.annotations.lblMoji[n];
    label.Caption = QStringLiteral("体長：38.0cm");
    label.Left = 10;
    label.Visible = true;
    EXPECT_FALSE(subSaveRecordBook(folder.path() + u'/', QStringLiteral("book.ini"), book));
    return folder.filePath(QStringLiteral("book.ini"));
}

} // namespace

TEST(CommandLine, ParsesTheFourShapes)
{
    struct Row
    {
        std::initializer_list<const char *> given;
        Action action;
        const char *file; // relative to the working folder; nullptr for none
    };
    const Row rows[] = {
        {{}, Action::Start, nullptr},
        {{"trip.ini"}, Action::OpenRecordBook, "trip.ini"},
        {{"TRIP.INI"}, Action::OpenRecordBook, "TRIP.INI"},
        {{"catch.jpg"}, Action::NewFromPicture, "catch.jpg"},
        {{"photo"}, Action::NewFromPicture, "photo"},
        {{"--dump", "trip.ini"}, Action::Dump, "trip.ini"},
        {{"--help"}, Action::ShowUsage, nullptr},
        {{"--version"}, Action::ShowVersion, nullptr},
        {{"--dump"}, Action::Invalid, nullptr},
        {{"--dump", "a.ini", "b.ini"}, Action::Invalid, nullptr},
        {{"--dump", "--help"}, Action::Invalid, nullptr},
        {{"--verbose", "a.ini"}, Action::Invalid, nullptr},
        {{"a.ini", "b.jpg"}, Action::Invalid, nullptr},
        // After "--" everything is a file, even what looks like an option.
        {{"--", "-x.jpg"}, Action::NewFromPicture, "-x.jpg"},
        {{"--", "--dump", "a.ini"}, Action::Invalid, nullptr},
        {{"--dump", "--", "-a.ini"}, Action::Dump, "-a.ini"},
        {{"-x.jpg"}, Action::Invalid, nullptr},
        {{"--dump="}, Action::Invalid, nullptr},
        {{""}, Action::Invalid, nullptr},
        // Qt's own options, by their exact names and with one dash or two, go to the window.
        {{"-platform", "offscreen", "trip.ini"}, Action::OpenRecordBook, "trip.ini"},
        {{"--style=Fusion", "-reverse"}, Action::Start, nullptr},
        {{"-plat", "offscreen"}, Action::Invalid, nullptr},
        {{"-platform"}, Action::Invalid, nullptr},
        {{"-reverse=yes"}, Action::Invalid, nullptr},
        {{"--dump", "trip.ini", "-platform", "xcb"}, Action::Invalid, nullptr},
        {{"--bogus"}, Action::Invalid, nullptr},
        {{"--tile", "JisB5"}, Action::Invalid, nullptr},
        {{"--dump", "a.ini", "--export-bmp", "o.bmp"}, Action::Invalid, nullptr},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row &row = rows[i];
        SCOPED_TRACE(i);
        const CommandLine command = parse(row.given);
        EXPECT_EQ(command.action, row.action);
        const QString expected =
            row.file ? QDir::current().absoluteFilePath(QString::fromUtf8(row.file)) : QString();
        EXPECT_EQ(command.path, expected);
        EXPECT_EQ(command.error.isEmpty(), row.action != Action::Invalid);
    }
    EXPECT_EQ(parse({"/data/books/trip.ini"}).path, QStringLiteral("/data/books/trip.ini"));
}

// Qt gets its own options alone, in the form it reads them, and none of the program's.
TEST(CommandLine, HandsQtItsOwnOptionsAlone)
{
    const CommandLine command =
        parse({"--platform=offscreen", "trip.ini", "-style", "Fusion", "--reverse"});
    EXPECT_EQ(command.windowOptions,
              QStringList({"-platform", "offscreen", "-style", "Fusion", "-reverse"}));
    EXPECT_TRUE(parse({"--", "-reverse"}).windowOptions.isEmpty());
}

TEST(CommandLine, DumpPrintsTheBookAsJson)
{
    QTemporaryDir folder;
    const QString ini = writeBook(folder);
    const CommandOutput output = dumpRecordBook(ini, {});
    EXPECT_EQ(output.exitStatus, 0);
    EXPECT_TRUE(output.standardError.isEmpty()) << output.standardError.toStdString();

    QJsonParseError error;
    const QJsonObject book = QJsonDocument::fromJson(output.standardOutput, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(book[QStringLiteral("fMei_MapImage")].toString(), QStringLiteral("釣果.jpg"));
    EXPECT_EQ(book[QStringLiteral("Prj")].toString(), QStringLiteral("CatchScale"));
    const QJsonObject scale = book[QStringLiteral("scale")].toObject();
    EXPECT_EQ(scale[QStringLiteral("GE_tpPtoD_r_X")].toDouble(), 0.625);
    EXPECT_EQ(scale[QStringLiteral("GE_strPpSize")].toString(), QStringLiteral("B5"));
    EXPECT_EQ(scale.size(), 24);
    const QJsonArray labels = book[QStringLiteral("lblMoji")].toArray();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[1].toObject()[QStringLiteral("Caption")].toString(),
              QStringLiteral("体長：38.0cm"));
    for (const char *collection : {"lblKyori", "lineDsSave", "lineHojoSave", "shpSnpo",
                                   "lineHikidashi"})
        EXPECT_EQ(book[QLatin1String(collection)].toArray().size(), 1) << collection;
}

TEST(CommandLine, DumpFailsClearlyOnAnUnreadableBook)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("none.ini"));
    const CommandOutput output = dumpRecordBook(missing, {});
    EXPECT_EQ(output.exitStatus, UnreadableRecordBookStatus);
    EXPECT_TRUE(output.standardOutput.isEmpty());
    const QString message = QString::fromUtf8(output.standardError);
    EXPECT_TRUE(message.contains(missing)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("ファイルが見つかりません。"))) << message.toStdString();
}

// --dump and --export-csv both say on a line of its own which object file stopped, and go on with
// what was read.
TEST(CommandLine, ADamagedObjectFileIsToldAndWhatWasReadStillComesOut)
{
    QTemporaryDir folder;
    const QString ini = writeBook(folder);
    QFile text(folder.filePath(QStringLiteral("book_Text.Bin")));
    ASSERT_TRUE(text.open(QIODevice::Append));
    text.write("garbage\r\n");
    text.close();

    const QString csv = folder.filePath(QStringLiteral("catch.csv"));
    const CommandOutput dumped = dumpRecordBook(ini, {});
    const CommandOutput exported = exportCatchBook(
        parseCommandLine({QStringLiteral("catchscale"), QStringLiteral("--export-csv"), csv, ini}),
        folder.path());
    for (const CommandOutput *output : {&dumped, &exported}) {
        EXPECT_EQ(output->exitStatus, 0);
        const QString error = QString::fromUtf8(output->standardError);
        EXPECT_TRUE(error.startsWith(QStringLiteral("catchscale: ") + text.fileName()))
            << error.toStdString();
        EXPECT_EQ(error.count(u'\n'), 1) << error.toStdString();
    }
    const QJsonObject book = QJsonDocument::fromJson(dumped.standardOutput).object();
    EXPECT_FALSE(book[QStringLiteral("objectFiles")].toObject()[QStringLiteral("Text_Bin")]
                     .toObject()[QStringLiteral("complete")]
                     .toBool());
    EXPECT_TRUE(QFile::exists(csv));
}

TEST(CommandLine, ExportsNameTheirOutputThenTheBookAndPdfKindsAreChosenByWord)
{
    struct Row
    {
        std::initializer_list<const char *> given;
        Action action;
        PageKinds kinds;
        TextSize textSize = TextSize::FollowsPicture;
    };
    const PageKinds all = PageKinds::all();
    const Row rows[] = {
        {{"--export-pdf", "out.pdf", "book.ini"}, Action::ExportPdf, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--kinds", "texts,dims"}, Action::ExportPdf,
         {true, false, false, true}},
        {{"--export-pdf", "--kinds", "leaders", "out.pdf", "BOOK.INI"}, Action::ExportPdf,
         {false, false, true, false}},
        {{"--export-pdf", "out.pdf", "book.ini", "--kinds", ""}, Action::ExportPdf, {}},
        {{"--export-bmp", "out.bmp", "book.ini"}, Action::ExportBmp, all},
        {{"--export-pdf", "book.ini", "out.pdf"}, Action::Invalid, all}, // book last
        {{"--export-pdf", "out.pdf"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "extra.ini"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--kinds", "dims,fish"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--kinds"}, Action::Invalid, all},
        {{"--export-bmp", "out.bmp", "book.ini", "--kinds", "dims"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--tile", "Z9"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--tile"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--overlap", "5"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--tile", "A4", "--overlap", "-1"},
         Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--tile", "A4", "--overlap", "ten"},
         Action::Invalid, all},
        {{"--export-bmp", "out.bmp", "book.ini", "--tile", "A4"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--text-size", "own"}, Action::ExportPdf, all,
         TextSize::OwnPoints},
        {{"--export-image", "--text-size", "own", "out.png", "book.ini"}, Action::ExportImage,
         all, TextSize::OwnPoints},
        {{"--export-pdf", "out.pdf", "book.ini", "--text-size", "large"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--text-size"}, Action::Invalid, all},
        {{"--export-bmp", "out.bmp", "book.ini", "--text-size", "own"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--dpi", "300"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--kinds=dims"}, Action::ExportPdf,
         {true, false, false, false}},
        {{"--export-pdf=out.pdf", "book.ini", "--tile=A4", "--overlap=5"}, Action::ExportPdf,
         all},
        {{"--export-pdf", "out.pdf", "--", "-book.ini"}, Action::ExportPdf, all},
        {{"--export-bmp=", "book.ini"}, Action::Invalid, all},
        {{"--export-pdf", "out.pdf", "book.ini", "--kinds=dims", "--kinds", "texts"},
         Action::ExportPdf, {false, false, false, true}},
        {{"--export-image", "out.png", "book.ini", "--share=yes"}, Action::Invalid, all},
    };
    for (const Row &row : rows) {
        const CommandLine command = parse(row.given);
        const std::string given = QStringList(QList<QString>(row.given.begin(), row.given.end()))
                                      .join(u' ')
                                      .toStdString();
        EXPECT_EQ(command.action, row.action) << given;
        if (row.action == Action::Invalid) {
            EXPECT_FALSE(command.error.isEmpty()) << given;
            continue;
        }
        EXPECT_EQ(command.kinds, row.kinds) << given;
        EXPECT_EQ(command.textSize, row.textSize) << given;
        EXPECT_TRUE(command.path.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive)) << given;
        EXPECT_TRUE(QFileInfo(command.output).isAbsolute()) << given;
        EXPECT_FALSE(command.output.endsWith(QLatin1String(".ini"))) << given;
    }
}

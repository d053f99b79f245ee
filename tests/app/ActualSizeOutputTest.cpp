// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The promise of the program on paper: a record book printed to PDF or saved as a bitmap, read
// back with a renderer of its own, measures what the fish measured.
#include "CalibratedBook.h"
#include "PageMeasure.h"
#include "document/LabelMetrics.h"
#include "app/CommandLine.h"
#include "output/BitmapExport.h"
#include "output/ImageExport.h"
#include "app/OutputCommands.h"
#include "output/PageOutput.h"
#include "output/dlgPrinter.h"
#include "app/RecordBookCommands.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <csignal>
#include <sys/resource.h>

namespace {

using Book = CalibratedBook;

CommandOutput exportBook(const Book &book, const char *option, const QString &out,
                         const QStringList &extra = {})
{
    return exportFromCommandLine(book.iniPath, book.started.folder.path(), option, out, extra);
}

QString outPath(const Book &book, const char *name)
{
    return book.started.folder.filePath(QLatin1String(name));
}

// The distance between the end circles of the kept dimension, in millimetres, from an image of
// the strip around the dimension line at `pixelsPerMm`.
double dimensionLengthMm(const QImage &strip, double pixelsPerMm)
{
    const int minimumDark = int(Book::MarkerDiameter * pixelsPerMm / 3);
    const auto left = markCentre(strip, false, minimumDark);
    const auto right = markCentre(strip, true, minimumDark);
    if (!left || !right)
        return 0;
    return std::hypot(right->x() - left->x(), right->y() - left->y()) / pixelsPerMm;
}

// The strip holding the dimension line, its end circles and extension lines, but not its label.
const QRectF DimensionStripMm(Book::DimensionLeft - 10, Book::DimensionY - 5,
                              Book::DimensionLength + 20, 10);

// Where the letter H of the label's font sits in a line of text one em high: its top below the
// line's top, and its height (the font's cap ratio), as the glyph is drawn. The font's own cap
// height metric is not used: some fonts state it wrongly.
struct CapLetter
{
    double top, height;
};

CapLetter capLetterPerEm()
{
    AnnotationLabel label;
    label.FontName = QStringLiteral("ＭＳ ゴシック");
    QFont font = toQFont(label);
    constexpr int Em = 1000;
    font.setPixelSize(Em);
    QImage glyph(Em, 2 * Em, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    QPainter painter(&glyph);
    painter.setFont(font);
    painter.drawText(glyph.rect(), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("H"));
    painter.end();
    const QRect inked = darkBounds(glyph);
    return {double(inked.top()) / Em, double(inked.height()) / Em};
}

// Runs with writes limited to `bytes` a file, as a full disk would cut them.
template <class Work>
void withFileSizeLimit(rlim_t bytes, Work work)
{
    rlimit kept{};
    getrlimit(RLIMIT_FSIZE, &kept);
    const auto keptSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = kept;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    work();
    setrlimit(RLIMIT_FSIZE, &kept);
    std::signal(SIGXFSZ, keptSignal);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ActualSizePdf, LengthsLineWidthsAndTextMeasureTrueOnTheLandscapePage)
{
    const Book book;
    const QString pdf = outPath(book, "page.pdf");
    const CommandOutput result = exportBook(book, "--export-pdf", pdf);
    ASSERT_EQ(result.exitStatus, 0) << result.standardError.toStdString();

    const auto page = pdfPageSizePoints(pdf);
    ASSERT_TRUE(page);
    EXPECT_NEAR(page->width(), 297 / 25.4 * 72, 0.5); // A4, long side across
    EXPECT_NEAR(page->height(), 210 / 25.4 * 72, 0.5);

    const QImage strip = renderPdfPage(pdf, 508, DimensionStripMm);
    ASSERT_FALSE(strip.isNull()) << "pdftoppm (poppler-utils) is needed";
    EXPECT_NEAR(dimensionLengthMm(strip, 508 / 25.4), Book::DimensionLength, 0.1);

    // Flat ends: a 100 mm line is 100 mm long whatever its width.
    const QImage wide = renderPdfPage(pdf, 508, QRectF(Book::LeaderLeft - 5, Book::WideLeaderY - 1,
                                                       Book::LeaderRight - Book::LeaderLeft + 10, 2));
    EXPECT_NEAR(darkBounds(wide).width() / (508 / 25.4), Book::LeaderRight - Book::LeaderLeft, 0.1);

    // Printer dots of a 600 dpi page, counted at 1200 dpi: 3 pixels are 12 dots, 1 pixel 1 dot.
    for (const auto &[y, dots] : {std::pair{Book::WideLeaderY, 12}, std::pair{Book::ThinLeaderY, 1}}) {
        const QImage across = renderPdfPage(pdf, 1200, QRectF(88, y - 2, 4, 4));
        EXPECT_NEAR(darkSpan(across, across.width() / 2), dots * 2, 1) << "line at " << y << " mm";
    }

    // The letter at its size at actual size, then at its own size (90 points at 100 %), its
    // corner where it was.
    const CapLetter cap = capLetterPerEm();
    for (const double points : {Book::LabelPoints, Book::LabelPoints / Book::Ratio}) {
        if (points != Book::LabelPoints) {
            ASSERT_EQ(exportBook(book, "--export-pdf", pdf, {"--text-size", "own"}).exitStatus, 0);
        }
        const QImage letter =
            renderPdfPage(pdf, 254, QRectF(Book::LabelLeft - 5, Book::LabelTop - 5, 60, 50));
        const QRect inked = darkBounds(letter);
        const double emMm = points * 25.4 / 72;
        EXPECT_NEAR(inked.height() / 10.0, emMm * cap.height, emMm * cap.height * 0.03) << points;
        // The line of text starts at the label's top, not its baseline.
        EXPECT_NEAR(inked.top() / 10.0 - 5, emMm * cap.top, 0.3) << points;
    }
}

TEST(ActualSizePdf, TiledOverSmallerSheetsOnePageEachAtActualSize)
{
    const Book book;
    const QString pdf = outPath(book, "sheets.pdf");
    // The A4 print area (287 x 200 mm) on A5 sheets lying (parts 210 x 134 mm): 2 x 2 with no
    // overlap, 2 x 3 once they overlap 70 mm; upright ones would need as many.
    for (const auto &[overlap, pages] : {std::pair{"0", 4}, std::pair{"70", 6}}) {
        const CommandOutput result =
            exportBook(book, "--export-pdf", pdf, {"--tile", "a5", "--overlap", overlap});
        ASSERT_EQ(result.exitStatus, 0) << result.standardError.toStdString();
        EXPECT_EQ(pdfPageCount(pdf), pages) << "overlap " << overlap;
        const auto page = pdfPageSizePoints(pdf);
        ASSERT_TRUE(page);
        EXPECT_NEAR(page->width(), 210 / 25.4 * 72, 0.5);
    }
    const CommandOutput tooSmall =
        exportBook(book, "--export-pdf", pdf, {"--tile", "A10", "--overlap", "30"});
    EXPECT_EQ(tooSmall.exitStatus, UsageErrorStatus);
}

TEST(ActualSizePdf, OnlyTheChosenKindsAppear)
{
    const Book book;
    struct Row
    {
        const char *kinds;
        bool dimensions, comments, leaders, texts;
    };
    const Row rows[] = {{"", false, false, false, false},
                        {"leaders", false, false, true, false},
                        {"texts,dims", true, false, false, true},
                        {"dims,comments", true, true, false, false},
                        {"comments", false, false, false, false}}; // it needs its dimension
    const QRectF leaderMm(Book::LeaderLeft + 10, Book::WideLeaderY - 2, 20, 4);
    const QRectF textMm(Book::LabelLeft - 2, Book::LabelTop - 2, 30, 30);
    // A comment's line starts one font height (in points) below its label's top.
    const AnnotationLabel &caption = book.started.form.annotations.lblKyori[0];
    const double points = caption.FontSize * Book::Ratio; // as it stands at actual size
    const double commentTop = (caption.Top * Book::Ratio) + points * 0.352777755;
    const QRectF commentMm(caption.Left * Book::Ratio, commentTop + 0.1, 10, points * 0.3528);
    for (const Row &row : rows) {
        const QString pdf = outPath(book, "kinds.pdf");
        ASSERT_EQ(exportBook(book, "--export-pdf", pdf, {"--kinds", row.kinds}).exitStatus, 0);
        const auto inked = [&pdf](const QRectF &mm) {
            return !darkBounds(renderPdfPage(pdf, 127, mm)).isEmpty();
        };
        EXPECT_EQ(inked(DimensionStripMm), row.dimensions) << row.kinds;
        EXPECT_EQ(inked(commentMm), row.comments) << row.kinds;
        if (row.comments) {
            const QRect ink = darkBounds(renderPdfPage(pdf, 254, commentMm));
            EXPECT_LT(ink.top() / 10.0, 0.6) << "the comment's line starts one font height down";
        }
        EXPECT_EQ(inked(leaderMm), row.leaders) << row.kinds;
        EXPECT_EQ(inked(textMm), row.texts) << row.kinds;
    }
}

TEST(ActualSizePdf, PrintCommandMasksExactlyTheOutsideOfThePrintAreaAndKeepsTheZoom)
{
    Book book;
    frmMain &form = book.started.form;
    ScriptedPlatform &platform = book.started.platform;
    openRecordBook(form, book.iniPath);
    form.runCommand(QStringLiteral("mnuDisp50"));
    // An area whose four edges all differ, set at actual size where the print works.
    form.runCommand(QStringLiteral("mnuOrgEnlarge"));
    // It cuts the wide leader line (40 to 140 mm across at 100 mm down) at its left edge.
    const QRectF areaMm(60, 30, 150, 80);
    MarkerShape &area = form.live.shpPrint;
    area.Left = float(areaMm.left());
    area.Top = float(areaMm.top());
    area.Width = float(areaMm.width());
    area.Height = float(areaMm.height());
    form.runCommand(QStringLiteral("mnuDisp50"));

    const QString pdf = outPath(book, "print.pdf");
    platform.fileAnswers.push_back(pdf);
    float zoomWhilePrinting = 0;
    platform.usePrinterDialog = [&](dlgPrinter &dialog) {
        zoomWhilePrinting = form.view.ZoomFactor;
        dialog.chkHikidashi = true;
        dialog.cmbPrinter_Click(dlgPrinter::PdfFileEntry);
        dialog.cmdPrint_Click();
    };
    form.runCommand(QStringLiteral("mnuFilePrint"));
    EXPECT_FLOAT_EQ(zoomWhilePrinting, 0.5f) << "the view stays while the page is printed";
    EXPECT_FLOAT_EQ(form.view.ZoomFactor, 0.5f);
    EXPECT_TRUE(platform.messages.empty()) << platform.messageTexts().join(u'|').toStdString();

    const QImage page = renderPdfPage(pdf, 254);
    ASSERT_FALSE(page.isNull());
    const auto at = [&page](double xMm, double yMm) {
        return qGray(page.pixel(int(xMm * 10), int(yMm * 10)));
    };
    const int white = 255, grey = qGray(Book::PictureGrey);
    const double mid = areaMm.center().y(), centre = areaMm.center().x();
    struct Probe
    {
        const char *edge;
        double outsideX, outsideY, insideX, insideY;
    };
    const Probe probes[] = {
        {"left", areaMm.left() - 0.3, mid, areaMm.left() + 0.3, mid},
        {"right", areaMm.right() + 0.3, mid, areaMm.right() - 0.3, mid},
        {"top", centre, areaMm.top() - 0.3, centre, areaMm.top() + 0.3},
        {"bottom", centre, areaMm.bottom() + 0.3, centre, areaMm.bottom() - 0.3},
    };
    for (const Probe &probe : probes) {
        EXPECT_EQ(at(probe.outsideX, probe.outsideY), white) << probe.edge;
        EXPECT_EQ(at(probe.insideX, probe.insideY), grey) << probe.edge;
    }
    // Lines are covered where they leave the area.
    EXPECT_EQ(at(areaMm.left() - 5, Book::WideLeaderY), white);
    EXPECT_LT(at(areaMm.left() + 5, Book::WideLeaderY), 64);
}

TEST(ActualSizeBitmap, HasThePaperSizeItsResolutionAndTrueLengths)
{
    Book book;
    const QString bmp = outPath(book, "page.bmp");

    // The header's resolution makes the bitmap the paper's size, to half a pixel; on A0 the
    // canvas's 3.7825 pixels a millimetre would be 2.6 pixels more. A4 stays for what follows.
    const std::pair<const char *, QSizeF> papers[] = {{"A0", {1189, 841}}, {"A4", {297, 210}}};
    for (const auto &[code, paper] : papers) {
        book.started.form.scale.GE_strPpSize = QLatin1String(code);
        book.started.form.runCommand(QStringLiteral("mnuFileSavePrj"));
        ASSERT_EQ(exportBook(book, "--export-bmp", bmp).exitStatus, 0) << code;
        const QByteArray bytes = bytesOf(bmp);
        ASSERT_GT(bytes.size(), 54);
        const auto field32 = [&](int at) {
            return qFromLittleEndian<qint32>(bytes.constData() + at);
        };
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
        EXPECT_EQ(field32(38), 3780);
        EXPECT_EQ(field32(42), 3780);
        EXPECT_NEAR(field32(18), paper.width() * 3.780, 0.5) << code;
        EXPECT_NEAR(field32(22), paper.height() * 3.780, 0.5) << code;
    }

    const QImage canvas(bmp);
    const double ppm = 96 / 25.4; // the canvas draws at the screen's scale
    const QRectF strip(DimensionStripMm.topLeft() * ppm, DimensionStripMm.size() * ppm);
    EXPECT_NEAR(dimensionLengthMm(canvas.copy(strip.toRect()), ppm) * ppm, 378.2, 1);
    // Lines keep their screen widths.
    EXPECT_EQ(darkSpan(canvas.copy(QRectF(88 * ppm, 95 * ppm, 8, 10 * ppm).toRect()), 4), 3);

    // The default print area, 5 mm in: its border pixels and everything beyond turn white.
    const int l = std::lround(5 * ppm), t = l;
    const int r = l + std::lround(287 * ppm), b = t + std::lround(200 * ppm);
    const int midX = canvas.width() / 2, midY = canvas.height() / 2;
    struct Probe
    {
        const char *edge;
        QPoint border, inside;
    };
    const Probe probes[] = {{"left", {l, midY}, {l + 1, midY}},
                            {"right", {r, midY}, {r - 1, midY}},
                            {"top", {midX, t}, {midX, t + 1}},
                            {"bottom", {midX, b}, {midX, b - 1}}};
    for (const Probe &probe : probes) {
        EXPECT_EQ(canvas.pixel(probe.border), qRgb(255, 255, 255)) << probe.edge;
        EXPECT_EQ(canvas.pixel(probe.inside), Book::PictureGrey) << probe.edge;
    }
}

// The slip: an export that zooms the window to actual size and back, which moves a scrolled view.
TEST(ActualSizeExport, AtAnyZoomTheViewStaysWhereItWas)
{
    Book book;
    frmMain &form = book.started.form;
    ScriptedPlatform &platform = book.started.platform;
    platform.listAnswers.assign(3, 0); // the image export's first size
    const std::pair<const char *, const char *> commands[] = {{"mnuFileSaveAsImg", ".bmp"},
                                                              {"mnuFileExportImg", ".png"}};
    for (const auto &[command, extension] : commands) {
        for (const char *zoom : {"mnuDisp200", "mnuDisp100", "mnuDisp50"}) {
            SCOPED_TRACE(testing::Message() << command << " " << zoom);
            form.runCommand(QLatin1String(zoom));
            form.hscX_Change(form.view.hscX.Max);
            form.vscY_Change(form.view.vscY.Max);
            const QPoint scroll(form.view.hscX.Value, form.view.vscY.Value);
            const QString out = outPath(book, zoom) + QLatin1String(extension);
            platform.fileAnswers.push_back(out);
            form.runCommand(QLatin1String(command));
            ASSERT_TRUE(QFile::exists(out)) << platform.messageTexts().join(u'|').toStdString();
            EXPECT_TRUE(form.menus[QLatin1String(zoom)].checked);
            EXPECT_EQ(QPoint(form.view.hscX.Value, form.view.vscY.Value), scroll);
        }
    }
}

// The slip: the page laid out apart from the window placing the picture a hair off where the
// window's own zoom to actual size puts it (its size kept unrounded where the window keeps it in
// single precision): the sample's image and PDF came out different, its bitmap did not.
TEST(ActualSizeExport, TheSamplesPageIsTheOneTheWindowDrawsAtActualSize)
{
    StartedForm started;
    const QDir sample(QStringLiteral(SAMPLE_BOOK_FOLDER));
    for (const QString &name : sample.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(sample.filePath(name), started.folder.filePath(name)));
    frmMain &form = started.form;
    openRecordBook(form, started.folder.filePath(QStringLiteral("catch.ini")));
    started.layOutWindow();
    form.runCommand(QStringLiteral("mnuDisp100"));
    const ActualSizePage page(form);
    form.runCommand(QStringLiteral("mnuOrgEnlarge"));

    using Draw = std::function<QImage(const PageScene &, QSizeF paperMm, QSize canvasPx)>;
    const QString pdf = started.folder.filePath(QStringLiteral("page.pdf"));
    const std::pair<const char *, Draw> kinds[] = {
        {"bitmap",
         [&form](const PageScene &scene, QSizeF, QSize canvasPx) {
             return subWrightImage(scene, canvasPx, form.annotations.shpSnpo[0].FillColor);
         }},
        {"image",
         [](const PageScene &scene, QSizeF, QSize) {
             return printAreaImage(scene, PageKinds::all(), 300 / 25.4);
         }},
        {"pdf",
         [&pdf](const PageScene &scene, QSizeF paperMm, QSize) {
             const bool failed =
                 writePagePdf({pdf, QStringLiteral("pdf")}, scene, PageKinds::all(), paperMm)
                     .has_value();
             return failed ? QImage() : renderPdfPage(pdf, 50);
         }},
    };
    for (const auto &[kind, draw] : kinds) {
        // Text drawn for the first time at a size differs from the same text drawn again in a
        // few pixels, whatever the page: draw once before comparing.
        draw(pageScene(form), paperSizeMm(form), canvasPixels(form));
        const QImage fromWindow = draw(pageScene(form), paperSizeMm(form), canvasPixels(form));
        const QImage apart = draw(page.scene(), page.paperSizeMm(), page.canvasPixels());
        ASSERT_FALSE(fromWindow.isNull()) << kind;
        EXPECT_TRUE(apart == fromWindow) << kind;
    }
}

TEST(ActualSizeExport, AFailureSaysWhyOnOneLineAndLeavesTheOutputAsItWas)
{
    const Book book;
    const QByteArray old("a good file from before");
    struct Export
    {
        const char *option, *name, *magic;
    };
    for (const auto [option, name, magic] : {Export{"--export-pdf", "kept.pdf", "%PDF"},
                                             Export{"--export-bmp", "kept.bmp", "BM"},
                                             Export{"--export-image", "kept.png", "\x89PNG"}}) {
        const QString out = outPath(book, name);
        {
            QFile file(out);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        const QDir folder(book.started.folder.path());
        const QStringList filesBefore = folder.entryList(QDir::Files);
        // The disk fills while the file is written.
        CommandOutput result;
        withFileSizeLimit(16 * 1024, [&] { result = exportBook(book, option, out); });
        EXPECT_EQ(result.exitStatus, ExportFailedStatus) << option;
        EXPECT_TRUE(result.standardError.contains("ディスクの空き容量が不足しています"))
            << result.standardError.toStdString();
        EXPECT_EQ(result.standardError.count('\n'), 1);
        EXPECT_EQ(bytesOf(out), old) << option;
        EXPECT_EQ(folder.entryList(QDir::Files), filesBefore) << "no temporary file is left";

        // A record book that cannot be read writes nothing either.
        const CommandLine missing = parseCommandLine(
            {QStringLiteral("catchscale"), QLatin1String(option), out,
             outPath(book, "nowhere.ini")});
        result = exportRecordBook(missing, book.started.folder.path());
        EXPECT_EQ(result.exitStatus, UnreadableRecordBookStatus);
        EXPECT_EQ(bytesOf(out), old);

        // Nor does a folder that does not exist.
        const QString lost =
            book.started.folder.filePath(QStringLiteral("no-such-folder/") + QLatin1String(name));
        EXPECT_EQ(exportBook(book, option, lost).exitStatus, ExportFailedStatus);
        EXPECT_FALSE(QFile::exists(lost));

        // Once it can, the export takes the old file's place, and only that.
        ASSERT_EQ(exportBook(book, option, out).exitStatus, 0) << option;
        EXPECT_TRUE(bytesOf(out).startsWith(magic)) << option;
        EXPECT_EQ(folder.entryList(QDir::Files), filesBefore) << "the old version is gone";
    }
}

// Slips caught: an export whose text prints too small to read without a word; the word given
// when the text is large enough or already at its own size.
TEST(ActualSizeExport, TextBelowSixPointsIsToldWithTheWayToPrintItAtItsOwnSize)
{
    Book book;
    frmMain &form = book.started.form;
    const QString pdf = outPath(book, "small.pdf");
    const QString png = outPath(book, "small.png");
    struct Row
    {
        double ratio;
        const char *option;
        QString out;
        QStringList extra;
        const char *told; // nullptr: nothing
    };
    // The dimension label is 9.75 points at 100 %: 7.8 at 0.8, 2.4 at 0.25.
    const Row rows[] = {
        {0.8, "--export-pdf", pdf, {}, nullptr},
        {0.25, "--export-pdf", pdf, {}, "最小 2.4 pt"},
        {0.25, "--export-image", png, {"--dpi", "96"}, "最小 2.4 pt"},
        {0.25, "--export-pdf", pdf, {"--text-size", "own"}, nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.ratio);
        form.scale.GE_tpPtoD_r_X = form.scale.GE_tpPtoD_r_Y = row.ratio;
        form.runCommand(QStringLiteral("mnuFileSavePrj"));
        const CommandOutput result = exportBook(book, row.option, row.out, row.extra);
        EXPECT_EQ(result.exitStatus, 0);
        const QString told = QString::fromUtf8(result.standardError);
        if (!row.told) {
            EXPECT_TRUE(told.isEmpty()) << told.toStdString();
            continue;
        }
        EXPECT_TRUE(told.contains(QString::fromUtf8(row.told))) << told.toStdString();
        EXPECT_TRUE(told.contains(QStringLiteral("--text-size own"))) << told.toStdString();
        EXPECT_EQ(told.count(u'\n'), 1);
    }
}

// Slips caught: a refusal told as another cause (a shortage of memory, an overflow, error 5) or
// with the window's handler names.
TEST(ActualSizeExport, ARefusalSaysWhatIsWrongInWords)
{
    struct Row
    {
        const char *what;
        const char *paper;
        double ratio;
        QSize picture; // empty: the book's own
        const char *option, *name;
        QStringList extra;
        std::initializer_list<const char *> told;
    };
    const Row rows[] = {
        {"over the pixel cap", "A0", 0.8, {}, "--export-image", "big.png", {"--dpi", "600"},
         {"27850 × 19630", "300 dpi"}},
        {"a bitmap over the pixel cap", "00", 30, {}, "--export-bmp", "huge.bmp", {},
         {"48006 × 33003"}},
        {"no print area left", "00", 0.8, QSize(20, 20), "--export-image", "tiny.png", {},
         {"印刷範囲"}},
        {"its picture gone", "A4", 0.8, QSize(0, 0), "--export-pdf", "lost.pdf", {},
         {"ファイルが見つかりません", "catch.bmp"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        Book book;
        frmMain &form = book.started.form;
        form.scale.GE_strPpSize = QLatin1String(row.paper);
        form.scale.GE_tpPtoD_r_X = form.scale.GE_tpPtoD_r_Y = row.ratio;
        form.runCommand(QStringLiteral("mnuFileSavePrj"));
        const QString picture = outPath(book, "catch.bmp");
        if (row.picture.isValid()) {
            ASSERT_TRUE(QFile::remove(picture));
            if (!row.picture.isEmpty()) {
                QImage small(row.picture, QImage::Format_RGB32);
                small.fill(Book::PictureGrey);
                ASSERT_TRUE(small.save(picture));
            }
        }
        const QString out = outPath(book, row.name);
        const CommandOutput result = exportBook(book, row.option, out, row.extra);
        EXPECT_NE(result.exitStatus, 0);
        const QString told = QString::fromUtf8(result.standardError);
        for (const char *words : row.told)
            EXPECT_TRUE(told.contains(QString::fromUtf8(words))) << told.toStdString();
        for (const char *wrong : {"メモリが不足", "オーバーフロー", "プロシージャ", "():", "ｴﾗｰ番号"})
            EXPECT_FALSE(told.contains(QString::fromUtf8(wrong))) << told.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

// For a print shop: the picture file says its resolution, so a 100 mm dimension prints 100 mm.
// Shared: the long side fits social media.
TEST(ActualSizeImage, SaysItsResolutionAndMeasuresTrue)
{
    const Book book;
    const QString png = outPath(book, "page.png");
    ASSERT_EQ(exportBook(book, "--export-image", png, {"--dpi", "300"}).exitStatus, 0);
    const QByteArray bytes = bytesOf(png);
    const qsizetype phys = bytes.indexOf("pHYs");
    ASSERT_GT(phys, 0);
    const auto field32 = [&bytes](qsizetype at) { return qFromBigEndian<quint32>(bytes.constData() + at); };
    EXPECT_NEAR(field32(phys + 4) * 0.0254, 300, 0.01);
    EXPECT_NEAR(field32(phys + 8) * 0.0254, 300, 0.01);
    EXPECT_EQ(bytes.at(phys + 12), 1) << "pixels a metre";

    // The image starts at the print area, 5 mm inside the paper.
    const QImage image(png);
    const double ppm = 300 / 25.4;
    EXPECT_EQ(image.size(), QSize(std::lround(287 * ppm), std::lround(200 * ppm)));
    const QRectF strip(DimensionStripMm.translated(-5, -5).topLeft() * ppm,
                       DimensionStripMm.size() * ppm);
    EXPECT_NEAR(dimensionLengthMm(image.copy(strip.toRect()), ppm) * ppm, 1181, 2);

    const QString shared = outPath(book, "share.jpg");
    ASSERT_EQ(exportBook(book, "--export-image", shared, {"--share"}).exitStatus, 0);
    EXPECT_EQ(QImage(shared).size(), QSize(2048, std::lround(2048 * 200.0 / 287)));

    // A format the export does not write is refused, and nothing is left behind.
    const QString gif = outPath(book, "page.gif");
    EXPECT_EQ(exportBook(book, "--export-image", gif).exitStatus, ExportFailedStatus);
    EXPECT_FALSE(QFile::exists(gif));
    for (const QStringList &refused : {QStringList{"--dpi", "72"}, QStringList{"--dpi"},
                                       QStringList{"--dpi", "300", "--share"}}) {
        const CommandLine command = parseCommandLine(
            QStringList{"catchscale", "--export-image", png, book.iniPath} + refused);
        EXPECT_EQ(command.action, CommandLine::Action::Invalid) << refused.join(' ').toStdString();
    }
}

// Pages that would come out blank, too large for a PDF reader or for memory are refused with one
// line saying why, and nothing is written.
TEST(ActualSizeExport, BlankHugeAndCountlessPagesAreRefusedWithAMessage)
{
    struct Picture
    {
        QSize px;
        double ratio; // on paper "00", the picture's own size
    };
    // One pixel: a 1 mm paper, less its 5 mm margins, leaves no print area. 1500 x 100 pixels
    // at 100 real millimetres a picture millimetre: a page of 39688 x 2646 mm, whose print area
    // takes 199 x 10 upright A4 sheets (parts 210 x 283 mm, overlapping 10 mm). 240 x 160 at 90:
    // a paper of 5715 x 3810 mm, a bitmap of 21603 x 14402 pixels (934 MB).
    const Picture tiny{{1, 1}, 1}, long_{{1500, 100}, 100}, wide{{240, 160}, 90};
    const struct
    {
        const Picture &picture;
        const char *option, *name;
        QStringList extra;
        const char *said;
    } rows[] = {
        {tiny, "--export-pdf", "out.pdf", {}, "印刷範囲がありません"},
        {tiny, "--export-bmp", "out.bmp", {}, "印刷範囲がありません"},
        {tiny, "--export-image", "out.png", {}, "印刷範囲がありません"},
        {long_, "--export-pdf", "out.pdf", {}, "--tile"},
        {long_, "--export-pdf", "out.pdf", {"--tile", "A4"}, "1990 枚"},
        {wide, "--export-bmp", "out.bmp", {}, "21603 × 14402"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row.option << " " << row.extra.join(' ').toStdString()
                                        << " of " << row.picture.px.width() << " px");
        StartedForm started;
        const QString folder = started.folder.path();
        QImage picture(row.picture.px, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        ASSERT_TRUE(picture.save(folder + QStringLiteral("/p.png")));
        startRecordBook(started, folder + QStringLiteral("/p.png"));
        ScaleValues &values = started.form.scale;
        values.GE_tpPtoD_r_X = values.GE_tpPtoD_r_Y = row.picture.ratio;
        saveRecordBookAs(started, folder + QStringLiteral("/p.ini"));

        const QString out = folder + u'/' + QLatin1String(row.name);
        const CommandOutput result = exportFromCommandLine(folder + QStringLiteral("/p.ini"),
                                                           folder, row.option, out, row.extra);
        EXPECT_EQ(result.exitStatus, ExportFailedStatus);
        const QString said = QString::fromUtf8(result.standardError);
        EXPECT_TRUE(said.contains(QString::fromUtf8(row.said))) << said.toStdString();
        EXPECT_EQ(said.count(u'\n'), 1);
        EXPECT_FALSE(QFile::exists(out));
    }

    // In the window: a click of the print-area tool without a drag leaves an area of no size.
    Book book;
    frmMain &form = book.started.form;
    ScriptedPlatform &platform = book.started.platform;
    form.live.shpPrint.Width = form.live.shpPrint.Height = 0;
    const size_t fileDialogs = platform.fileDialogs.size();
    for (const char *command : {"mnuFilePrint", "mnuFileSaveAsImg", "mnuFileExportImg"}) {
        platform.messages.clear();
        form.runCommand(QLatin1String(command));
        ASSERT_EQ(platform.messages.size(), 1u) << command;
        EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("印刷範囲がありません")))
            << command;
    }
    EXPECT_EQ(platform.printerDialogShows, 0);
    EXPECT_EQ(platform.fileDialogs.size(), fileDialogs) << "no file is asked for";
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times saving a record book as a bitmap at actual size, beside Qt's own BMP writer saving an image
// of the same size, on a 6000 x 4000 photograph in an A3 record book whose photograph is larger
// than the print area. The same book serves bench/run to time the PDF export.
//
//   catchscale_output_bench --make-book PHOTO.jpg BOOK.ini
//       writes the record book (the photograph spans 600 x 400 real millimetres); the book must
//       sit in the photograph's folder to find it
//   catchscale_output_bench --make-large-book PHOTO.jpg BOOK.ini
//       the photograph 800 mm wide on a paper of its own size: a print larger than any sheet
//   catchscale_output_bench BOOK.ini FOLDER
//       opens the book as the window does and prints one "name value unit" line per measurement,
//       writing its bitmaps into FOLDER
#include "BenchApplication.h"
#include "BenchReport.h"
#include "Segment.h"
#include "StartedForm.h"
#include "output/BitmapExport.h"
#include "app/OutputCommands.h"
#include "recordbook/RecordBook.h"
#include "app/RecordBookCommands.h"
#include "view/CanvasFrameCache.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// The photograph's real width on A3, and on a paper of its own size.
constexpr double PhotoWidthRealMm = 600;
constexpr double LargePhotoWidthRealMm = 800;
constexpr int Runs = 5;

// A measured fish: body length, height and two fins, each a kept dimension with its caption,
// in canvas millimetres at 100 %.
void measureFish(AnnotationStore &objects)
{
    struct Dimension
    {
        float x1, y1, x2, y2;
        const char16_t *caption;
    };
    const Dimension dimensions[] = {{200, 520, 1400, 520, u"56.7cm"},
                                    {700, 300, 700, 760, u"21.7cm"},
                                    {420, 330, 560, 330, u"6.6cm"},
                                    {980, 700, 1160, 700, u"8.5cm"}};
    for (const Dimension &d : dimensions) {
        AnnotationLabel label = objects.lblKyori.spare();
        label.Caption = QString::fromUtf16(d.caption);
        label.Left = (d.x1 + d.x2) / 2;
        label.Top = (d.y1 + d.y2) / 2 - 12;
        MarkerShape marker = objects.shpSnpo.spare();
        objects.AppendDimension(label, segment(d.x1, d.y1, d.x2, d.y2),
                                segment(d.x1, d.y1 + 20, d.x1, d.y1),
                                segment(d.x2, d.y2 + 20, d.x2, d.y2), marker, marker);
    }
    objects.lineHikidashi.AppendToSpare(segment(1300, 400, 1450, 250));
}

// A new record book of the photograph with the catch template, measured and calibrated so that
// its actual size shows the photograph widthMm wide on the paper.
int makeBook(const QString &photo, const QString &iniPath, double widthMm, const QString &paper)
{
    StartedForm started;
    frmMain &form = started.form;
    started.platform.messageAnswers.push_back(platform::MessageAnswer::Yes);
    newRecordBook(form, photo);
    if (!form.view.pictMapHasPicture)
        return 1;
    measureFish(form.annotations);
    const double ratio = widthMm / form.pictOrgSizeMm().width();
    form.scale.GE_tpPtoD_r_X = ratio;
    form.scale.GE_tpPtoD_r_Y = ratio;
    form.scale.GE_strPpSize = paper;
    const QFileInfo ini(iniPath);
    const auto error = subSaveRecordBook(ini.absolutePath(), ini.fileName(),
                                         form.recordBook.pictureFileName, form.scale,
                                         form.annotations, std::nullopt);
    return error ? 1 : 0;
}

// One way of writing the bitmap, and its best time so far.
struct Writer
{
    const char *name;
    std::function<bool()> write;
    double best = 1e300;
};

// Runs the writers in turn, Runs rounds, so that a busy moment of the machine falls on all of
// them alike, and reports each one's best time. Fails when any write does.
bool reportBestOfRounds(std::vector<Writer> writers)
{
    for (int round = 0; round < Runs; ++round) {
        for (Writer &writer : writers) {
            QElapsedTimer timer;
            timer.start();
            if (!writer.write())
                return false;
            writer.best = std::min(writer.best, milliseconds(timer));
        }
    }
    for (const Writer &writer : writers)
        report(writer.name, writer.best, "ms");
    return true;
}

// The part of the photograph inside the print area, in the photograph's own pixels: what a page
// holds of it when nothing is resampled.
void reportPhotoInPrintArea(const PageScene &scene)
{
    const QRectF seen =
        scene.printAreaMm.intersected(QRectF(QPointF(0, 0), scene.pictureMm));
    const double pxPerMm = scene.picture->width() / scene.pictureMm.width();
    std::printf("photo_in_print_area %ldx%ld px\n", std::lround(seen.width() * pxPerMm),
                std::lround(seen.height() * pxPerMm));
}

int timeExports(frmMain &form, const QDir &out)
{
    const PageScene scene = pageScene(form);
    reportPhotoInPrintArea(scene);
    const auto saveBitmap = [&form, &out] {
        std::optional<RuntimeError> error;
        const ActualSizePage page(form);
        error = subSaveImage({out.filePath(QStringLiteral("book.bmp")), QStringLiteral("bmp")},
                             page.scene(), page.canvasPixels(),
                             form.annotations.shpSnpo[0].FillColor);
        return !error;
    };

    // Straight after opening, before the screen has painted: the reduced copy is made here.
    QElapsedTimer timer;
    timer.start();
    if (!saveBitmap())
        return 1;
    report("bmp_export_cold", milliseconds(timer), "ms");

    // The window paints the book once at actual size, as it does on opening.
    const CanvasViewport viewport{QSize(1600, 900), QPoint(0, 0), form.view.pictMapPx};
    QImage view(viewport.viewSize, QImage::Format_RGB32);
    CanvasFrameCache cache;
    {
        QPainter painter(&view);
        cache.paint(painter, viewport, form.scene(), QRect(QPoint(0, 0), viewport.viewSize));
    }

    // Qt writing the same canvas: straight to the file, and through QSaveFile, which like the
    // export flushes the file to the disk before renaming it into place.
    // In the 32-bit format of the screen's canvas, which Qt's BMP writer takes fastest.
    const QImage canvas =
        subWrightImage(scene, canvasPixels(form), form.annotations.shpSnpo[0].FillColor)
            .convertToFormat(QImage::Format_RGB32);
    const QString plain = out.filePath(QStringLiteral("plain.bmp"));
    const bool timed = reportBestOfRounds(
        {{"bmp_export", saveBitmap},
         {"qimage_save_bmp", [&] { return canvas.save(plain, "BMP"); }},
         {"qimage_save_bmp_flushed", [&] {
              QSaveFile file(plain);
              return file.open(QIODevice::WriteOnly) && canvas.save(&file, "BMP")
                     && file.commit();
          }}});
    return timed ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    BenchApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--make-book"))
        return makeBook(args[2], args[3], PhotoWidthRealMm, QStringLiteral("A3"));
    if (args.size() == 4 && args[1] == QLatin1String("--make-large-book"))
        return makeBook(args[2], args[3], LargePhotoWidthRealMm, QStringLiteral("00"));
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: catchscale_output_bench --make-book PHOTO.jpg BOOK.ini\n"
                             "       catchscale_output_bench --make-large-book PHOTO.jpg BOOK.ini\n"
                             "       catchscale_output_bench BOOK.ini FOLDER\n");
        return 2;
    }
    StartedForm started;
    frmMain &form = started.form;
    started.layOutWindow({1600 + 16, 900 + 16 + 20 + 45});
    openRecordBook(form, QFileInfo(args[1]).absoluteFilePath());
    if (!form.view.pictMapHasPicture || !started.platform.messages.empty()) {
        std::fprintf(stderr, "%s\n", qPrintable(started.platform.messageTexts().join('\n')));
        return 1;
    }
    return timeExports(form, QDir(args[2]));
}

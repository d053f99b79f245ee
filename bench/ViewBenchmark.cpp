// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times picture loading, zooming and painting on a large photograph, and reports peak memory.
//
//   catchscale_view_bench PICTURE.jpg        prints one "name value unit" line per measurement
//   catchscale_view_bench --make-jpeg OUT    writes a 6000 x 4000 test photograph
#include "BenchApplication.h"
#include "BenchReport.h"
#include "StartedForm.h"
#include "SyntheticPhoto.h"
#include "view/CanvasRenderer.h"
#include "view/PictureLoading.h"
#include "app/RecordBookCommands.h"
#include "view/PicturePainter.h"
#include "app/Zoom.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>


namespace {

const QSize ViewSize(1600, 900);

bool makeJpeg(const QString &path)
{
    return writeSyntheticPhoto(path, QSize(6000, 4000), 2, 7);
}

long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// One paint of a 1600 x 900 view at the centre of the canvas, as the window paints it.
void paintView(frmMain &form, PicturePainter &painter, QImage &target)
{
    QPainter p(&target);
    const QPointF origin(std::max(0.0, form.view.pictMapPx.width() / 2 - ViewSize.width() / 2),
                         std::max(0.0, form.view.pictMapPx.height() / 2 - ViewSize.height() / 2));
    p.translate(-origin);
    p.fillRect(QRectF(QPointF(0, 0), form.view.pictMapPx), Qt::white);
    CanvasRenderOptions options;
    options.exposedPx = QRectF(origin, QSizeF(ViewSize));
    options.picturePainter = &painter;
    renderCanvas(p, form.scene(), options);
}


} // namespace

int main(int argc, char **argv)
{
    BenchApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--make-jpeg"))
        return makeJpeg(args[2]) ? 0 : 1;
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: catchscale_view_bench PICTURE.jpg | --make-jpeg OUT\n");
        return 2;
    }

    StartedForm started;
    frmMain &form = started.form;
    started.layOutWindow({1600 + 16, 900 + 16 + 20 + 45});
    PicturePainter painter;
    QImage target(ViewSize, QImage::Format_RGB32);

    QElapsedTimer timer;
    timer.start();
    if (!subMapDraw(form, args[1], PictureOrientation::Upright))
        return 1;
    report("load", timer.nsecsElapsed() / 1e6, "ms");
    ApplyZoom(form, 1.0f);
    paintView(form, painter, target);
    report("load_and_first_paint_100", timer.nsecsElapsed() / 1e6, "ms");
    const double decodedMiB = form.pictOrg.sizeInBytes() / 1048576.0;
    report("decoded_picture", decodedMiB, "MiB");

    const std::pair<const char *, float> zooms[] = {
        {"zoom_and_paint_25", 0.25f}, {"zoom_and_paint_125", 1.25f}, {"zoom_and_paint_350", 3.5f}};
    for (const auto &[name, z] : zooms) {
        timer.restart();
        form.view.ZoomFactor = z;
        ApplyZoom(form, z);
        paintView(form, painter, target);
        report(name, timer.nsecsElapsed() / 1e6, "ms");
    }
    report("peak_memory_at_actual_size", peakResidentKiB() / 1024.0, "MiB");
    return started.platform.messages.empty() ? 0 : 1;
}

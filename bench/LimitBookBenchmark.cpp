// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times the record book at its element limits as the window handles it: opening it (labels sized
// with the real fonts), a zoom step with the repaint of a 1600 x 900 view, saving it, and one
// undo and one redo of clearing its dimensions; beside the time it takes to read its files' bytes
// and decode them from code page 932. The machine is shared, so the zoom step's processor time
// (every thread of the process) is shown as well.
//
//   catchscale_limit_book_bench --make-book FOLDER   writes the book (see LimitBook.h)
//   catchscale_limit_book_bench FOLDER               prints one "name value unit" line per
//                                                    measurement; saves into FOLDER/saved
#include "BenchApplication.h"
#include "BenchReport.h"
#include "LimitBook.h"
#include "StartedForm.h"
#include "platform/Cp932.h"
#include "app/RecordBookCommands.h"
#include "view/CanvasFrameCache.h"
#include "app/Zoom.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include <algorithm>
#include <ctime>

namespace {

const QSize ViewSize(1600, 900);
constexpr int Rounds = 3;

double processorMilliseconds()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return used.tv_sec * 1e3 + used.tv_nsec / 1e6;
}

// What any reader of the book must do at least: read the bytes of its four files and decode them.
// Returns the number of characters, so that nothing can be left out.
qsizetype readAndDecode(const QString &folder)
{
    qsizetype characters = 0;
    for (const QDir dir(folder);
         const QString &name : dir.entryList({QStringLiteral("limit*")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            characters += cp932::decode(file.readAll()).size();
    }
    return characters;
}

// The window's paint of its view after the scene changed: the settled frame afresh, by the
// frame cache the window keeps.
void paintView(frmMain &form, CanvasFrameCache &cache, QImage &target)
{
    const CanvasViewport viewport{ViewSize, -form.canvasOriginPx(), form.view.pictMapPx};
    cache.invalidate();
    QPainter painter(&target);
    cache.paint(painter, viewport, form.scene(), QRect(QPoint(0, 0), ViewSize));
}

} // namespace

int main(int argc, char **argv)
{
    BenchApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--make-book"))
        return writeLimitBook(args[2]) ? 0 : 1;
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: catchscale_limit_book_bench FOLDER | --make-book FOLDER\n");
        return 2;
    }
    const QString folder = args[1];

    // A window that has started: its fonts are loaded, as they are when the user opens a book.
    StartedForm started;
    frmMain &form = started.form;
    started.layOutWindow({ViewSize.width() + 16, ViewSize.height() + 16 + 20 + 45});

    QElapsedTimer timer;
    timer.start();
    openRecordBook(form, limitBookPath(folder));
    report("open_limit_book", milliseconds(timer), "ms");
    if (!started.platform.messages.empty() || form.annotations.dimensionCount() != LimitDimensions)
        return 1;

    double reference = 1e300;
    for (int round = 0; round < Rounds; ++round) {
        timer.restart();
        if (readAndDecode(folder) == 0)
            return 1;
        reference = std::min(reference, milliseconds(timer));
    }
    report("read_and_decode_limit_book", reference, "ms");

    // The toolbar's steps in and out from actual size (half the size at 100 %), each with the
    // paint that follows it; the slowest is shown.
    QImage view(ViewSize, QImage::Format_RGB32);
    CanvasFrameCache cache;
    paintView(form, cache, view);
    double slowestStep = 0, itsProcessorTime = 0;
    for (auto step : {zoomIn, zoomIn, zoomOut, zoomOut, zoomOut}) {
        const double processorBefore = processorMilliseconds();
        timer.restart();
        ResetViewChecks(form);
        step(form);
        paintView(form, cache, view);
        if (milliseconds(timer) > slowestStep) {
            slowestStep = milliseconds(timer);
            itsProcessorTime = processorMilliseconds() - processorBefore;
        }
    }
    report("limit_book_zoom_step_and_paint", slowestStep, "ms");
    report("limit_book_zoom_step_processor_time", itsProcessorTime, "ms");

    // Save As, as the user does it: at 100 % and back to the zoom shown.
    const QString saved = folder + QStringLiteral("/saved");
    QDir().mkpath(saved);
    double save = 1e300;
    for (int round = 0; round < Rounds; ++round) {
        started.platform.fileAnswers.push_back(saved + QStringLiteral("/limit.ini"));
        timer.restart();
        form.runCommand(QStringLiteral("mnuFileSaveAsPrj"));
        save = std::min(save, milliseconds(timer));
    }
    report("save_limit_book", save, "ms");

    // Every leader line cleared, then every dimension; one undo brings the dimensions back and
    // one redo clears them again. Timed without the repaint that follows.
    // The clearing itself carries the copy of the whole book that its undo step keeps.
    form.runCommand(QStringLiteral("popHkdSenAllClr"));
    timer.restart();
    form.runCommand(QStringLiteral("popMesObjDel"));
    report("limit_book_clear_dimensions", milliseconds(timer), "ms");
    double undo = 1e300, redo = 1e300;
    for (int round = 0; round < Rounds; ++round) {
        timer.restart();
        form.runCommand(QStringLiteral("mnuEditUndo"));
        undo = std::min(undo, milliseconds(timer));
        if (form.annotations.dimensionCount() != LimitDimensions)
            return 1;
        timer.restart();
        form.runCommand(QStringLiteral("mnuEditRedo"));
        redo = std::min(redo, milliseconds(timer));
        if (form.annotations.dimensionCount() != 0)
            return 1;
    }
    report("limit_book_undo", undo, "ms");
    report("limit_book_redo", redo, "ms");
    return started.platform.messages.empty() ? 0 : 1;
}

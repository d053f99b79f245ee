// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times opening record books made to be as slow as the reader's caps allow (see HostileBooks.h),
// each in a process of its own as File > Open does it, and the first paint of a 1600 x 900 view
// that follows.
//
//   catchscale_hostile_book_bench --make-books FOLDER   writes the books, prints their names
//   catchscale_hostile_book_bench BOOK.ini NAME         prints "open_hostile_NAME <ms> ms" and
//                                                       "open_and_paint_hostile_NAME <ms> ms"
#include "BenchApplication.h"
#include "BenchReport.h"
#include "HostileBooks.h"
#include "StartedForm.h"
#include "app/RecordBookCommands.h"
#include "view/CanvasFrameCache.h"

#include <QElapsedTimer>
#include <QPainter>

#include <string>

int main(int argc, char **argv)
{
    BenchApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--make-books")) {
        const QStringList names = writeHostileBooks(args[2]);
        for (const QString &name : names)
            std::printf("%s\n", qPrintable(name));
        return names.isEmpty() ? 1 : 0;
    }
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: catchscale_hostile_book_bench BOOK.ini NAME | "
                             "--make-books FOLDER\n");
        return 2;
    }
    const QSize viewSize(1600, 900);
    StartedForm started;
    frmMain &form = started.form;
    started.layOutWindow({viewSize.width() + 16, viewSize.height() + 16 + 20 + 45});
    // A damaged or ambiguous book is told in a message, as it should be; none is expected here.
    started.platform.messageAnswers.assign(8, platform::MessageAnswer::Ok);

    const std::string name = args[2].toStdString();
    QElapsedTimer timer;
    timer.start();
    openRecordBook(form, args[1]);
    report(("open_hostile_" + name).c_str(), timer.nsecsElapsed() / 1e6, "ms");
    QImage view(viewSize, QImage::Format_RGB32);
    {
        CanvasFrameCache cache;
        QPainter painter(&view);
        const CanvasViewport viewport{viewSize, -form.canvasOriginPx(), form.view.pictMapPx};
        cache.paint(painter, viewport, form.scene(), QRect(QPoint(0, 0), viewSize));
    }
    report(("open_and_paint_hostile_" + name).c_str(), timer.nsecsElapsed() / 1e6, "ms");
    return 0;
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times the canvas's handling of one pointer move while measuring with Ctrl held, and one repaint
// of a 1600 x 900 view, on a crowded record book: 16,383 kept dimensions and 30,000 leader lines.
//
//   catchscale_measure_bench     prints one "name value unit" line per measurement
#include "BenchApplication.h"
#include "BenchReport.h"
#include "Segment.h"
#include "StartedForm.h"
#include "measure/PointerEvents.h"
#include "view/CanvasFrameCache.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QRandomGenerator>


namespace {

// Spreads the objects over an A4 canvas, as a record book at its limits might.
void fill(frmMain &form)
{
    QRandomGenerator random(11);
    auto coordinate = [&](double extent) { return float(random.bounded(extent)); };
    AnnotationStore &objects = form.annotations;
    while (objects.dimensionCount() < 16383) {
        const float x = coordinate(280), y = coordinate(200);
        AnnotationLabel label = objects.lblKyori.spare();
        label.Caption = QStringLiteral("12.3cm ");
        label.Left = x;
        label.Top = y;
        MarkerShape marker = objects.shpSnpo.spare();
        objects.AppendDimension(label, segment(x, y, x + 15, y), segment(x, y + 5, x, y),
                                segment(x + 15, y + 5, x + 15, y), marker, marker);
    }
    while (objects.lineHikidashi.UBound() < 30000)
        objects.lineHikidashi.AppendToSpare(
            segment(coordinate(290), coordinate(205), coordinate(290), coordinate(205)));
}


} // namespace

int main(int argc, char **argv)
{
    BenchApplication app(argc, argv);
    StartedForm started;
    frmMain &form = started.form;
    fill(form);
    started.platform.keys.ctrl = true;

    pictMap_MouseDown(form.measuring, 1, 100, 100);
    pictMap_MouseUp(form.measuring, 1, 100, 100);
    constexpr int Moves = 500;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Moves; ++i)
        pictMap_MouseMove(form.measuring, 0, 100.0f + 0.3f * float(i % 200),
                          140.0f + 0.1f * float(i % 90));
    report("pointer_move_with_ctrl", timer.nsecsElapsed() / 1e6 / Moves, "ms");
    // Beyond every object no end is near: the snap search looks at every candidate.
    timer.restart();
    for (int i = 0; i < Moves; ++i)
        pictMap_MouseMove(form.measuring, 0, 300.0f + 0.1f * float(i % 50), 220.0f);
    report("pointer_move_with_ctrl_nothing_near", timer.nsecsElapsed() / 1e6 / Moves, "ms");

    const CanvasViewport viewport{QSize(1600, 900), QPoint(0, 0), form.view.pictMapPx};
    QImage view(viewport.viewSize, QImage::Format_RGB32);
    CanvasFrameCache cache;
    timer.restart();
    {
        QPainter painter(&view);
        cache.paint(painter, viewport, form.scene(), QRect(QPoint(0, 0), viewport.viewSize));
    }
    report("full_frame_render", timer.nsecsElapsed() / 1e6, "ms");

    constexpr int Repaints = 50;
    timer.restart();
    for (int i = 0; i < Repaints; ++i) {
        const QRectF before = liveObjectsBoundsPx(form.live);
        pictMap_MouseMove(form.measuring, 0, 120.0f + float(i), 150.0f);
        const QRect dirty = (before | liveObjectsBoundsPx(form.live)).toAlignedRect();
        QPainter painter(&view);
        cache.paint(painter, viewport, form.scene(), dirty);
    }
    report("move_and_repaint", timer.nsecsElapsed() / 1e6 / Repaints, "ms");

    timer.restart();
    for (int i = 0; i < Repaints; ++i) {
        QPainter painter(&view);
        cache.paint(painter, viewport, form.scene(), QRect(QPoint(0, 0), viewport.viewSize));
    }
    report("whole_view_repaint", timer.nsecsElapsed() / 1e6 / Repaints, "ms");
    return 0;
}

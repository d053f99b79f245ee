// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BookDoor.h"

#include "platform/MenuTree.h"
#include "frmMain.h"
#include "annotations/ObjectRedisplay.h"
#include "document/ScaleModel.h"
#include "measure/MeasurePopup.h"
#include "measure/PointerEvents.h"
#include "measure/frmOption.h"
#include "app/PaperCommands.h"
#include "output/PaperLayout.h"

#include <QStringList>

#include <algorithm>

namespace {

// The book's state around the annotations given, at the zoom its geometry is laid out for.
RecordBookSnapshot snapshotWith(const frmMain &form, AnnotationStore annotations)
{
    const LiveObjects &live = form.live;
    return {std::move(annotations),
            form.scale,
            live.shpPrint,
            live.printAreaDrawn,
            live.shpSps,
            live.shpPrintWaku,
            form.view.LayoutZoom};
}

} // namespace

RecordBookSnapshot FormBookState::capture() const
{
    return snapshotWith(m_form, m_form.annotations);
}

RecordBookSnapshot FormBookState::take()
{
    return snapshotWith(m_form, std::move(m_form.annotations));
}

void FormBookState::restore(RecordBookSnapshot snapshot)
{
    frmMain &form = m_form;
    form.annotations = std::move(snapshot.annotations);
    form.scale = std::move(snapshot.scale);
    form.live.shpPrint = snapshot.printArea;
    form.live.printAreaDrawn = snapshot.printAreaDrawn;
    form.live.shpSps = snapshot.masks;
    form.live.shpPrintWaku = snapshot.paperFrame;
    form.canvas.LeaderGrab = -1;
    if (snapshot.zoom != form.view.LayoutZoom) {
        // Laid out for the zoom it was taken at: brought to this one as a zoom step would.
        form.view.LayoutZoom = snapshot.zoom;
        subDisp_Object(form.annotations, form.live, form.view.LayoutZoom, form.view.ZoomFactor,
                       form.platform);
    }
    sizeCanvasToPaper(form);
    showPaperCaption(form.defaults.lblDefault, form.scale.GE_strPpSize);
    checkHojoLength(form.measuring);
    const float *tilt = form.scale.GE_sngHosei;
    ShowTiltCheck(form.live.lineCheck, form.live.shpCheck[0], form.live.shpCheck[1], tilt[0],
                  tilt[1], tilt[2], tilt[3]);
    if (form.optionDialog)
        form.optionDialog->Form_Load(); // its boxes show the scale values as they are now
}

void FormBookState::cancelDrawing()
{
    ::cancelDrawing(m_form.measuring);
}

void FormBookState::showHistory(bool canUndo, bool canRedo)
{
    m_form.menus[QStringLiteral("mnuEditUndo")].enabled = canUndo;
    m_form.menus[QStringLiteral("mnuEditRedo")].enabled = canRedo;
}

bool changesRecordBook(const QString &menuItemName)
{
    static const QStringList wholeBook = {
        QStringLiteral("mnuFileNewPrj"),    QStringLiteral("mnuFileOpenPrj"),
        QStringLiteral("mnuFileSavePrj"),   QStringLiteral("mnuFileSaveAsPrj"),
        QStringLiteral("mnuFileSaveAsImg"), QStringLiteral("mnuFilePrint"),
        QStringLiteral("mnuFileExportImg"), QStringLiteral("mnuFileExportCsv"),
        QStringLiteral("mnuFilePrintCheck"), QStringLiteral("mnuDispScreenCheck"),
        QStringLiteral("mnuFileEnd"),       QStringLiteral("mnuEditUndo"),
        QStringLiteral("mnuEditRedo"),
    };
    const std::vector<QString> &zoom = MenuTree::zoomGroup();
    return !wholeBook.contains(menuItemName)
           && std::find(zoom.begin(), zoom.end(), menuItemName) == zoom.end();
}

void registerUndoCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuEditUndo"), [&form] { form.document.undo(); });
    form.setCommand(QStringLiteral("mnuEditRedo"), [&form] { form.document.redo(); });
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "annotations/LiveObjects.h"
#include "document/AnnotationStore.h"
#include "output/PageRenderer.h"

#include <QSize>
#include <QSizeF>
#include <QStringList>

class frmMain;

// The page of the open record book as the canvas holds it now; meaningful at the actual-size
// zoom, where the print and the bitmap are made.
PageScene pageScene(const frmMain &form);
// The paper of the record book in millimetres: its frame on the canvas, or for a paper of the
// picture's size the picture on paper.
QSizeF paperSizeMm(const frmMain &form);
// The paper in whole pixels of the bitmap.
QSize canvasPixels(const frmMain &form);
// The files of the open record book, which no export may replace.
QStringList openBookFiles(const frmMain &form);

// The page of the open record book at the actual-size zoom, where the print and the exports are
// made, laid out apart from the window: a copy of the annotations and the print area re-laid as
// the zoom to actual size would lay them, on the book's paper. The view stays as it is.
class ActualSizePage
{
public:
    explicit ActualSizePage(frmMain &form);

    PageScene scene() const;
    QSizeF paperSizeMm() const;
    QSize canvasPixels() const;

private:
    const frmMain &m_form;
    AnnotationStore m_annotations;
    LiveObjects m_live;
    float m_zoom;
    const QImage *m_picture = nullptr;
    // Single precision, as the window keeps the canvas's size. The two stay apart: GCC 12 at -O2
    // pairs two neighbouring double-float-double casts into one vector cast and drops it.
    float m_pictureWidthMm = 0;
    float m_pictureHeightMm = 0;
    QSizeF m_paperFrameMm;
};

// "印刷(&P)...": the print dialog over the page at actual size. These three refuse an empty print
// area with a message.
void mnuFilePrint_Click(frmMain &form);
// "ビットマップファイルへ保存": the canvas at actual size as a BMP file.
void mnuFileSaveAsImg_Click(frmMain &form);
// "画像へ書き出し": the print area as a PNG or JPEG picture, at a resolution for a print shop or
// share-sized.
void mnuFileExportImg_Click(frmMain &form);
// "CSV へ書き出し": the catch book of the record book as it stands, a row for each kept
// dimension.
void mnuFileExportCsv_Click(frmMain &form);

void registerOutputCommands(frmMain &form);

#pragma once

#include "output/PageRenderer.h"

#include <QSize>
#include <QSizeF>
#include <QStringList>

#include <functional>

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

// Runs `work` with the view at the actual-size zoom and the paper laid out (and the masks
// placed around the print area), then puts the zoom back.
void atActualSize(frmMain &form, const std::function<void()> &work);

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

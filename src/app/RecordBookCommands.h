// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/PictureLoading.h"

class QString;
class frmMain;

// The record book commands of the file menu: start a new record book from a picture, open one,
// save it under its name and under a new one. The toolbar's "open" and "save" buttons run Open
// and Save while their entries are enabled.

// New and Open first ask what becomes of unsaved changes (see mayLetChangesGo); a successful save
// marks the book unchanged.

// "新しい記録帳の作成(&N)...": asks for a picture, then newRecordBook.
void mnuFileNewPrj_Click(frmMain &form);
// "記録帳を開く(&O)": asks for a record book, then openRecordBook.
void mnuFileOpenPrj_Click(frmMain &form);
// "記録帳の上書き保存(&S)": writes the open record book where it was opened or last saved; a new
// book that has no file yet is saved as "名前を付けて保存..." saves it.
void mnuFileSavePrj_Click(frmMain &form);
// "名前を付けて保存...": asks for a name and writes the record book there; the name becomes the
// record book's own only once all four files are written.
void mnuFileSaveAsPrj_Click(frmMain &form);

// New and Open once the file is known (the menu commands ask for it; the command line names it).
// New erases every annotation, loads the picture upright, offers the catch template and shows
// the picture at 100 % on a picture-sized paper. Open reads the record book, finds its picture in
// the picture folder setting or else beside the .ini, and shows it at actual size. A failure is
// told with the command's own message and leaves "記録帳の上書き保存" disabled, so that nothing
// half-opened is written over a record book.
// Both leave the book with no undo history, unchanged.
// Open reads and never writes: the exports open a book this way too. A print area kept in the
// book is put back; one that does not fit the canvas is told and the default one used.
void newRecordBook(frmMain &form, const QString &picturePath);
void openRecordBook(frmMain &form, const QString &iniPath);

// What the window's Open does beside the book before reading it: a save of it that was cut off
// is told, with which version the files hold, and completed if the user agrees (a list of moves
// that names other files is told and left alone); then the hidden files that killed saves left
// beside the book are removed, all but those such a list still names.
void settleInterruptedSave(frmMain &form, const QString &iniPath);

// Loads a picture file into the view: the canvas takes it at its own pixel size. On failure the
// user is told why and nothing changes. Returns whether the picture was loaded.
bool subMapDraw(frmMain &form, const QString &file, PictureOrientation orientation);

void registerRecordBookCommands(frmMain &form);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class frmMain;

// Before the open record book goes (quit, closing the window, New, Open): with unsaved changes
// the user is asked "変更を保存しますか?". "保存" saves, under the book's name or, for a book never
// saved, under a name asked for; "保存しない" lets the changes go; "キャンセル" keeps them. Returns
// whether the book may go: always without changes, and after "保存" only once the save succeeded.
bool mayLetChangesGo(frmMain &form);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AnnotationEditing;

// The text tool's pop-up "p文字列" and the leader-line tool's pop-up "p引き出し線". Each has a
// pair of sub-modes, "新規作成" and "選択モード", that exclude each other (the check marks are
// the mode), and an item that erases every object of its kind at once, without asking.

void popMojiNew_Click(AnnotationEditing &edit);
void popMojiSelect_Click(AnnotationEditing &edit);
void popMojiAllClr_Click(AnnotationEditing &edit);

void popHkdSenNew_Click(AnnotationEditing &edit);
void popHkdSenSelect_Click(AnnotationEditing &edit);
void popHkdSenAllClr_Click(AnnotationEditing &edit);

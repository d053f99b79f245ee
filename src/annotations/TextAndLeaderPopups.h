#pragma once

class frmMain;

// The text tool's pop-up "p文字列" and the leader-line tool's pop-up "p引き出し線". Each has a
// pair of sub-modes, "新規作成" and "選択モード", that exclude each other (the check marks are
// the mode), and an item that erases every object of its kind at once, without asking.

void popMojiNew_Click(frmMain &form);
void popMojiSelect_Click(frmMain &form);
void popMojiAllClr_Click(frmMain &form);

void popHkdSenNew_Click(frmMain &form);
void popHkdSenSelect_Click(frmMain &form);
void popHkdSenAllClr_Click(frmMain &form);

void registerTextAndLeaderCommands(frmMain &form);

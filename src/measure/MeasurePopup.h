// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MenuTree.h"

struct MeasuringTool;

// The measure tool's pop-up "p測定": the measuring sub-mode, keeping measurements as dimensions,
// the extension-line length and erasing every dimension. The modes are the items' check marks.

// "選択モード" / "直線寸法": exclusive sub-modes; both hide the live measurement.
void popMesCancel_Click(MeasuringTool &tool);
void popMesLine_Click(MeasuringTool &tool);
// "寸法情報を残す": toggles whether a finished measurement is kept.
void popMesPutSen_Click(MeasuringTool &tool);
// "測定データ全消去": every kept dimension goes and the live measurement is hidden.
void popMesObjDel_Click(MeasuringTool &tool);

// Checks the length item that matches GE_sngHojoLen, and only that one; a length none of them
// offers leaves all six unchecked.
void checkHojoLength(MeasuringTool &tool);

// The commands above and the six lengths popMesHj05 … popMesHj30, for the menu items of the pop-up.
MenuCommands measurePopupCommands(MeasuringTool &tool);

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MenuTree.h"

#include <QString>

struct MeasuringTool;

// "重さの推定": filling the catch record's weight line from the species' length relation when a
// dimension is kept (a choice kept in the settings file), a second estimate from the girth the
// user measured with a tape, and the weight table, which the user may edit.
MenuCommands weightCommands(MeasuringTool &tool);
void showWeightChoice(MeasuringTool &tool);

// After "寸法情報を残す": the weight line follows the longest kept dimension, when the user chose so.
void estimateWeightAfterKeep(MeasuringTool &tool);

// The weight table in use: the user's own copy beside the settings file, else the bundled one.
QString userWeightTablePath(const QString &settingsFile);
QString weightTablePath(const QString &settingsFile, const QString &executableFolder);

// The choice "ON_KEEP" of section "重さの推定"; off unless the file says "1".
bool LoadWeightOnKeep(const QString &settingsFile);

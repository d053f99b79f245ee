// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MenuTree.h"

struct MeasuringTool;

// "寸法の単位": which unit a kept dimension's caption shows, whether it rounds up as
// tournaments do, and whether it adds how far the length can be off. The choice is kept in the
// settings file and checked in the menu.
void showLengthStyle(MeasuringTool &tool);
MenuCommands lengthUnitCommands(MeasuringTool &tool);

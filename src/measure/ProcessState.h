// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measure/LengthUnits.h"
#include "platform/Platform.h"

#include <QString>

#include <map>
#include <optional>
#include <set>

// The values the whole process shares, apart from the open record book: the working folders of
// the settings file, the choices kept there and the flags the dialogs read. Created once at
// start-up and handed to whoever needs it, so a test can make its own.
struct ProcessState
{
    QString executableFolder;
    QString settingsFile;
    QString helpFile;
    QString RecordBookFolder;
    QString PictureFolder;
    bool WindowsNTFlag = false;
    bool OptionDialogOpen = false;
    LengthStyle lengthStyle; // the unit kept dimensions show, from the settings file
    bool estimateWeightOnKeep = false; // "重さの推定": fill the weight line on keeping
    // The catch title last told that the weight table lacks its species: told once, not at every
    // dimension kept under it.
    std::optional<QString> weightTitleTold;
    // The screens measured with the screen self-check, by their settings key: what this run
    // measured or read, in force even when the settings file could not be written.
    std::map<QString, platform::PixelsPerMm> measuredScreens;
    // The screens the user was told once that they have not been measured.
    std::set<QString> unmeasuredScreensTold;
    // "画面上で実物大" was chosen this run: the zoom readout tells real size at that zoom, even
    // once a save or a toolbar button has taken the check mark off the menu.
    bool realSizeOnScreenChosen = false;
};

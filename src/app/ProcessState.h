#pragma once

#include "measure/LengthUnits.h"
#include "view/ScaleModel.h"

#include <QString>

// The values the whole process shares: the scale values (named GE_…, also the record book's keys),
// the working folders of the settings file and the flags the dialogs read. Created once at
// start-up and handed to whoever needs it, so a test can make its own.
struct ProcessState : ScaleValues
{
    QString executableFolder;
    QString settingsFile;
    QString helpFile;
    QString RecordBookFolder;
    QString PictureFolder;
    bool WindowsNTFlag = false;
    bool OptionDialogOpen = false;
    LengthStyle lengthStyle; // the unit kept dimensions show, from the settings file
    // The displayed picture's size in canvas millimetres at the current zoom.
    float CanvasWidthMm = 0;
    float CanvasHeightMm = 0;
};

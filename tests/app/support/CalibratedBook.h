// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StartedForm.h"
#include "app/CommandLine.h"

#include <QPointF>
#include <QString>
#include <QStringList>

// The steps a test's record book is made with, its values set between them: a new record book of
// the picture (without the template), then saved as `iniPath` and left open.
void startRecordBook(StartedForm &started, const QString &picturePath);
void saveRecordBookAs(StartedForm &started, const QString &iniPath);

// `catchscale OPTION OUT BOOK EXTRA…` run without a window, from `executableFolder`.
CommandOutput exportFromCommandLine(const QString &book, const QString &executableFolder,
                                    const char *option, const QString &out,
                                    const QStringList &extra = {});

// A record book on disk, calibrated at 0.8 real millimetres a picture millimetre on A4 paper:
// a light grey picture larger than the paper at actual size, a kept dimension of exactly 100 real
// millimetres, leader lines 3 and 1 pixels wide, and a text label "H" that is 72 points at actual
// size (fonts follow the zoom like everything else on the canvas). Positions below
// are real millimetres, which are page millimetres at actual size. The started form has the
// book written and still open at 100 %.
struct CalibratedBook
{
    static constexpr double Ratio = 0.8;
    static constexpr double DimensionY = 60, DimensionLeft = 40, DimensionLength = 100;
    static constexpr double MarkerDiameter = 2;
    static constexpr double WideLeaderY = 100, ThinLeaderY = 120;
    static constexpr double LeaderLeft = 40, LeaderRight = 140;
    static constexpr double LabelLeft = 200, LabelTop = 40, LabelPoints = 72;
    static constexpr QRgb PictureGrey = 0xFFC8C8C8;

    CalibratedBook();

    StartedForm started;
    QString iniPath;
};

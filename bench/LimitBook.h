// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A record book at the element limits, as a crowded survey of a catch might hold it: 16,383 kept
// dimensions, 2,000 text labels in a few fonts and 30,000 leader lines over a 2400 x 1600
// photograph, calibrated so that its actual size is half its size at 100 %, on A3 paper.
// Captions differ from label to label, as measured lengths and notes do.
inline constexpr int LimitDimensions = 16383;
inline constexpr int LimitTextLabels = 2000;
inline constexpr int LimitLeaderLines = 30000;

// Writes FOLDER/limit.ini, its three object files and FOLDER/photo.jpg; false on failure.
bool writeLimitBook(const QString &folder);

// The limit book's .ini in FOLDER.
QString limitBookPath(const QString &folder);

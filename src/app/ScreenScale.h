// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QString>

#include <optional>

struct ProcessState;

// How many of its pixels a screen shows in a millimetre. The screen's own report is often
// rounded or wrong, so the user measures it against a card (the screen self-check); the
// measurement is kept in Init.ini per screen, in section "画面の実寸": the key is the screen's
// name and geometry ("HDMI-1 1920x1080+0+0"), the value across then down ("3.7795,3.7795").

// Values outside this range are no screen's (25 to 635 dots an inch): a stored or reported one
// there is not used, and the self-check's rectangle stays within it.
inline constexpr double MinScreenPixelsPerMm = 1;
inline constexpr double MaxScreenPixelsPerMm = 25;

// The key of a screen. A name character a key cannot hold (a blank, '=', ';', brackets, quotes,
// '%', anything outside printable ASCII) is written as %XX of its UTF-8 bytes, so that every
// name gives a key of its own that reads back.
QString screenSettingsKey(const platform::ScreenInfo &screen);

QString pixelsPerMmText(platform::PixelsPerMm pixelsPerMm);
// Nothing unless the text is two numbers parted by a comma, each within the range above.
std::optional<platform::PixelsPerMm> parsePixelsPerMm(const QString &text);

// What the screen reports, or the canvas's nominal 96 dots an inch where the report is
// implausible.
platform::PixelsPerMm reportedPixelsPerMm(const platform::ScreenInfo &screen);
// The user's measurement of the screen: from this run, else from the settings file.
std::optional<platform::PixelsPerMm> measuredPixelsPerMm(ProcessState &process,
                                                         const platform::ScreenInfo &screen);
// The measurement when there is one, else the screen's report.
platform::PixelsPerMm screenPixelsPerMm(ProcessState &process, const platform::ScreenInfo &screen);

// Puts the measurement in force for this run and writes it to the settings file; false when the
// file could not be written.
bool keepMeasuredPixelsPerMm(ProcessState &process, const platform::ScreenInfo &screen,
                             platform::PixelsPerMm pixelsPerMm);

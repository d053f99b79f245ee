// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenScale.h"

#include "measure/ProcessState.h"
#include "document/AnnotationTypes.h"
#include "platform/ProfileFile.h"

#include <QStringList>

#include <cmath>

namespace {

const QString Section = QStringLiteral("画面の実寸");

QString signedText(int value)
{
    return (value < 0 ? QString() : QStringLiteral("+")) + QString::number(value);
}

bool plausible(double pixelsPerMm)
{
    return std::isfinite(pixelsPerMm) && pixelsPerMm >= MinScreenPixelsPerMm
           && pixelsPerMm <= MaxScreenPixelsPerMm;
}

} // namespace

QString screenSettingsKey(const platform::ScreenInfo &screen)
{
    const QRect &g = screen.geometry;
    const QString geometry = QStringLiteral("%1x%2").arg(g.width()).arg(g.height())
                             + signedText(g.x()) + signedText(g.y());
    const QString name = escapedKey(screen.name);
    return name.isEmpty() ? geometry : name + u' ' + geometry;
}

QString pixelsPerMmText(platform::PixelsPerMm pixelsPerMm)
{
    return QString::number(pixelsPerMm.across, 'f', 4) + u','
           + QString::number(pixelsPerMm.down, 'f', 4);
}

std::optional<platform::PixelsPerMm> parsePixelsPerMm(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 2)
        return std::nullopt;
    bool acrossOk = false;
    bool downOk = false;
    const platform::PixelsPerMm value{parts[0].trimmed().toDouble(&acrossOk),
                                      parts[1].trimmed().toDouble(&downOk)};
    if (!acrossOk || !downOk || !plausible(value.across) || !plausible(value.down))
        return std::nullopt;
    return value;
}

platform::PixelsPerMm reportedPixelsPerMm(const platform::ScreenInfo &screen)
{
    const platform::PixelsPerMm &reported = screen.reported;
    if (plausible(reported.across) && plausible(reported.down))
        return reported;
    return {ScreenPixelsPerMm, ScreenPixelsPerMm};
}

std::optional<platform::PixelsPerMm> measuredPixelsPerMm(ProcessState &process,
                                                         const platform::ScreenInfo &screen)
{
    const QString key = screenSettingsKey(screen);
    if (const auto kept = process.measuredScreens.find(key); kept != process.measuredScreens.end())
        return kept->second;
    const auto stored = parsePixelsPerMm(ReadSetting(Section, key, process.settingsFile));
    if (stored)
        process.measuredScreens[key] = *stored;
    return stored;
}

platform::PixelsPerMm screenPixelsPerMm(ProcessState &process, const platform::ScreenInfo &screen)
{
    return measuredPixelsPerMm(process, screen).value_or(reportedPixelsPerMm(screen));
}

bool keepMeasuredPixelsPerMm(ProcessState &process, const platform::ScreenInfo &screen,
                             platform::PixelsPerMm pixelsPerMm)
{
    const QString key = screenSettingsKey(screen);
    process.measuredScreens[key] = pixelsPerMm;
    return WriteSetting(Section, key, pixelsPerMmText(pixelsPerMm), process.settingsFile);
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRandomGenerator>
#include <QString>

// A photograph-like JPEG: smooth gradients with fine noise, so the codec cannot shortcut it.
// `scale` stretches the gradients; `seed` fixes the noise, so every run decodes the same file.
inline bool writeSyntheticPhoto(const QString &path, QSize size, int scale, quint32 seed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(24));
            line[x] = qRgb((x / (12 * scale) + noise) & 0xFF, (y / (8 * scale) + noise) & 0xFF,
                           ((x + y) / (20 * scale)) & 0xFF);
        }
    }
    return image.save(path, "JPEG", 90);
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes a fuzz input to disk whole; a disk that refuses stops the run, as that is no finding.
void writeFuzzFile(const QString &path, const QByteArray &bytes);

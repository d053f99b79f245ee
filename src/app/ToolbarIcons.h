// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

// The toolbar's icon for a button key: the desktop theme's where it has one, otherwise a small
// drawing, so the buttons read the same on a bare system.
QIcon toolbarIcon(const QString &key);

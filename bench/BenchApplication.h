// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestEnvironment.h"
#include "platform/FontSubstitutions.h"

#include <QElapsedTimer>
#include <QGuiApplication>

// The application a benchmark runs in: headless and in the tests' fixed locale, with the
// program's font substitutions, so that its figures compare with the tests' and with each other.
class BenchApplication
{
public:
    BenchApplication(int &argc, char **argv) : m_app(argc, argv) { installFontSubstitutions(); }

private:
    // Qt reads the environment when the application is made, so it is prepared first.
    struct PreparedEnvironment
    {
        PreparedEnvironment() { prepareTestEnvironment(); }
    };

    PreparedEnvironment m_environment;
    QGuiApplication m_app;
};

// The time since the timer started, in milliseconds.
inline double milliseconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEnvironment.h"
#include "platform/FontSubstitutions.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    prepareTestEnvironment();
    QApplication app(argc, argv);
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

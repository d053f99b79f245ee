// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

// Slip caught: a refused write told as an invalid path name ("パス名が無効です") where the
// folder only lacks the permission; the window's number and text stay as they were.
TEST(RuntimeError, AFailedWriteNamesItsCauseBesideTheClassicError)
{
    const struct
    {
        int error, number;
        const char *cause; // "": the description says it
    } rows[] = {{EACCES, 75, "権限"}, {EPERM, 75, "権限"}, {EROFS, 75, "読み取り専用"},
                {ENOSPC, 61, ""}, {ENOENT, 76, ""}};
    for (const auto &row : rows) {
        const RuntimeError error = RuntimeError::fromErrno(row.error);
        EXPECT_EQ(error.number, row.number) << row.error;
        EXPECT_EQ(error.cause.isEmpty(), !*row.cause) << row.error;
        EXPECT_TRUE(error.cause.contains(QString::fromUtf8(row.cause))) << row.error;
    }
}

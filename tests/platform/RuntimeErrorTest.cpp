#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

// Slip caught: a refused write told as an invalid path name ("パス名が無効です") where the
// folder only lacks the permission; the window's number and text stay as they were.
TEST(RuntimeError, AFailedWriteNamesItsCauseBesideTheClassicError)
{
    struct Row
    {
        int error;
        int number;
        const char *cause; // nullptr: the description says it
    };
    const Row rows[] = {
        {EACCES, 75, "権限"},
        {EPERM, 75, "権限"},
        {EROFS, 75, "読み取り専用"},
        {ENOSPC, 61, nullptr},
        {ENOENT, 76, nullptr},
    };
    for (const Row &row : rows) {
        const RuntimeError error = RuntimeError::fromErrno(row.error);
        EXPECT_EQ(error.number, row.number) << row.error;
        if (row.cause)
            EXPECT_TRUE(error.cause.contains(QString::fromUtf8(row.cause))) << row.error;
        else
            EXPECT_TRUE(error.cause.isEmpty()) << row.error;
    }
}

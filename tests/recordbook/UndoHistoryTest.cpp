// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/UndoHistory.h"

#include <gtest/gtest.h>

namespace {

// A state whose one text label carries `characters` characters: about twice as many bytes.
RecordBookSnapshot stateOfSize(int characters, int tag)
{
    RecordBookSnapshot state;
    state.annotations.lblMoji[0].Caption = QString(characters, u'鯛');
    state.scale.GE_sngHojoLen = float(tag);
    return state;
}

} // namespace

// The history keeps 200 steps or 64 MiB, whichever comes first; the oldest steps go, and a step
// larger than the whole budget is still kept on its own.
TEST(UndoHistory, KeepsTheNewestStepsWithinCountAndBytes)
{
    constexpr int MiB = 1 << 20;
    struct Row
    {
        const char *what;
        int pushes;
        int characters;
        std::size_t kept;
    };
    const Row rows[] = {
        {"small steps stop at 200", 205, 10, 200},
        {"4 MiB steps stop at 64 MiB", 40, 2 * MiB, 15},
        {"one step past the budget stays alone", 3, 40 * MiB, 1},
    };
    for (const Row &row : rows) {
        UndoHistory history;
        for (int i = 1; i <= row.pushes; ++i)
            history.push(stateOfSize(row.characters, i));
        EXPECT_EQ(history.undoCount(), row.kept) << row.what;
        EXPECT_TRUE(history.bytes() <= UndoHistory::MaxBytes || row.kept == 1) << row.what;
        // The newest step is the one kept at the top.
        const auto back = history.undo(stateOfSize(1, 0));
        ASSERT_TRUE(back) << row.what;
        EXPECT_EQ(back->scale.GE_sngHojoLen, float(row.pushes)) << row.what;
    }
}

// Undoing back to the saved state is unchanged again; a new step after undo loses the way back
// to a saved state that was only reachable by redo.
TEST(UndoHistory, ModifiedFollowsTheVersionNotTheDirection)
{
    UndoHistory history;
    history.push(stateOfSize(1, 1));
    history.markSaved();
    EXPECT_FALSE(history.isModified());
    history.push(stateOfSize(1, 2));
    EXPECT_TRUE(history.isModified());
    history.undo(stateOfSize(1, 3));
    EXPECT_FALSE(history.isModified());
    history.undo(stateOfSize(1, 4));
    EXPECT_TRUE(history.isModified());
    history.push(stateOfSize(1, 5)); // the redo steps, the saved state among them, go
    EXPECT_FALSE(history.canRedo());
    history.undo(stateOfSize(1, 6));
    EXPECT_TRUE(history.isModified());
}

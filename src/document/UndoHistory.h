// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordBookSnapshot.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

// The undo and redo steps of one record book, each the whole state as it was before (undo) or
// after (redo) a change. Every state the book passes through has a version, so that the book is
// unchanged exactly when its version is the one last saved, however it got back there.
// The history keeps at most MaxSteps steps and about MaxBytes bytes of snapshots; past either,
// the oldest undo steps go first.
class UndoHistory
{
public:
    static constexpr std::size_t MaxSteps = 200;
    static constexpr std::size_t MaxBytes = std::size_t(64) << 20;

    // A change was made: `before` is the state it started from. `gesture` names the user gesture
    // it belongs to (0: none); see continuesGesture.
    void push(RecordBookSnapshot before, std::uint64_t gesture = 0);
    // Whether the latest step belongs to `gesture` and nothing was undone since: a further change
    // within that gesture is part of the same step.
    bool continuesGesture(std::uint64_t gesture) const;

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    std::size_t undoCount() const { return m_undo.size(); }
    // Hands the state to restore for undo (or redo), keeping `current` for the way back.
    std::optional<RecordBookSnapshot> undo(RecordBookSnapshot current);
    std::optional<RecordBookSnapshot> redo(RecordBookSnapshot current);

    // Every step goes and the state now held counts as saved (a new or freshly opened book).
    void clear();
    void markSaved() { m_savedVersion = m_version; }
    bool isModified() const { return m_version != m_savedVersion; }
    std::size_t bytes() const { return m_bytes; }

private:
    struct Step
    {
        RecordBookSnapshot state;
        std::uint64_t version = 0;
        std::uint64_t gesture = 0;
        std::size_t bytes = 0;
    };

    void add(std::deque<Step> &steps, RecordBookSnapshot state, std::uint64_t version,
             std::uint64_t gesture);
    std::optional<RecordBookSnapshot> travel(std::deque<Step> &from, std::deque<Step> &to,
                                             RecordBookSnapshot current);
    void drop(std::deque<Step> &steps, bool oldest);
    void trim(const std::deque<Step> &newest);

    std::deque<Step> m_undo; // the latest step at the back
    std::deque<Step> m_redo; // the next step to redo at the back
    std::uint64_t m_version = 0;
    std::uint64_t m_savedVersion = 0;
    std::uint64_t m_lastVersion = 0;
    std::size_t m_bytes = 0;
};

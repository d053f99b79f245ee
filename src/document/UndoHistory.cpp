// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "UndoHistory.h"

void UndoHistory::add(std::deque<Step> &steps, RecordBookSnapshot state, std::uint64_t version,
                      std::uint64_t gesture)
{
    const std::size_t bytes = estimatedBytes(state);
    steps.push_back({std::move(state), version, gesture, bytes});
    m_bytes += bytes;
}

void UndoHistory::drop(std::deque<Step> &steps, bool oldest)
{
    m_bytes -= oldest ? steps.front().bytes : steps.back().bytes;
    if (oldest)
        steps.pop_front();
    else
        steps.pop_back();
}

void UndoHistory::push(RecordBookSnapshot before, std::uint64_t gesture)
{
    while (!m_redo.empty())
        drop(m_redo, false);
    add(m_undo, std::move(before), m_version, gesture);
    m_version = ++m_lastVersion;
    trim(m_undo);
}

bool UndoHistory::continuesGesture(std::uint64_t gesture) const
{
    return gesture != 0 && !m_undo.empty() && m_undo.back().gesture == gesture;
}

std::optional<RecordBookSnapshot> UndoHistory::travel(std::deque<Step> &from,
                                                      std::deque<Step> &to,
                                                      RecordBookSnapshot current)
{
    if (from.empty())
        return std::nullopt;
    Step step = std::move(from.back());
    from.pop_back();
    m_bytes -= step.bytes;
    add(to, std::move(current), m_version, 0);
    m_version = step.version;
    trim(to);
    return std::move(step.state);
}

std::optional<RecordBookSnapshot> UndoHistory::undo(RecordBookSnapshot current)
{
    return travel(m_undo, m_redo, std::move(current));
}

std::optional<RecordBookSnapshot> UndoHistory::redo(RecordBookSnapshot current)
{
    return travel(m_redo, m_undo, std::move(current));
}

void UndoHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_bytes = 0;
    m_version = ++m_lastVersion;
    m_savedVersion = m_version;
}

// The oldest undo steps go first, then the farthest redo steps; the step just made or travelled
// stays whatever its size.
void UndoHistory::trim(const std::deque<Step> &newest)
{
    const auto over = [this] {
        return m_undo.size() + m_redo.size() > MaxSteps || m_bytes > MaxBytes;
    };
    const auto kept = [&newest](const std::deque<Step> &steps) {
        return &steps == &newest ? std::size_t(1) : std::size_t(0);
    };
    while (over() && m_undo.size() > kept(m_undo))
        drop(m_undo, true);
    while (over() && m_redo.size() > kept(m_redo))
        drop(m_redo, true);
}

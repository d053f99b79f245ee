// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordBookDocument.h"

void RecordBookDocument::beginChange(std::uint64_t gesture)
{
    if (m_depth++ > 0)
        return;
    m_gesture = gesture;
    // Later events of a gesture that has already made its step add to that step.
    if (!m_history.continuesGesture(gesture))
        m_before = capture();
}

void RecordBookDocument::endChange()
{
    if (--m_depth > 0)
        return;
    if (m_before) {
        if (!(capture() == *m_before))
            m_history.push(std::move(*m_before), m_gesture);
        m_before.reset();
    }
    publish();
}

bool RecordBookDocument::canUndo() const
{
    return m_depth == 0 && m_history.canUndo();
}

bool RecordBookDocument::canRedo() const
{
    return m_depth == 0 && m_history.canRedo();
}

void RecordBookDocument::undo()
{
    if (!canUndo())
        return;
    m_state.cancelDrawing();
    restore(*m_history.undo(m_state.take()));
}

void RecordBookDocument::redo()
{
    if (!canRedo())
        return;
    m_state.cancelDrawing();
    restore(*m_history.redo(m_state.take()));
}

void RecordBookDocument::markSaved()
{
    m_history.markSaved();
    publish();
}

void RecordBookDocument::reset()
{
    m_history.clear();
    publish();
}

void RecordBookDocument::restore(RecordBookSnapshot snapshot)
{
    m_state.restore(std::move(snapshot));
    publish();
}

void RecordBookDocument::publish()
{
    m_state.showHistory(canUndo(), canRedo());
}

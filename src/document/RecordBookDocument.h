// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/UndoHistory.h"

#include <cstdint>
#include <optional>

// The open book as the door sees it: its owner takes copies of the state and puts them back,
// stops whatever is being drawn before an undo, and shows whether undo and redo are possible.
class RecordBookState
{
public:
    virtual ~RecordBookState() = default;
    virtual RecordBookSnapshot capture() const = 0;
    // The state as it is, moved out rather than copied: a restore follows at once.
    virtual RecordBookSnapshot take() = 0;
    virtual void restore(RecordBookSnapshot snapshot) = 0;
    virtual void cancelDrawing() = 0;
    virtual void showHistory(bool canUndo, bool canRedo) = 0;
};

// The door every change of the open record book goes through. A command, a pointer event, a
// label event, the option dialog's "設定" and the points typed into it open a change before they
// touch the book and close it after; changes opened inside another belong to the outer one. When
// the outermost change closes and the book differs from the copy taken when it opened, that copy
// becomes an undo step. A gesture (a press, the moves with the button held and the release; both
// clicks of a measurement) is one step however many events it takes. Zooming and scrolling make
// no step: a copy remembers the zoom its geometry was laid out for and comes back at the zoom of
// the moment, laid out the way a zoom lays out.
class RecordBookDocument
{
public:
    explicit RecordBookDocument(RecordBookState &state) : m_state(state) {}

    void beginChange(std::uint64_t gesture = 0);
    void endChange();
    // A new gesture starts (a button went down): its events share the number returned.
    std::uint64_t startGesture() { return ++m_lastGesture; }
    std::uint64_t currentGesture() const { return m_lastGesture; }

    // "元に戻す" and "やり直し": whatever is being drawn is dropped first, and an open option
    // dialog shows the scale values that come back. Refused while a change is open (a pop-up
    // menu or dialog of a command).
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;

    // A save wrote the book as it is now; a new or opened book starts with no history, unchanged.
    void markSaved();
    void reset();
    bool isModified() const { return m_history.isModified(); }

    RecordBookSnapshot capture() const { return m_state.capture(); }
    const UndoHistory &history() const { return m_history; }

private:
    void restore(RecordBookSnapshot snapshot);
    // The edit menu follows the history.
    void publish();

    RecordBookState &m_state;
    UndoHistory m_history;
    std::optional<RecordBookSnapshot> m_before; // while a change is open, unless it continues
    int m_depth = 0;
    std::uint64_t m_gesture = 0;
    std::uint64_t m_lastGesture = 0;
};

// Opens a change for its lifetime.
class DocumentChange
{
public:
    explicit DocumentChange(RecordBookDocument &document, std::uint64_t gesture = 0)
        : m_document(document)
    {
        m_document.beginChange(gesture);
    }
    ~DocumentChange() { m_document.endChange(); }
    DocumentChange(const DocumentChange &) = delete;
    DocumentChange &operator=(const DocumentChange &) = delete;

private:
    RecordBookDocument &m_document;
};

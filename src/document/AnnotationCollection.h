// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"
#include "document/CompactionFields.h"

#include <cstddef>
#include <optional>
#include <type_traits>
#include <vector>

enum class CollectionPolicy {
    // The element at UBound is always a hidden spare, filled when the next object is kept;
    // element 0 is the first object.
    SpareOnTop,
    // Element 0 is a hidden template that is never shown; the objects are 1 … UBound.
    TemplateAtZero,
};

// A canvas object array indexed from 0 by a signed 16-bit number, so no index passes 32767.
// Element 0 exists from construction and is never removed; every further element is created on
// top as a hidden copy of element 0 as it stands at that moment. Indices stay gapless: only the
// top element can be destroyed.
template <class T>
class AnnotationCollection
{
public:
    static constexpr int MaxIndex = 32767;

    AnnotationCollection(CollectionPolicy policy, const T &element0)
        : m_policy(policy), m_elements{element0}
    {
    }

    CollectionPolicy policy() const { return m_policy; }
    int UBound() const { return int(m_elements.size()) - 1; }

    T &operator[](int i) { return m_elements[std::size_t(i)]; }
    const T &operator[](int i) const { return m_elements[std::size_t(i)]; }
    T &at(int i) { return m_elements.at(std::size_t(i)); }
    const T &at(int i) const { return m_elements.at(std::size_t(i)); }
    // The top element: the hidden spare of a spare-on-top collection.
    const T &spare() const { return m_elements.back(); }

    auto begin() const { return m_elements.cbegin(); }
    auto end() const { return m_elements.cend(); }

    // Whether `count` more elements fit on top.
    bool hasRoomFor(int count) const { return UBound() + count <= MaxIndex; }

    // Makes element n, which must be UBound + 1 and at most 32767; refuses otherwise.
    bool CreateElement(int n)
    {
        if (n != UBound() + 1 || n > MaxIndex)
            return false;
        T copy = m_elements.front();
        copy.Visible = false;
        m_elements.push_back(std::move(copy));
        return true;
    }

    // Removes element n, which must be the top and not element 0; refuses otherwise.
    bool DestroyElement(int n)
    {
        if (n < 1 || n != UBound())
            return false;
        m_elements.pop_back();
        return true;
    }

    // Keeps a new object in the spare and puts a new hidden spare on top; returns the index
    // filled. Refused without any change when the new spare would pass index 32767, and in a
    // collection that has no spare.
    std::optional<int> AppendToSpare(const T &fields)
    {
        if (m_policy != CollectionPolicy::SpareOnTop || !hasRoomFor(1))
            return std::nullopt;
        const int filled = UBound();
        m_elements[std::size_t(filled)] = fields;
        m_elements[std::size_t(filled)].Visible = true;
        CreateElement(filled + 1);
        if constexpr (std::is_same_v<T, AnnotationLine>) {
            m_elements.back().BorderStyle = BorderSolid;
            m_elements.back().BorderWidth = 1;
        }
        return filled;
    }

    // Removes object k of a one-per-object collection: every later element moves down one place
    // with its own fields and the top is destroyed. Removing the spare only hides it again, and
    // with element 0 alone the removal hides element 0; the template is never removed.
    // An index outside the collection changes nothing.
    void RemoveAt(int k)
    {
        const int top = UBound();
        if (k < 0 || k > top)
            return;
        if (k == top && (top == 0 || m_policy == CollectionPolicy::SpareOnTop)) {
            m_elements[std::size_t(k)].Visible = false;
            return;
        }
        if (k == 0 && m_policy == CollectionPolicy::TemplateAtZero)
            return;
        for (int j = k; j < top; ++j)
            moveCompactedFields(m_elements[std::size_t(j)], m_elements[std::size_t(j) + 1]);
        m_elements.pop_back();
    }

    // Removes dimension k from a two-per-dimension collection (elements 2k and 2k + 1): later
    // pairs move down one pair, the top two elements go and the new top is hidden as the spare.
    // Removing the spare pair only hides the spare; an index outside changes nothing.
    void RemovePair(int k)
    {
        const int top = UBound();
        const int first = 2 * k;
        if (k < 0 || first > top)
            return;
        if (first + 2 > top) {
            m_elements[std::size_t(first)].Visible = false;
            return;
        }
        for (int j = first; j <= top - 3; ++j)
            moveCompactedFields(m_elements[std::size_t(j)], m_elements[std::size_t(j) + 2]);
        m_elements.pop_back();
        m_elements.pop_back();
        m_elements.back().Visible = false;
    }

    // Destroys elements 1 … UBound and hides element 0. Nothing observes the collection between
    // two destructions, so they go as one block.
    void Clear()
    {
        m_elements.erase(m_elements.begin() + 1, m_elements.end());
        m_elements.front().Visible = false;
    }

    bool operator==(const AnnotationCollection &) const = default;

private:
    CollectionPolicy m_policy;
    std::vector<T> m_elements;
};

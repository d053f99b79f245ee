// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>

#include <atomic>
#include <mutex>
#include <utility>

// The one instance of a cache that holds fonts, made on first use (from whichever thread) with
// the given arguments. It is cleared when the installed fonts change, and it goes with the
// application: fonts must not outlive it.
template <class Cache, class... Arguments>
Cache &fontCache(Arguments &&...arguments)
{
    static std::atomic<Cache *> cache = nullptr;
    if (Cache *made = cache.load(std::memory_order_acquire))
        return *made;
    static std::mutex making;
    const std::lock_guard lock(making);
    if (!cache.load(std::memory_order_relaxed)) {
        cache.store(new Cache(std::forward<Arguments>(arguments)...), std::memory_order_release);
        qAddPostRoutine([] { delete cache.exchange(nullptr); });
        if (qGuiApp) {
            QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, [] {
                if (Cache *made = cache.load())
                    made->clear();
            });
        }
    }
    return *cache.load(std::memory_order_relaxed);
}

// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A thread that works beside the caller, one job at a time. Fonts belong to the thread that made
// them, so the thread keeps a Context of its own (caption layouts, text measurements) from job
// to job, and lets it go on that thread when it stops. The thread starts with the first job.
template <class Context>
class FontThread
{
public:
    using Job = std::function<void(Context &)>;

    FontThread() = default;
    FontThread(const FontThread &) = delete;
    FontThread &operator=(const FontThread &) = delete;
    ~FontThread() { stop(); }

    // Runs the job on the thread and returns at once; wait() before the next.
    void start(Job job)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_job = std::move(job);
            m_busy = true;
            m_stopping = false;
        }
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
        m_changed.notify_all();
    }

    // Returns once the job started last has finished.
    void wait()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_busy; });
    }

    // Ends the thread after its job; the next job starts it again with a new context.
    void stop()
    {
        if (!m_thread.joinable())
            return;
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

private:
    void run()
    {
        Context context;
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_busy || m_stopping; });
            if (m_busy) {
                Job job = std::move(m_job);
                lock.unlock();
                job(context);
                lock.lock();
                m_busy = false;
                m_changed.notify_all();
            } else {
                return;
            }
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Job m_job;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};

#include "FrameWorker.h"

FrameWorker::~FrameWorker()
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

void FrameWorker::start(Job job)
{
    {
        const std::lock_guard lock(m_mutex);
        m_job = std::move(job);
        m_busy = true;
    }
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
    m_changed.notify_all();
}

void FrameWorker::wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_busy; });
}

void FrameWorker::run()
{
    CaptionLayouts layouts;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_busy || m_stopping; });
        if (m_stopping)
            return;
        Job job = std::move(m_job);
        lock.unlock();
        job(layouts);
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}

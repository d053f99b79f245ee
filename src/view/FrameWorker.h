#pragma once

#include "annotations/CaptionLayouts.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A thread that renders part of a frame while the caller renders the rest. It keeps caption
// layouts of its own, since fonts belong to the thread that made them, and lets them go on that
// thread before it ends. The thread starts with the first job.
class FrameWorker
{
public:
    using Job = std::function<void(CaptionLayouts &)>;

    FrameWorker() = default;
    FrameWorker(const FrameWorker &) = delete;
    FrameWorker &operator=(const FrameWorker &) = delete;
    ~FrameWorker();

    // Runs the job on the worker thread and returns at once; wait() before the next.
    void start(Job job);
    // Returns once the job started last has finished.
    void wait();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Job m_job;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};

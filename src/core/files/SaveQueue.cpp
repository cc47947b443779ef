#include "core/files/SaveQueue.h"

SaveQueue::SaveQueue() : m_thread([this] { Run(); }) {}

SaveQueue::~SaveQueue()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void SaveQueue::Save(const std::optional<FilePath>& file, std::string bytes, Done done)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Job* waiting = nullptr;
        for (Job& job : m_waiting)
            if (job.file == file)
                waiting = &job;
        if (!waiting)
        {
            m_waiting.push_back(Job{file, {}, {}});
            waiting = &m_waiting.back();
        }
        waiting->bytes = std::move(bytes);
        if (done)
            waiting->done.push_back(std::move(done));
    }
    m_changed.notify_all();
}

void SaveQueue::Flush()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_waiting.empty() && !m_saving; });
}

void SaveQueue::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;)
    {
        m_changed.wait(lock, [this] { return !m_waiting.empty() || m_stopping; });
        if (m_waiting.empty())
            return;
        Job job = std::move(m_waiting.front());
        m_waiting.pop_front();
        m_saving = true;
        lock.unlock();
        const SaveFailure failure = SaveFileSafely(job.file, job.bytes);
        for (const Done& done : job.done)
            done(failure);
        lock.lock();
        m_saving = false;
        m_changed.notify_all();
    }
}

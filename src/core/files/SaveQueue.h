// Saves that run on a thread of their own, so that typing never waits for a disk: each file is
// written through SaveFileSafely, in the order the saves were asked for. A save asked for while
// an earlier one of the same file still waits takes that one's place, so a later save never
// loses to an earlier one and a file is not written twice for nothing.
#pragma once

#include "core/files/SafeSave.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class SaveQueue
{
public:
    // Runs on the saving thread once a save is done (or replaced by a later one, which then
    // reports for both), with how it went.
    using Done = std::function<void(SaveFailure)>;

    SaveQueue();
    // Waits for every save asked for, then ends the thread.
    ~SaveQueue();
    SaveQueue(const SaveQueue&) = delete;
    SaveQueue& operator=(const SaveQueue&) = delete;

    // Asks for the bytes to be saved as the file.
    void Save(const std::optional<FilePath>& file, std::string bytes, Done done = {});
    // Returns once every save asked for so far is done.
    void Flush();

private:
    struct Job
    {
        std::optional<FilePath> file;
        std::string bytes;
        std::vector<Done> done;
    };

    void Run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Job> m_waiting;
    bool m_saving = false;
    bool m_stopping = false;
    std::thread m_thread;
};

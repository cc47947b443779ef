#include "core/closing/ClosingLock.h"

#include "core/files/FileBytes.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace
{

// A lock holds three short lines; anything larger is not one of ours.
constexpr std::size_t kLockSizeLimit = 4096;

// How often, and how far apart, a lock that names nobody is looked at before it is taken: its
// maker writes three short lines right after making it.
constexpr int kLooksAtANamelessLock = 5;
constexpr std::chrono::milliseconds kNamelessLockPause{20};

std::string LockBytes(const ClosingLockHolder& holder)
{
    return holder.user + "\r\n" + holder.computer + "\r\n" + std::to_string(holder.processId) +
           "\r\n";
}

bool SameComputer(const ClosingLockHolder& a, const ClosingLockHolder& b)
{
    return a.computer == b.computer;
}

bool SameProgram(const ClosingLockHolder& a, const ClosingLockHolder& b)
{
    return SameComputer(a, b) && a.processId == b.processId;
}

} // namespace

FilePath ClosingLockPath(const FilePath& closing)
{
    return closing.parent_path() / (FilePath("~$").native() + closing.filename().native());
}

std::optional<ClosingLockHolder> ReadClosingLock(const FilePath& closing)
{
    const FileBytes file = ReadFileBytes(ClosingLockPath(closing), kLockSizeLimit);
    if (file.status != FileBytes::Status::Whole)
        return std::nullopt;
    std::string lines[3];
    std::size_t start = 0;
    for (std::string& line : lines)
    {
        const std::size_t end = file.bytes.find('\n', start);
        line = file.bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        start = end == std::string::npos ? file.bytes.size() : end + 1;
    }
    if (lines[0].empty() && lines[1].empty())
        return std::nullopt;
    return ClosingLockHolder{lines[0], lines[1], std::strtoul(lines[2].c_str(), nullptr, 10)};
}

std::optional<ClosingLockHolder> TakeClosingLock(
    const FilePath& closing, const ClosingLockHolder& self,
    const std::function<bool(unsigned long processId)>& isRunning)
{
    const FilePath lock = ClosingLockPath(closing);
    const std::string bytes = LockBytes(self);
    for (int look = 1;; ++look)
    {
        // Made anew in one step: of two programs opening the closing at once, one takes it.
        switch (WriteNewFile(lock, bytes))
        {
        case NewFile::Written:
            return std::nullopt;
        case NewFile::Failed:
            // A lock that cannot be written keeps nobody out: the closing opens as it would
            // without one.
            return std::nullopt;
        case NewFile::Exists:
            break;
        }
        if (const std::optional<ClosingLockHolder> holder = ReadClosingLock(closing))
        {
            const bool ours = SameProgram(*holder, self);
            const bool died = SameComputer(*holder, self) && !isRunning(holder->processId);
            if (!ours && !died)
                return holder;
            SaveFileSafely(lock, bytes);
            // Another program of this computer may have taken over the same dead lock at the
            // same moment: the lock is whoever's it names now.
            const std::optional<ClosingLockHolder> now = ReadClosingLock(closing);
            if (now && !SameProgram(*now, self))
                return now;
            return std::nullopt;
        }
        // A lock that names nobody is being written by the program that just made it, or was
        // left so: looked at again for a moment, after which it keeps nobody out.
        if (look == kLooksAtANamelessLock)
        {
            SaveFileSafely(lock, bytes);
            return std::nullopt;
        }
        std::this_thread::sleep_for(kNamelessLockPause);
    }
}

void ReleaseClosingLock(const FilePath& closing, const ClosingLockHolder& self)
{
    const std::optional<ClosingLockHolder> holder = ReadClosingLock(closing);
    if (!holder || !SameProgram(*holder, self))
        return;
    std::error_code ignored;
    std::filesystem::remove(ClosingLockPath(closing), ignored);
}

std::string ClosingLockedMessage(const FilePath& closing, const ClosingLockHolder& holder)
{
    return closing.filename().u8string() + " is open by " + holder.user + " on " + holder.computer +
           ".";
}

#include "core/closing/ClosingLock.h"

#include "core/files/FileBytes.h"

#include <cstdlib>

namespace
{

// A lock holds three short lines; anything larger is not one of ours.
constexpr std::size_t kLockSizeLimit = 4096;

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
    if (const std::optional<ClosingLockHolder> holder = ReadClosingLock(closing))
    {
        const bool ours = SameProgram(*holder, self);
        const bool died = SameComputer(*holder, self) && !isRunning(holder->processId);
        if (!ours && !died)
            return holder;
    }
    // A lock that cannot be written keeps nobody out: the closing opens as it would without one.
    SaveFileSafely(ClosingLockPath(closing), LockBytes(self));
    return std::nullopt;
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

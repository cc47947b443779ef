#include "core/closing/ClosingRecords.h"

#include "core/files/FileBytes.h"

#include <algorithm>
#include <string>

namespace
{

// A record is a short list of paths or a digest; anything longer is not one of ours.
constexpr std::size_t kRecordSizeLimit = 64 * 1024;

std::optional<FilePath> RecordPath(const std::optional<FilePath>& folder, const char* name)
{
    if (!folder)
        return std::nullopt;
    return *folder / name;
}

// The record's paths, one a line; empty lines and a missing or oversized record give none.
std::vector<FilePath> ReadPaths(const std::optional<FilePath>& record)
{
    std::vector<FilePath> paths;
    const FileBytes file = ReadFileBytes(record, kRecordSizeLimit);
    if (file.status != FileBytes::Status::Whole)
        return paths;
    std::size_t start = 0;
    while (start < file.bytes.size())
    {
        std::size_t end = file.bytes.find('\n', start);
        if (end == std::string::npos)
            end = file.bytes.size();
        std::string line = file.bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            paths.push_back(std::filesystem::u8path(line));
        start = end + 1;
    }
    return paths;
}

SaveFailure WritePaths(const std::optional<FilePath>& record, const std::vector<FilePath>& paths)
{
    std::string bytes;
    for (const FilePath& path : paths)
        bytes += path.u8string() + "\r\n";
    return SaveFileSafely(record, bytes);
}

// Removes the record; a missing one is removed already.
SaveFailure RemoveRecord(const std::optional<FilePath>& record)
{
    std::error_code error;
    if (record)
        std::filesystem::remove(*record, error);
    return error ? SaveFailure::Other : SaveFailure::None;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::optional<FilePath> ReadOpenClosingPath(const std::optional<FilePath>& folder)
{
    const std::vector<FilePath> paths = ReadPaths(RecordPath(folder, kOpenClosingFileName));
    if (paths.empty())
        return std::nullopt;
    return paths.front();
}

SaveFailure WriteOpenClosingPath(const std::optional<FilePath>& folder,
                                 const std::optional<FilePath>& closing)
{
    const std::optional<FilePath> record = RecordPath(folder, kOpenClosingFileName);
    return closing ? WritePaths(record, {*closing}) : RemoveRecord(record);
}

std::optional<std::string> ReadSavedClosingDigest(const std::optional<FilePath>& folder)
{
    FileBytes record = ReadFileBytes(RecordPath(folder, kSavedClosingFileName), kRecordSizeLimit);
    if (record.status != FileBytes::Status::Whole)
        return std::nullopt;
    while (!record.bytes.empty() && (record.bytes.back() == '\n' || record.bytes.back() == '\r'))
        record.bytes.pop_back();
    if (record.bytes.empty())
        return std::nullopt;
    return record.bytes;
}

SaveFailure WriteSavedClosingDigest(const std::optional<FilePath>& folder,
                                    const std::optional<std::string>& digest)
{
    const std::optional<FilePath> record = RecordPath(folder, kSavedClosingFileName);
    return digest ? SaveFileSafely(record, *digest + "\r\n") : RemoveRecord(record);
}

std::vector<FilePath> ReadRecentClosings(const std::optional<FilePath>& folder)
{
    std::vector<FilePath> closings = ReadPaths(RecordPath(folder, kRecentClosingsFileName));
    if (closings.size() > kRecentClosingsKept)
        closings.resize(kRecentClosingsKept);
    return closings;
}

SaveFailure WriteRecentClosings(const std::optional<FilePath>& folder,
                                const std::vector<FilePath>& closings)
{
    return WritePaths(RecordPath(folder, kRecentClosingsFileName), closings);
}

bool IsSameClosingPath(const FilePath& a, const FilePath& b)
{
    const std::string left = a.u8string();
    const std::string right = b.u8string();
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::vector<FilePath> WithRecentClosing(std::vector<FilePath> closings, const FilePath& closing)
{
    closings = WithoutRecentClosing(std::move(closings), closing);
    closings.insert(closings.begin(), closing);
    if (closings.size() > kRecentClosingsKept)
        closings.resize(kRecentClosingsKept);
    return closings;
}

std::vector<FilePath> WithoutRecentClosing(std::vector<FilePath> closings, const FilePath& closing)
{
    closings.erase(
        std::remove_if(closings.begin(), closings.end(),
                       [&](const FilePath& path) { return IsSameClosingPath(path, closing); }),
        closings.end());
    return closings;
}

#include "core/closing/ClosingAtStart.h"

#include "core/files/FileBytes.h"

#include <cstdint>
#include <cstdio>

namespace
{

// A record holds one digest; anything longer is not one of ours.
constexpr std::size_t kRecordSizeLimit = 256;

std::optional<FilePath> RecordPath(const std::optional<FilePath>& folder)
{
    if (!folder)
        return std::nullopt;
    return *folder / kSavedClosingFileName;
}

} // namespace

std::string ClosingDigest(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char byte : bytes)
    {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%016llx %llu", static_cast<unsigned long long>(hash),
                  static_cast<unsigned long long>(bytes.size()));
    return text;
}

ClosingAtStart ChooseClosingAtStart(const ClosingFileRead& file,
                                    const std::optional<ClosingContents>& folder,
                                    const std::optional<std::string>& lastSeen)
{
    switch (file.problem)
    {
    case ClosingFileRead::Problem::None:
        break;
    case ClosingFileRead::Problem::CannotRead:
        return ClosingAtStart::SaveFolder;
    case ClosingFileRead::Problem::NotAClosingFile:
    case ClosingFileRead::Problem::NewerVersion:
        return ClosingAtStart::LeaveFile;
    }
    if (folder && SameFigures(*folder, file.contents))
        return ClosingAtStart::SaveFolder;
    // Digests of the bytes this program writes for the contents, so that a file written by
    // another program with the same figures counts as the same file.
    if (!lastSeen || *lastSeen == ClosingDigest(ClosingFileBytes(file.contents)))
        return ClosingAtStart::SaveFolder;
    if (folder && *lastSeen == ClosingDigest(ClosingFileBytes(*folder)))
        return ClosingAtStart::OpenFile;
    return ClosingAtStart::LeaveFile;
}

std::optional<std::string> ReadSavedClosingDigest(const std::optional<FilePath>& folder)
{
    FileBytes record = ReadFileBytes(RecordPath(folder), kRecordSizeLimit);
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
    const std::optional<FilePath> record = RecordPath(folder);
    if (digest)
        return SaveFileSafely(record, *digest + "\r\n");
    std::error_code error;
    if (record)
        std::filesystem::remove(*record, error);
    return error ? SaveFailure::Other : SaveFailure::None;
}

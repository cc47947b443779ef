#include "core/closing/ClosingAtStart.h"

#include <cstdint>
#include <cstdio>

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

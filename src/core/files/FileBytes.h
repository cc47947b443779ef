// A whole file's bytes in memory, read only when the file is no larger than the caller can take.
#pragma once

#include "core/files/WorkingFolder.h"

#include <cstddef>
#include <optional>
#include <string>

struct FileBytes
{
    enum class Status
    {
        Whole,      // bytes holds every byte of the file
        TooLarge,   // the file holds more than the limit; bytes is empty
        Missing,    // there is no such file (or no path)
        Unreadable, // the file is there but cannot be opened or read; bytes is empty
    };
    Status status = Status::Missing;
    std::string bytes;
};

// Reads the file whole when it holds at most limit bytes. A larger file is told from its size
// before anything is read; one that grows past the limit while it is read stops being read there.
// Nothing is created: a missing file stays missing. Opened with the wide functions on Windows,
// shared with other programs, as the line reader opens the working files.
FileBytes ReadFileBytes(const std::optional<FilePath>& file, std::size_t limit);

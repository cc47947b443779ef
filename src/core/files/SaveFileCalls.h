// The file-system calls a save makes, gathered in one table that Windows and the POSIX build
// each fill with their own system's calls, so that a test can make any of them fail the way a
// full disk, a read-only file or another program would, on either build.
#pragma once

#include "core/files/SafeSave.h"
#include "core/files/WorkingFolder.h"

#include <chrono>
#include <cstddef>

#ifdef _WIN32
using SaveError = unsigned long; // the system's error code, as GetLastError gives it
using SaveFileHandle = void*;    // a file handle
#else
using SaveError = int;      // errno
using SaveFileHandle = int; // a file descriptor
#endif

// The error of a call that succeeded.
constexpr SaveError kSaveSucceeded = 0;
// The error of creating a file anew where one is already (ERROR_FILE_EXISTS, EEXIST).
#ifdef _WIN32
constexpr SaveError kSaveFileExists = 80;
#else
constexpr SaveError kSaveFileExists = 17;
#endif

struct SaveFileCalls
{
    // Whether the file exists and may not be changed: its read-only attribute is set (natively:
    // its owner may not write it).
    bool (*isReadOnly)(const FilePath& file);
    // Creates the folder; an existing folder is success too.
    SaveError (*createFolder)(const FilePath& folder);
    // Creates the file, or empties an existing one, for writing, shared with no one.
    SaveError (*createFile)(const FilePath& file, SaveFileHandle& handle);
    // Creates the file for writing, shared with no one, only where there is none: in one step,
    // so of two programs trying at once one creates it and the other is told kSaveFileExists.
    SaveError (*createNewFile)(const FilePath& file, SaveFileHandle& handle);
    // Writes up to size bytes; written says how many went to the file.
    SaveError (*write)(SaveFileHandle file, const char* data, std::size_t size,
                       std::size_t& written);
    // Puts everything written on the disk.
    SaveError (*flush)(SaveFileHandle file);
    // Closes the file; the handle is let go even when an error comes back.
    SaveError (*close)(SaveFileHandle file);
    // Puts the first file in place of the second in one step, replacing it.
    SaveError (*replace)(const FilePath& from, const FilePath& to);
    // Deletes the file.
    void (*remove)(const FilePath& file);
};

// The system's own calls.
extern const SaveFileCalls kSystemSaveFileCalls;

// The calls every save goes through: the system's, unless a test has put others in.
extern SaveFileCalls g_saveFileCalls;

// What the system's error means to the user; None for success.
SaveFailure SaveFailureOf(SaveError error);

// Whether a refused replace may go through once another program (a virus scanner, an indexer)
// lets go of the file.
bool IsPassingSaveError(SaveError error);

// The most bytes one write is handed.
constexpr std::size_t kSaveWriteChunk = std::size_t{1} << 20;

// A replace that another program refuses is tried again this many times, this far apart: about
// a second in all.
constexpr int kReplaceRetries = 20;
constexpr std::chrono::milliseconds kReplacePause{50};

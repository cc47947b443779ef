// The one way the program writes a file: whole or not at all.
#pragma once

#include "core/files/WorkingFolder.h"

#include <optional>
#include <string>

// Why a save did not happen, in the terms the user can act on.
enum class SaveFailure
{
    None,
    DiskFull, // no room left on the disk
    ReadOnly, // the file is read-only or access is denied
    InUse,    // another program holds the file
    NoFolder, // the folder does not exist and cannot be created
    NoPath,   // the program's own location is unknown, so there is nowhere to save
    TooLarge, // the file would be larger than the program opens again (a closing file)
    Other,
};

// Writes the bytes to the target through a temporary file in the same folder, which then
// replaces the target in one step. On any failure the old target is left whole and the
// temporary file is removed. A missing folder (one level) is created first.
SaveFailure SaveFileSafely(const std::optional<FilePath>& target, const std::string& bytes);

// How writing a file that must not be there yet went.
enum class NewFile
{
    Written, // the file is there now, holding the bytes
    Exists,  // there was a file of that name already; it is left as it was
    Failed,  // no file was made (no folder, no right to write, a full disk)
};

// Creates the file holding the bytes, only where there is none, in one step no other program can
// come between: of two programs trying at once, one writes the file and the other is told it
// exists. Meant for a lock file, so its bytes go straight in; a file written in part is removed.
NewFile WriteNewFile(const FilePath& file, const std::string& bytes);

// Why the save failed, in plain words that complete "... because ".
std::string SaveFailureReason(SaveFailure failure);

// The temporary file a save of the target writes first.
FilePath TemporarySavePath(const FilePath& target);

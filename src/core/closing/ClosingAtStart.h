// What a start of the program does with the closing file its working folder's figures belong to.
// Two things can have happened since the program last ran. The file may have been saved by
// another program: a colleague at another computer sharing the folder opened the closing and
// changed it. Or the working folder may hold figures the file never got: the program ended before
// its last save reached the file, or the file was out of reach. The working folder remembers the
// file as it last wrote or read it, by a digest (ClosingRecords), which tells the two apart.
#pragma once

#include "core/closing/ClosingFile.h"

#include <optional>
#include <string>
#include <string_view>

enum class ClosingAtStart
{
    // The folder's figures are newer than the file's, or the same: they go on and are saved into
    // the file as typed. Also when the file is missing or out of reach, and when the folder has no
    // record of it (a folder from before the record was kept).
    SaveFolder,
    // The file was changed elsewhere and the folder holds nothing newer: the file's figures
    // replace the folder's, as opening it does.
    OpenFile,
    // Both changed, or the file is not one this program can write (another kind of file, or one
    // of a newer version): the figures go on as an untitled closing and the file is left as it is.
    LeaveFile,
};

// The digest of a closing file's bytes: their FNV-1a 64-bit hash in hexadecimal and their size.
std::string ClosingDigest(std::string_view bytes);

// The choice, from the file as read, the folder's closing as read (none when a working file is too
// large for a closing file), and the folder's record of the file (none without one).
ClosingAtStart ChooseClosingAtStart(const ClosingFileRead& file,
                                    const std::optional<ClosingContents>& folder,
                                    const std::optional<std::string>& lastSeen);

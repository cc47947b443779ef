// The closing as the working folder holds it: the form file main.txt, the schedule files
// part1.txt .. part8.txt, the details file details.txt and the whole-cent file wholecent.txt;
// read into a closing's contents, and written back from them.
#pragma once

#include "core/closing/ClosingFile.h"
#include "core/files/SafeSave.h"
#include "core/files/WorkingFolder.h"

#include <array>
#include <optional>
#include <string>

// The working folder's details file and whole-cent file; none without a folder.
std::optional<FilePath> DetailsFilePath(const std::optional<FilePath>& folder);
std::optional<FilePath> WholeCentFilePath(const std::optional<FilePath>& folder);

// The details of the folder's details file: "key = value" lines, UTF-8, escaped as the closing
// file's [details] section is. A missing or unreadable file, and one larger than a closing file
// may be, gives no details; a missing key is empty.
ClosingDetails ReadDetailsFile(const std::optional<FilePath>& folder);
// Saves the details file through SaveFileSafely.
SaveFailure WriteDetailsFile(const std::optional<FilePath>& folder, const ClosingDetails& details);

// Whether the folder's whole-cent file switches "whole-cent payment" on: it holds "1", with or
// without a line end after it. Anything else, and no file, is off.
bool ReadWholeCentFile(const std::optional<FilePath>& folder);
// Saves the whole-cent file through SaveFileSafely: "1" or "0", and CR LF.
SaveFailure WriteWholeCentFile(const std::optional<FilePath>& folder, bool wholeCentPayment);

// The closing the working folder holds: the form and schedule files' exact bytes (nullopt for a
// missing one; one that is there but cannot be read as empty, as the program reads it), the
// details and the whole-cent choice. Nothing is created. None when a working file is larger than
// a closing file may be: such a closing could not be saved whole.
std::optional<ClosingContents> ReadWorkingClosing(const std::optional<FilePath>& folder);

// The schedule files' bytes as a closing holds them, item 1 first.
using ScheduleFileBytes = std::array<std::optional<std::string>, kEscrowItems>;

// The working folder's schedule files read once, for the analysis and for the closing alike.
struct WorkingSchedules
{
    // Each item's amounts, as ReadItemSchedules reads them (a missing file is created empty).
    ItemSchedules amounts{};
    // Each file's bytes as ReadWorkingClosing reads them after that: nullopt for a file still
    // missing, empty for one that cannot be read. None when a file is larger than a closing file
    // may be, since the folder then makes no closing.
    std::optional<ScheduleFileBytes> files;
};

// Reads the eight schedule files: what ReadItemSchedules gives, together with what
// ReadWorkingClosing would find in them then, each file opened once when it is there and whole.
WorkingSchedules ReadWorkingSchedules(const std::optional<FilePath>& folder);

// The eight schedule files' bytes as ReadWorkingClosing reads them, and nothing else. None when
// a file is larger than a closing file may be.
std::optional<ScheduleFileBytes> ReadScheduleFileBytes(const std::optional<FilePath>& folder);

// A working file that could not be written or deleted, and why.
struct WorkingFileFailure
{
    SaveFailure failure = SaveFailure::None;
    // The file's name ("part3.txt") and its path, as SaveFailureMessage takes them.
    std::string fileName;
    std::optional<FilePath> file;
};

// Writes the closing into the working folder, file by file: main.txt, part1.txt .. part8.txt,
// details.txt, wholecent.txt. Each file is saved through SaveFileSafely, and one the closing does
// not have is deleted (a read-only one is not: ReadOnly). Stops at the first failure and tells
// which file it was; the files before it are written, the others stay as they were.
WorkingFileFailure WriteWorkingClosing(const std::optional<FilePath>& folder,
                                       const ClosingContents& contents);

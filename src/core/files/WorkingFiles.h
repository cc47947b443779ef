// Clearing files out of the working folder: what interrupted saves left at start-up, and
// everything the program keeps there on Reset.
#pragma once

#include "core/files/WorkingFolder.h"

#include <optional>

// The form file: the form's inputs, one line each.
constexpr char kFormFileName[] = "main.txt";
// The details that name the closing (loan number, borrowers, ...), as "key = value" lines.
constexpr char kDetailsFileName[] = "details.txt";
// The "whole-cent payment" choice: "1" when it is on.
constexpr char kWholeCentFileName[] = "wholecent.txt";

// Removes the temporary files that saves cut short (the program killed, the power lost) left in
// the folder: those of the form file, the eight schedule files, the details file and the
// whole-cent file. Every other file stays, whatever its name ends in: it may be the user's.
void RemoveStrayTemporaryFiles(const std::optional<FilePath>& folder);

// Deletes every regular file of the folder whose extension is ".txt" in any mix of case: the
// form, the schedules and any other text file there. A file that cannot be deleted stays and the
// others still go; folders and files of other kinds stay.
void RemoveWorkingTextFiles(const std::optional<FilePath>& folder);

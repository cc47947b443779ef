// The words that tell the user a save failed: which file, and why.
#pragma once

#include "core/files/SafeSave.h"
#include "core/files/WorkingFolder.h"

#include <optional>
#include <string>

// "The figures could not be saved in", the file, "because" and the reason, on three lines. The
// file is the target as the user knows its path, or only its name when the program cannot tell
// where it runs and so has no target.
std::wstring SaveFailureMessage(const std::optional<FilePath>& target, const std::string& fileName,
                                SaveFailure failure);

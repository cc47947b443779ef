// Clearing files out of the working folder: what interrupted saves left at start-up, and
// everything the program keeps there on Reset.
#pragma once

#include "core/WorkingFolder.h"

#include <optional>

// Removes the temporary files (every regular file ending in ".tmp") that saves cut short (the
// program killed, the power lost) left in the folder. The user's other files stay.
void RemoveStrayTemporaryFiles(const std::optional<FilePath>& folder);

// Deletes every regular file of the folder whose extension is ".txt" in any mix of case: the
// form, the schedules and any other text file there. A file that cannot be deleted stays and the
// others still go; folders and files of other kinds stay.
void RemoveWorkingTextFiles(const std::optional<FilePath>& folder);

// The program's command line: "Tallyvane.exe PATH" opens the closing file PATH at start, as a
// double-click on the file or a shortcut passes it.
#pragma once

#include "core/files/WorkingFolder.h"

#include <optional>

// The closing file named after the program's own name: a quoted path ("C:\My loans\a.tallyvane",
// as Explorer passes one) or the rest of the line, spaces and all; made absolute from the current
// folder. None when nothing follows the program's name.
std::optional<FilePath> ClosingFileOnCommandLine(const wchar_t* commandLine);

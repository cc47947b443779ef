// The system's dialogs that choose a closing file to open or to save a closing as, owned by the
// form, listing "*.tallyvane" files.
#pragma once

#include "core/files/WorkingFolder.h"

#include <windows.h>

#include <optional>
#include <string>

// The closing file chosen to open, starting in the folder given (or Documents without one); none
// when the user cancels.
std::optional<FilePath> AskClosingToOpen(HWND owner, const std::optional<FilePath>& folder);

// The file to save the closing as, offering the name given (UTF-8, characters a file name cannot
// hold replaced by "-"; empty offers none) in the folder given (or Documents); ".tallyvane" is
// added to a name typed without it. None when the user cancels.
std::optional<FilePath> AskClosingToSaveAs(HWND owner, const std::optional<FilePath>& folder,
                                           const std::string& offeredName);

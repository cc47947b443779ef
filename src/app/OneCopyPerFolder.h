// One running copy of the program per working folder: two copies on one folder would each save
// their own form at closing, and the last to close would win without a word.
#pragma once

#include "core/files/WorkingFolder.h"
#include "dialogs/TallyvaneDlg.h"

#include <windows.h>

#include <optional>

class OneCopyPerFolder
{
public:
    // Claims the folder for this copy with a named mutex of the user's session, named after the
    // folder's full path as the user knows it, in any case.
    explicit OneCopyPerFolder(const std::optional<FilePath>& workingFolder);
    ~OneCopyPerFolder();
    OneCopyPerFolder(const OneCopyPerFolder&) = delete;
    OneCopyPerFolder& operator=(const OneCopyPerFolder&) = delete;

    // Whether another copy runs on the same folder already. A claim the system refuses, or a
    // folder that is not known, lets this copy run.
    bool AnotherCopyRuns() const { return m_anotherCopyRuns; }

    // Brings the form of the copy that runs on this folder to the front, restored if minimised;
    // with a closing file, hands it over first, for the other copy to open as File > Open does.
    // A copy still starting is given a few seconds to show its form. Gives whether the form was
    // found and took the closing file.
    bool BringTheOtherCopyForward(const std::optional<FilePath>& closingFile = std::nullopt) const;

private:
    HANDLE m_mutex = nullptr;
    bool m_anotherCopyRuns = false;
};

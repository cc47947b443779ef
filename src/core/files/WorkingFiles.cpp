#include "core/files/WorkingFiles.h"

#include "core/closing/ClosingRecords.h"
#include "core/escrow/Schedules.h"
#include "core/files/SafeSave.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{

// Whether the path's extension is the given lower-case one, its letters in any case.
bool HasExtensionInAnyCase(const FilePath& path, const std::string& lowerCaseExtension)
{
    const FilePath extension = path.extension();
    const FilePath::string_type& text = extension.native();
    return std::equal(
        text.begin(), text.end(), lowerCaseExtension.begin(), lowerCaseExtension.end(),
        [](auto c, char wanted) { return (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) == wanted; });
}

} // namespace

void RemoveStrayTemporaryFiles(const std::optional<FilePath>& folder)
{
    if (!folder)
        return;
    std::vector<std::string> saved{kFormFileName, kDetailsFileName, kWholeCentFileName,
                                   kOpenClosingFileName, kRecentClosingsFileName};
    for (int item = 1; item <= kEscrowItems; ++item)
        saved.push_back(ScheduleFileName(item));
    for (const std::string& name : saved)
    {
        const FilePath temporary = TemporarySavePath(*folder / name);
        std::error_code ignored;
        if (std::filesystem::is_regular_file(temporary, ignored))
            std::filesystem::remove(temporary, ignored);
    }
}

void RemoveWorkingTextFiles(const std::optional<FilePath>& folder)
{
    if (!folder)
        return;
    // An entry that cannot be looked at or removed stays, and the rest still go.
    std::error_code error;
    for (std::filesystem::directory_iterator entry(*folder, error), end; !error && entry != end;
         entry.increment(error))
    {
        std::error_code ignored;
        if (HasExtensionInAnyCase(entry->path(), ".txt") && entry->is_regular_file(ignored))
            std::filesystem::remove(entry->path(), ignored);
    }
}

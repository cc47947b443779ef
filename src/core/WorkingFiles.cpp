#include "core/WorkingFiles.h"

#include <algorithm>
#include <string>

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

// Removes the folder's regular files that the test picks; an entry that cannot be looked at or
// removed stays, and the rest still go.
template <typename Picks>
void RemoveRegularFiles(const std::optional<FilePath>& folder, Picks picks)
{
    if (!folder)
        return;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(*folder, error), end; !error && entry != end;
         entry.increment(error))
    {
        std::error_code ignored;
        if (picks(entry->path()) && entry->is_regular_file(ignored))
            std::filesystem::remove(entry->path(), ignored);
    }
}

} // namespace

void RemoveStrayTemporaryFiles(const std::optional<FilePath>& folder)
{
    RemoveRegularFiles(folder, [](const FilePath& file) { return file.extension() == ".tmp"; });
}

void RemoveWorkingTextFiles(const std::optional<FilePath>& folder)
{
    RemoveRegularFiles(folder,
                       [](const FilePath& file) { return HasExtensionInAnyCase(file, ".txt"); });
}

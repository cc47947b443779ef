#include "core/files/WorkingFolder.h"

#ifdef _WIN32
#include <iterator>
#include <vector>
#include <windows.h>
#endif

#ifdef _WIN32
namespace
{

// The longest path the wide file functions take, in characters.
constexpr std::size_t kLongestPath = 32768;

} // namespace
#endif

std::optional<FilePath> ExecutableFolder()
{
#ifdef _WIN32
    // The module path can be longer than MAX_PATH: grow the buffer until it fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;)
    {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::nullopt;
        if (length < buffer.size())
            return LongPathReady(FilePath(std::wstring(buffer.data(), length)).parent_path());
        if (buffer.size() >= kLongestPath)
            return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code error;
    const FilePath executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || executable.empty())
        return std::nullopt;
    return executable.parent_path();
#endif
}

namespace
{

#ifdef _WIN32
constexpr wchar_t kExtendedPrefix[] = L"\\\\?\\";
constexpr wchar_t kExtendedUncPrefix[] = L"\\\\?\\UNC\\";
// Room beneath a folder for \current\ and the longest file name, temporary ending included.
constexpr std::size_t kRoomBeneath = 32;
#endif

} // namespace

FilePath LongPathReady(const FilePath& folder)
{
#ifdef _WIN32
    const std::wstring& text = folder.native();
    if (text.size() + kRoomBeneath < MAX_PATH || text.rfind(kExtendedPrefix, 0) == 0)
        return folder;
    const bool drive = text.size() >= 3 && text[1] == L':' && text[2] == L'\\';
    if (drive)
        return FilePath(kExtendedPrefix + text);
    const bool network = text.size() > 2 && text.rfind(L"\\\\", 0) == 0 && text[2] != L'.';
    if (network)
        return FilePath(kExtendedUncPrefix + text.substr(2));
#endif
    return folder;
}

FilePath ShownPath(const FilePath& path)
{
#ifdef _WIN32
    const std::wstring& text = path.native();
    if (text.rfind(kExtendedUncPrefix, 0) == 0)
        return FilePath(L"\\\\" + text.substr(std::size(kExtendedUncPrefix) - 1));
    if (text.rfind(kExtendedPrefix, 0) == 0)
        return FilePath(text.substr(std::size(kExtendedPrefix) - 1));
#endif
    return path;
}

std::optional<FilePath> WorkingFolder()
{
    std::optional<FilePath> folder = ExecutableFolder();
    if (folder)
        *folder /= "current";
    return folder;
}

std::optional<FilePath> WorkingFilePath(const std::string& name)
{
    std::optional<FilePath> path = WorkingFolder();
    if (path)
        *path /= name;
    return path;
}

bool FileExists(const std::optional<FilePath>& file)
{
    std::error_code error;
    return file && std::filesystem::is_regular_file(*file, error);
}

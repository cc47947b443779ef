#include "store/WorkingFolder.h"

#ifdef _WIN32
#include <vector>
#include <windows.h>
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
            return FilePath(std::wstring(buffer.data(), length)).parent_path();
        if (buffer.size() >= 32768)
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

std::string ScheduleFileName(int item)
{
    return "part" + std::to_string(item) + ".txt";
}

#include "app/CommandLine.h"

#include <string>

namespace
{

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

} // namespace

std::optional<FilePath> ClosingFileOnCommandLine(const wchar_t* commandLine)
{
    if (!commandLine)
        return std::nullopt;
    const std::wstring line = commandLine;
    std::size_t at = 0;
    // The program's own name: quoted, or up to the first blank.
    if (at < line.size() && line[at] == L'"')
    {
        const std::size_t closing = line.find(L'"', at + 1);
        at = closing == std::wstring::npos ? line.size() : closing + 1;
    }
    while (at < line.size() && !IsBlank(line[at]))
        ++at;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    std::wstring path;
    if (at < line.size() && line[at] == L'"')
    {
        const std::size_t closing = line.find(L'"', at + 1);
        path = line.substr(at + 1,
                           closing == std::wstring::npos ? std::wstring::npos : closing - at - 1);
    }
    else
    {
        path = line.substr(at);
        while (!path.empty() && IsBlank(path.back()))
            path.pop_back();
    }
    if (path.empty())
        return std::nullopt;
    std::error_code error;
    const FilePath absolute = std::filesystem::absolute(FilePath(path), error);
    return error ? FilePath(path) : absolute;
}

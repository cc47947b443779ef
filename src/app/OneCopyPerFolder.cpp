#include "app/OneCopyPerFolder.h"

#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

namespace
{

// The end of the form's caption, by which the other copy's window is found: the caption names the
// closing file before it.
constexpr wchar_t kFormTitle[] = L"Aggregate Escrow Adjustment";

// How often, and how many milliseconds apart, the other copy's form is looked for.
constexpr int kLooksForTheForm = 50;
constexpr DWORD kFormLookPause = 100;

bool IsFormCaption(const std::wstring& caption)
{
    const std::wstring title = kFormTitle;
    return caption == title || (caption.size() > title.size() + 3 &&
                                caption.compare(caption.size() - title.size() - 3,
                                                std::wstring::npos, L" - " + title) == 0);
}

// The path as the user knows it, upper-cased as the file system compares names.
std::wstring FoldedPath(const FilePath& path)
{
    std::wstring text = ShownPath(path).wstring();
    if (!text.empty())
        ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// A mutex name of the session's namespace for the folder. A name may not hold a backslash and
// is limited in length, so the folder is named by a 64-bit FNV-1a hash of its folded path.
std::wstring MutexName(const FilePath& folder)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : FoldedPath(folder))
    {
        hash ^= static_cast<std::uint16_t>(c);
        hash *= 1099511628211ull;
    }
    wchar_t hex[17];
    std::swprintf(hex, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return std::wstring(L"Local\\Tallyvane-") + hex;
}

// The folder of the program that runs as the process, upper-cased; empty when it cannot be told.
std::wstring ProgramFolderOf(DWORD processId)
{
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return {};
    std::vector<wchar_t> buffer(32768);
    DWORD length = static_cast<DWORD>(buffer.size());
    const BOOL named = ::QueryFullProcessImageNameW(process, 0, buffer.data(), &length);
    ::CloseHandle(process);
    if (!named)
        return {};
    return FoldedPath(FilePath(std::wstring(buffer.data(), length)).parent_path());
}

struct FormSearch
{
    std::wstring programFolder;
    HWND found;
};

BOOL CALLBACK FindTheOtherForm(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<FormSearch*>(parameter);
    wchar_t caption[1024] = {};
    ::GetWindowTextW(window, caption, 1024);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (!IsFormCaption(caption) || processId == ::GetCurrentProcessId() ||
        ProgramFolderOf(processId) != search.programFolder)
        return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

OneCopyPerFolder::OneCopyPerFolder(const std::optional<FilePath>& workingFolder)
{
    if (!workingFolder)
        return;
    m_mutex = ::CreateMutexW(nullptr, FALSE, MutexName(*workingFolder).c_str());
    m_anotherCopyRuns = m_mutex && ::GetLastError() == ERROR_ALREADY_EXISTS;
}

OneCopyPerFolder::~OneCopyPerFolder()
{
    if (m_mutex)
        ::CloseHandle(m_mutex);
}

bool OneCopyPerFolder::BringTheOtherCopyForward(const std::optional<FilePath>& closingFile) const
{
    // The working folder lies beside the program, so the other copy runs from this folder too.
    const std::optional<FilePath> folder = ExecutableFolder();
    if (!folder)
        return false;
    // A copy started a moment ago (two closings double-clicked at once) holds the folder before
    // its form shows.
    FormSearch search{FoldedPath(*folder), nullptr};
    for (int look = 1; look <= kLooksForTheForm; ++look)
    {
        ::EnumWindows(FindTheOtherForm, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            break;
        ::Sleep(kFormLookPause);
    }
    if (!search.found)
        return false;
    bool taken = true;
    if (closingFile)
    {
        const std::wstring path = closingFile->wstring();
        COPYDATASTRUCT data{kOpenClosingData,
                            static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)),
                            const_cast<wchar_t*>(path.c_str())};
        DWORD_PTR answer = 0;
        taken = ::SendMessageTimeoutW(search.found, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                      SMTO_ABORTIFHUNG, 5000, &answer) &&
                answer;
    }
    if (::IsIconic(search.found))
        ::ShowWindow(search.found, SW_RESTORE);
    ::SetForegroundWindow(search.found);
    return taken;
}

#include "dialogs/ClosingFileDialogs.h"

#include "framework/LateLibrary.h"
#include "framework/TextEncoding.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace
{

constexpr wchar_t kFileTypes[] = L"Tallyvane closings (*.tallyvane)\0*.tallyvane\0";
constexpr wchar_t kDefaultEnding[] = L"tallyvane";
// The longest path the wide file functions take, in characters.
constexpr std::size_t kLongestPath = 32768;

std::wstring DocumentsFolder(HWND owner)
{
    wchar_t documents[MAX_PATH] = {};
    using FolderPathFunction = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    const auto folderPath = LateFunctionAs<FolderPathFunction>(L"shell32.dll", "SHGetFolderPathW");
    if (folderPath &&
        SUCCEEDED(folderPath(owner, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)))
        return documents;
    return L"";
}

// The name with every character a file name cannot hold as "-".
std::wstring FileNameOf(const std::string& name)
{
    std::wstring text = WideFromUtf8(name);
    std::replace_if(
        text.begin(), text.end(),
        [](wchar_t c) {
            return c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos;
        },
        L'-');
    return text;
}

// Runs the open or the save dialog; the path chosen, or none.
std::optional<FilePath> AskClosingFile(HWND owner, const std::optional<FilePath>& folder,
                                       const std::wstring& offered, bool save)
{
    std::vector<wchar_t> file(kLongestPath, L'\0');
    std::copy_n(offered.begin(), std::min(offered.size(), kLongestPath - 1), file.begin());
    const std::wstring initial = folder ? folder->wstring() : DocumentsFolder(owner);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFileTypes;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
    dialog.lpstrDefExt = kDefaultEnding;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
    const auto showDialog = LateFunctionAs<FileDialogFunction>(
        L"comdlg32.dll", save ? "GetSaveFileNameW" : "GetOpenFileNameW");
    if (!showDialog || !showDialog(&dialog))
        return std::nullopt;
    return FilePath(file.data());
}

} // namespace

std::optional<FilePath> AskClosingToOpen(HWND owner, const std::optional<FilePath>& folder)
{
    return AskClosingFile(owner, folder, L"", false);
}

std::optional<FilePath> AskClosingToSaveAs(HWND owner, const std::optional<FilePath>& folder,
                                           const std::string& offeredName)
{
    return AskClosingFile(owner, folder, FileNameOf(offeredName), true);
}

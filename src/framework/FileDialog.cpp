#include "framework/FileDialog.h"

#include "framework/LateLibrary.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace
{

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

std::optional<std::filesystem::path> AskFile(HWND owner, const FileDialogRequest& request,
                                             bool save)
{
    std::vector<wchar_t> file(kLongestPath, L'\0');
    const std::wstring& offered = request.offeredName;
    std::copy_n(offered.begin(), std::min(offered.size(), kLongestPath - 1), file.begin());
    const std::wstring folder = request.folder.empty() ? DocumentsFolder(owner) : request.folder;

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.fileTypes;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = request.defaultEnding;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
    const auto showDialog = LateFunctionAs<FileDialogFunction>(
        L"comdlg32.dll", save ? "GetSaveFileNameW" : "GetOpenFileNameW");
    if (!showDialog || !showDialog(&dialog))
        return std::nullopt;
    return std::filesystem::path(file.data());
}

} // namespace

std::optional<std::filesystem::path> AskFileToOpen(HWND owner, const FileDialogRequest& request)
{
    return AskFile(owner, request, false);
}

std::optional<std::filesystem::path> AskFileToSave(HWND owner, const FileDialogRequest& request)
{
    return AskFile(owner, request, true);
}

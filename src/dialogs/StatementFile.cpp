#include "dialogs/StatementFile.h"

#include "core/files/FileNameText.h"
#include "core/files/SaveFailureMessage.h"
#include "core/statement/StatementHtml.h"
#include "dialogs/SaveFailedDlg.h"
#include "framework/LateLibrary.h"
#include "framework/TextEncoding.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace
{

// The file types the dialog lists: pairs of a description and its pattern, then an empty one.
constexpr wchar_t kFileTypes[] = L"HTML files (*.html)\0*.html\0";
constexpr wchar_t kDefaultEnding[] = L"html";
// The longest path the wide file functions take, in characters.
constexpr std::size_t kLongestPath = 32768;

} // namespace

std::wstring StatementFileName(const EscrowStatement& statement)
{
    if (statement.loanNumber.empty())
        return kStatementFileName;
    return L"Escrow statement - " + WideFromUtf8(FileNameText(statement.loanNumber)) + L".html";
}

std::optional<FilePath> AskStatementFilePath(HWND owner, const std::wstring& offered)
{
    std::vector<wchar_t> file(kLongestPath, L'\0');
    offered.copy(file.data(), std::min(offered.size(), file.size() - 1));
    wchar_t documents[MAX_PATH] = {};
    using FolderPathFunction = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    const auto folderPath = LateFunctionAs<FolderPathFunction>(L"shell32.dll", "SHGetFolderPathW");
    const bool hasDocuments = folderPath && SUCCEEDED(folderPath(owner, CSIDL_PERSONAL, nullptr,
                                                                 SHGFP_TYPE_CURRENT, documents));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFileTypes;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = hasDocuments ? documents : nullptr;
    dialog.lpstrDefExt = kDefaultEnding;
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    using SaveDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
    const auto showDialog = LateFunctionAs<SaveDialogFunction>(L"comdlg32.dll", "GetSaveFileNameW");
    if (!showDialog || !showDialog(&dialog))
        return std::nullopt;
    return FilePath(file.data());
}

SaveFailure WriteStatementFile(const FilePath& file, const EscrowStatement& statement)
{
    return SaveFileSafely(file, StatementHtmlDocument(statement));
}

void SaveStatementFile(HWND owner, const FilePath& file, const EscrowStatement& statement)
{
    const SaveFailure failure = WriteStatementFile(file, statement);
    if (failure != SaveFailure::None)
        ShowSaveFailure(owner, SaveFailureMessage(file, file.filename().u8string(), failure));
}

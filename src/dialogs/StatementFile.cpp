#include "dialogs/StatementFile.h"

#include "core/files/FileNameText.h"
#include "core/files/SaveFailureMessage.h"
#include "core/statement/StatementHtml.h"
#include "dialogs/SaveFailedDlg.h"
#include "framework/FileDialog.h"
#include "framework/TextEncoding.h"

namespace
{

// The file types the dialog lists: pairs of a description and its pattern, then an empty one.
constexpr wchar_t kFileTypes[] = L"HTML files (*.html)\0*.html\0";
constexpr wchar_t kDefaultEnding[] = L"html";

} // namespace

std::wstring StatementFileName(const EscrowStatement& statement)
{
    if (statement.loanNumber.empty())
        return kStatementFileName;
    return L"Escrow statement - " + WideFromUtf8(FileNameText(statement.loanNumber)) + L".html";
}

std::optional<FilePath> AskStatementFilePath(HWND owner, const std::wstring& offered)
{
    return AskFileToSave(owner, {kFileTypes, kDefaultEnding, offered, L""});
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

#include "dialogs/ClosingFileDialogs.h"

#include "core/files/FileNameText.h"
#include "framework/FileDialog.h"
#include "framework/TextEncoding.h"

namespace
{

constexpr wchar_t kFileTypes[] = L"Tallyvane closings (*.tallyvane)\0*.tallyvane\0";
constexpr wchar_t kDefaultEnding[] = L"tallyvane";

FileDialogRequest ClosingRequest(const std::optional<FilePath>& folder, const std::string& name)
{
    return {kFileTypes, kDefaultEnding, WideFromUtf8(FileNameText(name)),
            folder ? folder->wstring() : L""};
}

} // namespace

std::optional<FilePath> AskClosingToOpen(HWND owner, const std::optional<FilePath>& folder)
{
    return AskFileToOpen(owner, ClosingRequest(folder, ""));
}

std::optional<FilePath> AskClosingToSaveAs(HWND owner, const std::optional<FilePath>& folder,
                                           const std::string& offeredName)
{
    return AskFileToSave(owner, ClosingRequest(folder, offeredName));
}

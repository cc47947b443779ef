// The system's dialogs that choose a file to open or to save as, owned by a window: the comdlg32
// functions, loaded the first time they are needed.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

struct FileDialogRequest
{
    // The file types listed: pairs of a description and its pattern, then an empty one
    // (L"HTML files (*.html)\0*.html\0").
    const wchar_t* fileTypes = nullptr;
    // The extension added to a name typed without one, without its dot.
    const wchar_t* defaultEnding = nullptr;
    // The name offered in the dialog's name box; may be empty.
    std::wstring offeredName;
    // The folder the dialog starts in; empty starts in the user's Documents.
    std::wstring folder;
};

// The file chosen to open (it must exist), or none when the user cancels.
std::optional<std::filesystem::path> AskFileToOpen(HWND owner, const FileDialogRequest& request);
// The file to save as (replacing one is asked first), or none when the user cancels.
std::optional<std::filesystem::path> AskFileToSave(HWND owner, const FileDialogRequest& request);

// The statement saved as an HTML file: the file asked for in the system's save dialog, and the
// statement's HTML document written through the program's one way of saving.
#pragma once

#include "core/files/SafeSave.h"
#include "core/statement/EscrowStatement.h"

#include <windows.h>

#include <optional>
#include <string>

// The file the save dialog offers for a statement without a loan number, in the user's Documents
// folder.
constexpr wchar_t kStatementFileName[] = L"Escrow statement.html";

// The file name offered for the statement: "Escrow statement - LN-2026-0042.html" for a statement
// with a loan number (what a file name cannot hold made "-"), else kStatementFileName.
std::wstring StatementFileName(const EscrowStatement& statement);

// Asks for the file in the system's save dialog over `owner`: HTML files, `offered` in the
// Documents folder, ".html" added to a name typed without an ending, and a question before an
// existing file is replaced. None when the user cancels.
std::optional<FilePath> AskStatementFilePath(HWND owner, const std::wstring& offered);

// Writes the statement's HTML document to the file, whole or not at all.
SaveFailure WriteStatementFile(const FilePath& file, const EscrowStatement& statement);

// Writes it; a failure is told in a message over `owner`, which file and why, as every failed save
// of the program is.
void SaveStatementFile(HWND owner, const FilePath& file, const EscrowStatement& statement);

// Printing the statement: the system's print dialog, then the statement's pages on the printer
// the user chose.
#pragma once

#include "core/statement/EscrowStatement.h"

#include <windows.h>

#include <string>

// Asks for a printer with the system's print dialog over `owner` and prints the statement there,
// dated today. Cancel prints nothing, and so does a system without a printer (the dialog says
// so); a print that fails is told to the user in a message box over `owner`.
void PrintStatement(HWND owner, const EscrowStatement& statement);

// Prints the statement on the printer's device context as one document, every page headed with
// `datePrinted`. False when the printer failed it (the document is then abandoned), with the
// reason in GetLastError.
bool PrintStatementTo(HDC printer, const EscrowStatement& statement,
                      const std::wstring& datePrinted);

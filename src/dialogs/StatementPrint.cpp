#include "dialogs/StatementPrint.h"

#include "core/statement/StatementCells.h"
#include "dialogs/SaveFailedDlg.h"
#include "dialogs/StatementPages.h"
#include "framework/LateLibrary.h"
#include "framework/TextEncoding.h"

// The print dialog's structure holds a COM interface, which the common dialog header declares only
// once the COM basics are.
#include <objbase.h>

#include <commdlg.h>

#include <memory>

namespace
{

// Abandons the document after a failed call, keeping that call's reason for the caller.
bool Abandon(HDC printer)
{
    const DWORD error = ::GetLastError();
    ::AbortDoc(printer);
    ::SetLastError(error);
    return false;
}

// Today's date in the user's long form ("Wednesday, July 1, 2026").
std::wstring Today()
{
    wchar_t text[100] = {};
    ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, text, 100);
    return text;
}

// The name of the printer the print dialog chose.
std::wstring PrinterName(HGLOBAL devNames)
{
    const auto* names = static_cast<const DEVNAMES*>(::GlobalLock(devNames));
    if (!names)
        return {};
    const std::wstring name = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
    ::GlobalUnlock(devNames);
    return name;
}

// Tells the user the statement did not print; the system's reason is left out, since what a
// printer driver reports (Wine: "Invalid handle" for a queue that turns jobs away) tells the user
// nothing they can act on, while the printer's name does.
void ShowPrintFailure(HWND owner, const std::wstring& printer)
{
    const std::wstring message =
        printer.empty() ? L"The statement could not be printed."
                        : L"The statement could not be printed on \"" + printer + L"\".";
    ::MessageBoxW(owner, message.c_str(), kMessageCaption, MB_OK | MB_ICONWARNING);
}

} // namespace

bool PrintStatementTo(HDC printer, const EscrowStatement& statement,
                      const std::wstring& datePrinted)
{
    const std::wstring title = WideFromUtf8(kStatementTitle);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    if (::StartDocW(printer, &document) <= 0)
        return false;
    const StatementPages pages(printer, statement, datePrinted);
    for (std::size_t i = 0; i < pages.Count(); ++i)
    {
        if (::StartPage(printer) <= 0)
            return Abandon(printer);
        pages.Draw(i);
        if (::EndPage(printer) <= 0)
            return Abandon(printer);
    }
    if (::EndDoc(printer) <= 0)
        return Abandon(printer);
    return true;
}

void PrintStatement(HWND owner, const EscrowStatement& statement)
{
    // The system asks for the structure in memory allocated for it, not on the stack. The printer
    // does the copies and their collation; the statement prints whole.
    const auto dialog = std::make_unique<PRINTDLGEXW>();
    dialog->lStructSize = sizeof(PRINTDLGEXW);
    dialog->hwndOwner = owner;
    dialog->Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS | PD_NOSELECTION |
                    PD_NOCURRENTPAGE;
    dialog->nCopies = 1;
    dialog->nStartPage = START_PAGE_GENERAL;
    using PrintDialogFunction = HRESULT(WINAPI*)(PRINTDLGEXW*);
    const auto showDialog = LateFunctionAs<PrintDialogFunction>(L"comdlg32.dll", "PrintDlgExW");
    const HRESULT shown = showDialog ? showDialog(dialog.get()) : E_FAIL;
    const std::wstring printer = PrinterName(dialog->hDevNames);
    ::GlobalFree(dialog->hDevMode);
    ::GlobalFree(dialog->hDevNames);
    if (FAILED(shown))
    {
        ShowPrintFailure(owner, printer);
        return;
    }
    // A port that asks for a file name fails the document when the user cancels that question.
    if (dialog->dwResultAction == PD_RESULT_PRINT &&
        !PrintStatementTo(dialog->hDC, statement, Today()) && ::GetLastError() != ERROR_CANCELLED)
        ShowPrintFailure(owner, printer);
    if (dialog->hDC)
        ::DeleteDC(dialog->hDC);
}

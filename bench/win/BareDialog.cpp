// The floor of start-up: a program that shows the form's dialog template and nothing else, no
// controls attached, no file read. Closing it ends it.
#include <windows.h>

#include "res/resource.h"

namespace
{

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL))
    {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TALLYVANE_DIALOG), nullptr, BareDialogProc, 0);
    return 0;
}

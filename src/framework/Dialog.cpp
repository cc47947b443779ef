#include "framework/Dialog.h"

#include "framework/AccessibleControls.h"
#include "framework/WinApp.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace
{
// Registers the common control classes a template may name: the date-time picker, which exists
// only once registered, and the buttons, edits and statics, which version 6 of the common controls
// (the program's manifest asks for it) supplies in the system's look. Registering again costs
// nothing; a class that cannot be registered shows as the dialog failing to be created.
void RegisterCommonControls()
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&classes);
}
// The dialogs of this thread whose loops run with accelerators, the innermost last, and the hook
// that hands them their keys while any of them runs.
thread_local std::vector<CDialog*> t_acceleratedDialogs;
thread_local HHOOK t_acceleratorHook = nullptr;

} // namespace

void CDialog::LoadAccelerators(UINT tableId)
{
    m_hAccelerators = ::LoadAcceleratorsW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(tableId));
}

LRESULT CALLBACK CDialog::AcceleratorHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX && !t_acceleratedDialogs.empty())
    {
        MSG* message = reinterpret_cast<MSG*>(lParam);
        const CDialog* dialog = t_acceleratedDialogs.back();
        const HWND window = dialog->m_hWnd;
        if (window && (message->hwnd == window || ::IsChild(window, message->hwnd)) &&
            ::TranslateAcceleratorW(window, dialog->m_hAccelerators, message))
            return TRUE;
    }
    return ::CallNextHookEx(t_acceleratorHook, code, wParam, lParam);
}

INT_PTR CDialog::DoModal()
{
    RegisterCommonControls();
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner)
    {
        CWinApp* app = AfxGetApp();
        CWnd* mainWnd = app ? app->m_pMainWnd : nullptr;
        owner = mainWnd && mainWnd != this ? mainWnd->m_hWnd : ::GetActiveWindow();
    }
    if (!m_hAccelerators)
        return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate),
                                 owner, DialogProc, reinterpret_cast<LPARAM>(this));
    if (t_acceleratedDialogs.empty())
        t_acceleratorHook =
            ::SetWindowsHookExW(WH_MSGFILTER, AcceleratorHook, nullptr, ::GetCurrentThreadId());
    t_acceleratedDialogs.push_back(this);
    const INT_PTR result =
        ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                          DialogProc, reinterpret_cast<LPARAM>(this));
    t_acceleratedDialogs.pop_back();
    if (t_acceleratedDialogs.empty() && t_acceleratorHook)
    {
        ::UnhookWindowsHookEx(t_acceleratorHook);
        t_acceleratorHook = nullptr;
    }
    return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The dialog object arrives with WM_INITDIALOG and is attached like any other window; from
    // then on its messages reach it through the attachment, and this procedure answers nothing.
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog->SubclassWindow(hWnd))
    {
        ::EndDialog(hWnd, -1);
        return FALSE;
    }
    const MessageHandler initDialog = [](CWnd& wnd, WPARAM, LPARAM) -> LRESULT {
        return static_cast<CDialog&>(wnd).OnInitDialog();
    };
    return dialog->Dispatch(initDialog, message, wParam, lParam);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange{saveAndValidate, this};
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    DescribeControlsToScreenReaders(m_hWnd);
    CenterWindow();
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::CenterWindow()
{
    CRect dialog;
    GetWindowRect(&dialog);
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &screen);
    const RECT& area = screen.rcWork;
    RECT around = area;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &around);
    const int width = dialog.Width();
    const int height = dialog.Height();
    int x = (around.left + around.right - width) / 2;
    int y = (around.top + around.bottom - height) / 2;
    // Wholly on the screen, the caption first when the screen is too small.
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

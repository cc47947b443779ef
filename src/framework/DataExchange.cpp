#include "framework/DataExchange.h"

#include "framework/Wnd.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    // A plain control object only holds the handle, taken at every exchange so that a dialog
    // shown again hands it the new window; the window keeps the system's procedure.
    if (!control.HasMessageMapOfItsOwn())
    {
        // Asking the dialog for a control by id costs a round trip to the window server under
        // Wine, while these three questions about a window of our own do not: the handle is
        // taken again only when the object does not hold this dialog's control already.
        HWND dialog = pDX->m_pDlgWnd->m_hWnd;
        if (!::IsWindow(control.m_hWnd) || ::GetParent(control.m_hWnd) != dialog ||
            ::GetDlgCtrlID(control.m_hWnd) != id)
            control.m_hWnd = ::GetDlgItem(dialog, id);
    }
    else if (!control.m_hWnd)
        control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    HWND button = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
    if (pDX->m_bSaveAndValidate)
    {
        value = static_cast<int>(::SendMessageA(button, BM_GETCHECK, 0, 0));
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    ::SendMessageA(button, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

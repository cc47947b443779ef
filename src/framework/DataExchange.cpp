#include "framework/DataExchange.h"

#include "framework/Wnd.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    // A plain control object only holds the handle, taken at every exchange so that a dialog
    // shown again hands it the new window; the window keeps the system's procedure.
    if (!control.HasMessageMapOfItsOwn())
        control.m_hWnd = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
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

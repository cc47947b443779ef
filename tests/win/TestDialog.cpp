#include "TestDialog.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
ON_BN_CLICKED(IDC_BUTTON, OnButton)
ON_WM_CLOSE()
ON_EN_KILLFOCUS(IDC_EDIT_CLIENTEDGE, OnKillFocusEdit)
ON_COMMAND_RANGE(IDC_ROW_BUTTON1, IDC_ROW_BUTTON3, OnRowButton)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_EDIT_MODAL_STATIC, IDC_EDIT_STATICEDGE, OnKillFocusInRange)
ON_WM_LBUTTONDOWN()
ON_NOTIFY(NM_CLICK, IDC_BUTTON, OnNotifyClick)
END_MESSAGE_MAP()

void TestDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (auto& [id, control] : m_controls)
        DDX_Control(pDX, id, *control);
    DDX_Check(pDX, IDC_CHECK, m_nCheck);
    DDX_Check(pDX, IDC_CHECK3, m_nCheck3);
}

void TestDialog::OnButton()
{
    ++m_nButtonClicks;
}

void TestDialog::OnClose()
{
    ++m_nCloses;
    CDialog::OnClose();
}

void TestDialog::OnKillFocusEdit()
{
    ++m_nKillFocusEdit;
}

void TestDialog::OnRowButton(UINT id)
{
    m_rowButtons.push_back(id);
}

void TestDialog::OnKillFocusInRange(UINT id)
{
    m_killFocusInRange.push_back(id);
}

void TestDialog::OnNotifyClick(NMHDR*, LRESULT* result)
{
    ++m_nNotifyClicks;
    *result = kNotifyAnswer;
}

void TestDialog::OnLButtonDown(UINT flags, CPoint point)
{
    ++m_nDialogClicks;
    m_nClickFlags = flags;
    m_ptClick = point;
    CDialog::OnLButtonDown(flags, point);
}

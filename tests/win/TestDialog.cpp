#include "TestDialog.h"

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
ON_BN_CLICKED(IDC_BUTTON, OnButton)
ON_WM_CLOSE()
ON_EN_KILLFOCUS(IDC_EDIT_CLIENTEDGE, OnKillFocusEdit)
ON_WM_LBUTTONDOWN()
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

void TestDialog::OnLButtonDown(UINT flags, CPoint point)
{
    ++m_nDialogClicks;
    m_nClickFlags = flags;
    m_ptClick = point;
    CDialog::OnLButtonDown(flags, point);
}

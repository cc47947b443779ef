#include "dialogs/SaveQuestionDlg.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSaveQuestionDlg, CDialog)
ON_COMMAND(IDYES, OnSave)
ON_COMMAND(IDNO, OnDontSave)
END_MESSAGE_MAP()

CSaveQuestionDlg::CSaveQuestionDlg(CWnd* parent) : CDialog(IDD_SAVE_QUESTION, parent) {}

BOOL CSaveQuestionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SetDlgItemTextW(m_hWnd, IDC_SAVE_QUESTION_TEXT, kSaveQuestion);
    ::SendMessageA(::GetWindow(::GetDlgItem(m_hWnd, IDC_SAVE_QUESTION_TEXT), GW_HWNDPREV),
                   STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconA(nullptr, IDI_QUESTION)), 0);
    return TRUE;
}

void CSaveQuestionDlg::OnSave()
{
    EndDialog(IDYES);
}

void CSaveQuestionDlg::OnDontSave()
{
    EndDialog(IDNO);
}

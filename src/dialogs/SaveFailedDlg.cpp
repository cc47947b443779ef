#include "dialogs/SaveFailedDlg.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSaveFailedDlg, CDialog)
ON_COMMAND(IDRETRY, OnRetry)
ON_COMMAND(IDC_CLOSE_WITHOUT_SAVING, OnCloseWithoutSaving)
END_MESSAGE_MAP()

CSaveFailedDlg::CSaveFailedDlg(std::wstring message)
    : CDialog(IDD_SAVE_FAILED), m_strMessage(std::move(message))
{
}

BOOL CSaveFailedDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The path may hold characters outside the code page: the message goes in as wide text.
    ::SetDlgItemTextW(m_hWnd, IDC_SAVE_FAILED_MESSAGE,
                      (m_strMessage + L"\n\nRetry, or close without saving?").c_str());
    ::SendMessageA(::GetWindow(::GetDlgItem(m_hWnd, IDC_SAVE_FAILED_MESSAGE), GW_HWNDPREV),
                   STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconA(nullptr, IDI_WARNING)), 0);
    return TRUE;
}

void CSaveFailedDlg::OnRetry()
{
    EndDialog(IDRETRY);
}

void CSaveFailedDlg::OnCloseWithoutSaving()
{
    EndDialog(IDC_CLOSE_WITHOUT_SAVING);
}

void ShowSaveFailure(HWND owner, const std::wstring& message)
{
    ::MessageBoxW(owner, message.c_str(), kMessageCaption, MB_OK | MB_ICONWARNING);
}

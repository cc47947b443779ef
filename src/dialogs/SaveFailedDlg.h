// CSaveFailedDlg: asked when the form's figures cannot be saved at closing. Retry saves again;
// "Close without saving" closes all the same; Escape and the close box go back to the form.
#pragma once

#include "framework/Dialog.h"

#include <string>

class CSaveFailedDlg : public CDialog
{
public:
    explicit CSaveFailedDlg(std::wstring message);

protected:
    BOOL OnInitDialog() override;
    void OnRetry();
    void OnCloseWithoutSaving();

    DECLARE_MESSAGE_MAP()

private:
    std::wstring m_strMessage;
};

// The caption of the program's message boxes.
constexpr wchar_t kMessageCaption[] = L"Tallyvane";

// Tells the user that a file was not saved, and why, in a message box over `owner`.
void ShowSaveFailure(HWND owner, const std::wstring& message);

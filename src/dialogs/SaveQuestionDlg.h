// CSaveQuestionDlg: asked before New closing or Open leaves a closing whose figures its file does
// not hold: Save (IDYES), Don't Save (IDNO), or Cancel (IDCANCEL, also Escape and the close box),
// which cancels the whole command.
#pragma once

#include "framework/Dialog.h"

constexpr wchar_t kSaveQuestion[] = L"Save this closing before starting another?";

class CSaveQuestionDlg : public CDialog
{
public:
    explicit CSaveQuestionDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnSave();
    void OnDontSave();

    DECLARE_MESSAGE_MAP()
};

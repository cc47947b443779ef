// CDialog: a modal dialog built from a dialog template of the executable, with data exchange
// between the dialog object and its controls.
#pragma once

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd
{
public:
    // `parent` may be null: the dialog is then owned by the application's main window, or by
    // the thread's active window when there is no main window yet.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_nIDTemplate(templateId), m_pParentWnd(parent)
    {
    }

    // Shows the dialog and returns when it ends: the result given to EndDialog, or -1 when the
    // dialog could not be created.
    virtual INT_PTR DoModal();

    // The keys the dialog turns into commands while it runs: an accelerator table of the
    // executable's resources. A key pressed in a dialog shown over this one is that dialog's.
    void LoadAccelerators(UINT tableId);

    // Runs the data exchange: TRUE moves the controls' values into the members, FALSE the
    // members' values into the controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

protected:
    // Runs once the dialog's window and controls exist; the base centres the dialog over its
    // owner (over the screen when it has none), attaches the member controls and fills them
    // (UpdateData(FALSE)). TRUE gives the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    // Centres the dialog over its owner, or over the screen's work area, wholly on the screen.
    void CenterWindow();
    virtual void DoDataExchange(CDataExchange*) {}
    // The IDOK command: takes the controls' values, then ends the dialog with IDOK.
    virtual void OnOK();
    // The IDCANCEL command (Escape, the close box, a Cancel button): ends with IDCANCEL.
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Hands a key pressed in a dialog with accelerators to its table.
    static LRESULT CALLBACK AcceleratorHook(int code, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    HACCEL m_hAccelerators = nullptr;
};

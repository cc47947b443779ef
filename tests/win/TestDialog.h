// The dialog every window test runs in: template IDD_FRAMEWORK, the two check boxes exchanged
// with members, and whatever member controls a test attaches by id.
#pragma once

#include "TestResources.h"

#include "framework/Dialog.h"

#include <utility>
#include <vector>

class TestDialog : public CDialog
{
public:
    TestDialog() : CDialog(IDD_FRAMEWORK) {}

    // Attached by DDX_Control at the first data exchange, in this order.
    std::vector<std::pair<int, CWnd*>> m_controls;
    int m_nCheck = 0;
    int m_nCheck3 = 0;

    // What the handlers of the map saw.
    int m_nButtonClicks = 0;
    int m_nCloses = 0;
    int m_nKillFocusEdit = 0;
    std::vector<UINT> m_rowButtons;       // the ids the row's one click handler was handed
    std::vector<UINT> m_killFocusInRange; // the ids the range's kill-focus handler was handed
    int m_nNotifyClicks = 0;              // NM_CLICK notifications from the push button
    static constexpr LRESULT kNotifyAnswer = 42; // what the notification handler answers
    int m_nDialogClicks = 0;
    UINT m_nClickFlags = 0;
    CPoint m_ptClick;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnButton();
    void OnClose();
    void OnKillFocusEdit();
    void OnRowButton(UINT id);
    void OnKillFocusInRange(UINT id);
    void OnNotifyClick(NMHDR* header, LRESULT* result);
    void OnLButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()
};

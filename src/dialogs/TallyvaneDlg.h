// CTallyvaneDlg: the escrow adjustment form, the program's main window. It holds every input of
// the escrow analysis, shows its two results, opens each item's disbursement schedule from the
// item's button, keeps its inputs in the form file "main.txt" of the working folder and clears
// the working folder on Reset.
#pragma once

#include "controls/HotEdit.h"
#include "controls/Label.h"
#include "core/EscrowAnalysis.h"
#include "core/SafeSave.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

class CTallyvaneDlg : public CDialog
{
public:
    explicit CTallyvaneDlg(CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Escape end the form as in any dialog, but keep the user's figures first.
    void OnOK() override;
    void OnCancel() override;
    // Saves the form before it closes. When the save fails the user is told why and chooses:
    // retry, close without saving, or (Escape) go back to the form. True when the form may close.
    bool SaveBeforeClosing();

    // Every field and item button to its default text; no file and no analysis is touched.
    void ClearForm();
    // Writes the form file from the boxes and the "two months" state.
    SaveFailure SaveForm();
    // Fills the boxes and the "two months" state from the form file, then rebuilds the item
    // buttons' captions (which runs the analysis).
    void LoadForm();
    // Runs the schedule dialog of escrow item 1 to 8.
    void EditSchedule(int item);

    // The analysis: monthly payment and result from the boxes and the schedule files.
    void Recalculate();
    // The monthly escrow payment from the schedule files, also written into its box.
    double ComputeMonthlyPayment();
    // The item's annual total as money text, read from its schedule file; runs Recalculate.
    CString LoadItemTotal(int item);

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnButtonItem1();
    void OnButtonItem2();
    void OnButtonItem3();
    void OnButtonItem4();
    void OnButtonItem5();
    void OnButtonItem6();
    void OnButtonItem7();
    void OnButtonItem8();
    // The "two months" box clicked: switching it on sets the cushion to two monthly payments.
    void OnTwoMonths();
    // An input box lost the focus.
    void OnKillFocusInput();
    void OnClose();
    // Deletes the working folder's text files (the form file and every schedule), then clears.
    void OnReset();

    DECLARE_MESSAGE_MAP()

private:
    // The item's button after its schedule dialog or a load: caption from the schedule file.
    void RefreshItem(int item);
    // The texts of the boxes the analysis reads.
    EscrowInputs ReadInputs();
    CHotEdit& ReserveMonthsBox(int item);
    CHotEdit& MonthlyDepositBox(int item);
    CButton& ItemButton(int item);

    CEdit m_editMonthlyPayment;
    CHotEdit m_editFirstPaymentYear;
    CHotEdit m_editCushion;
    CHotEdit m_editFirstPaymentMonth;
    CEdit m_editAdjustment;
    CHotEdit m_editPerMonth8;
    CHotEdit m_editPerMonth7;
    CHotEdit m_editPerMonth6;
    CHotEdit m_editPerMonth5;
    CHotEdit m_editPerMonth4;
    CHotEdit m_editPerMonth3;
    CHotEdit m_editPerMonth2;
    CHotEdit m_editPerMonth1;
    CHotEdit m_editMonths8;
    CHotEdit m_editMonths7;
    CHotEdit m_editMonths6;
    CHotEdit m_editMonths4;
    CHotEdit m_editMonths5;
    CHotEdit m_editMonths3;
    CHotEdit m_editMonths2;
    CHotEdit m_editMonths1;
    CButton m_btnItem8;
    CButton m_btnItem6;
    CButton m_btnItem7;
    CButton m_btnItem5;
    CButton m_btnItem4;
    CButton m_btnItem3;
    CButton m_btnItem2;
    CButton m_btnItem1;
    CLabel m_labelAdjustment;
    CLabel m_labelCushion;
    CLabel m_labelFirstPayment;
    CLabel m_labelSchedule;
    CLabel m_labelReserves;
    int m_bTwoMonths;
    HICON m_hIcon;
};

// CTallyvaneDlg: the escrow adjustment form, the program's main window. It holds every input of
// the escrow analysis, shows its two results, opens each item's disbursement schedule from the
// item's button, opens the statement of its figures, keeps its inputs in the form file "main.txt"
// of the working folder and clears the working folder on Reset. Every event that changes a figure
// ends in one analysis, which reads each schedule file once.
#pragma once

#include "controls/HotEdit.h"
#include "controls/Label.h"
#include "controls/Picture.h"
#include "core/escrow/EscrowAnalysis.h"
#include "core/files/SafeSave.h"
#include "core/statement/EscrowStatement.h"
#include "dialogs/StatementDlg.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <array>

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
    // Fills the boxes and the "two months" state from the form file, then shows every item's
    // total on its button and the figures of one analysis.
    void LoadForm();
    // Runs the schedule dialog of escrow item 1 to 8.
    void EditSchedule(int item);

    // The analysis: reads the schedule files and shows the monthly payment and the result.
    void Recalculate();
    // Whether the cushion follows the payment: "two months" is on.
    bool TwoMonthsOn() const { return m_bTwoMonths != 0; }
    // Switches "Whole-cent payment" and keeps the choice in the working folder; a failed save is
    // told, and the choice still holds while the program runs.
    void SetWholeCentPayment(bool on);

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    // An item's schedule button: the schedule dialog, then the item's new total and the figures.
    void OnItemButton(UINT id);
    // The "two months" box clicked. While it is on, every analysis first sets the cushion to two
    // monthly payments and the cushion box is read-only; switching it off keeps the last cushion.
    void OnTwoMonths();
    // A box lost the focus; leaving one the analysis reads runs it.
    void OnKillFocusInput(UINT id);
    void OnClose();
    // Asks first; on Yes deletes the working folder's text files (the form file and every
    // schedule), then clears the form.
    void OnReset();
    // The analysis, as leaving a box runs it, then the statement of the same inputs in its own
    // window over the form, offering each item's suggested reserve months.
    void OnShowStatement();
    // Windows is logging off or shutting down: the program never holds that up.
    BOOL OnQueryEndSession();
    // The session ends: the form is saved as at closing, without a question, since nobody is
    // there to answer one; a failed save leaves the old file whole.
    void OnEndSession(BOOL ending);

    DECLARE_MESSAGE_MAP()

private:
    // The controls of one escrow item's line.
    struct ItemControls
    {
        CHotEdit months;
        CHotEdit deposit;
        CButton button;
    };

    // The texts of the boxes the analysis reads.
    EscrowInputs ReadInputs() const;
    // Shows the figures of the boxes against the combined schedule; while "two months" is on,
    // the cushion is first set to two monthly payments.
    void ShowFigures(const MonthAmounts& combined);
    // The analysis, then the statement of the same inputs over the same schedules.
    EscrowStatement AnalyzeForStatement(const ItemSchedules& schedules);
    // Writes each suggested item's reserve months and monthly deposit into its boxes; the other
    // items' boxes stay as they are.
    void UseSuggestedReserves(const CStatementDlg::Suggestions& suggestions);
    // The cushion box takes typing only while "two months" is off.
    void ShowCushionEditable();
    // The item's annual total on its button.
    void ShowItemTotal(int item, const MonthAmounts& schedule);

    std::array<ItemControls, kEscrowItems> m_items; // item 1 first
    CHotEdit m_editFirstPaymentMonth;
    CHotEdit m_editFirstPaymentYear;
    CHotEdit m_editCushion;
    CEdit m_editMonthlyPayment;
    CEdit m_editAdjustment;
    CLabel m_labelReserves;
    CLabel m_labelSchedule;
    CLabel m_labelFirstPayment;
    CLabel m_labelCushion;
    CLabel m_labelAdjustment;
    CPicture m_banner;
    int m_bTwoMonths;
    // "Whole-cent payment": the analysis works at the payment as collected.
    bool m_bWholeCent = false;
    HICON m_hIcon;
};

// CDisbursements: the disbursement schedule of one escrow item, January to December, edited in
// its own modal dialog captioned with the item's line of the form. It opens from the item's
// schedule file and writes the file back on OK (a save that fails is reported and the dialog stays
// open); Cancel, Escape and the close box leave the file as it was. The year's total follows the
// typing. Amounts copied from a spreadsheet or a web page paste into the months, and Copy puts the
// twelve months on the clipboard.
#pragma once

#include "controls/HotEdit.h"
#include "core/escrow/MonthAmounts.h"
#include "core/files/SafeSave.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <array>

class CDisbursements : public CDialog
{
public:
    // `item` (1 to 8) names the schedule file the dialog edits.
    CDisbursements(CWnd* parent, int item);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    // Empties the twelve months on screen.
    void ClearSchedule();
    // Fills the twelve months from the schedule file; missing lines leave their months empty.
    void LoadSchedule();
    // Writes the twelve months, January first, as the schedule file.
    SaveFailure SaveSchedule();
    // The Reset button: the twelve months on screen are cleared; the file changes only on OK.
    void OnReset();
    // The Copy button: the twelve months go on the clipboard.
    void OnCopy();
    // Any month's text changed (typed, pasted, loaded, cleared).
    void OnMonthChange(UINT id);

    DECLARE_MESSAGE_MAP()

private:
    // A month box: a hot-tracking edit box whose paste and copy the dialog answers first.
    class CMonthBox : public CHotEdit
    {
    public:
        CDisbursements* m_pSchedule = nullptr;
        int m_nMonth = 0; // 0 = January

    protected:
        // More than one amount on the clipboard fills this month and those after it; one amount
        // (or none) the box pastes itself.
        void OnPaste();
        // With no text selected the whole schedule is copied; a selection the box copies itself.
        void OnCopy();

        DECLARE_MESSAGE_MAP()
    };

    // Pastes the amounts on the clipboard into `month` and the months after it, when there are
    // two or more; when they run past December the user is told and no month changes. False when
    // the clipboard holds one amount or none, which the box pastes itself.
    bool PasteAmounts(int month);
    // Puts the twelve months on the clipboard as a row and a column (ScheduleClipboardText); the
    // user is told when the clipboard cannot be had.
    void CopySchedule();
    // Shows the year's total of the months as they read now; the label is repainted only when its
    // text changes.
    void ShowTotal();

    int m_nItem;
    std::array<CMonthBox, kMonths> m_months; // January first
    CStatic m_staticTotal;
};

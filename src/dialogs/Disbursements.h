// CDisbursements: the disbursement schedule of one escrow item, January to December, edited in
// its own modal dialog. It opens from the item's schedule file and writes the file back on OK
// (a save that fails is reported and the dialog stays open); Cancel, Escape and the close box
// leave the file as it was.
#pragma once

#include "controls/HotEdit.h"
#include "core/escrow/MonthAmounts.h"
#include "core/files/SafeSave.h"
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

    DECLARE_MESSAGE_MAP()

private:
    int m_nItem;
    std::array<CHotEdit, kMonths> m_months; // January first
};

// CClosingDetailsDlg: the details that name a closing (loan number, borrowers, property address,
// lender or servicer, closing date, monthly principal and interest) in a modal dialog of their
// own. It takes the details and gives them back on OK, every text kept exactly as typed in any
// script; Cancel, Escape and the close box leave them as they were given. It knows nothing of
// the form: the form asks it whether the closing date changed.
#pragma once

#include "core/closing/ClosingDetails.h"
#include "framework/Controls.h"
#include "framework/DateTime.h"
#include "framework/Dialog.h"

#include <string>

class CClosingDetailsDlg : public CDialog
{
public:
    explicit CClosingDetailsDlg(ClosingDetails details, CWnd* parent = nullptr);

    // The details as they were given, or as OK took them from the dialog.
    const ClosingDetails& GetDetails() const { return m_details; }
    // Whether OK gave back another closing date than the picker showed when the dialog opened.
    // A given date that names no real day shows as no date, so giving back none for it is no
    // change. False until OK.
    bool ClosingDateChanged() const { return m_bClosingDateChanged; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Shows the details given.
    BOOL OnInitDialog() override;
    // Takes the details from the dialog and ends it; a principal and interest that is no amount
    // is told, and the dialog stays open with the focus on its box.
    void OnOK() override;

private:
    // The picker's date as "YYYY-MM-DD", or "" when it holds none.
    std::string PickerDateText() const;

    ClosingDetails m_details;
    bool m_bClosingDateChanged = false;
    // The picker's date as it opened, as PickerDateText gives it.
    std::string m_strDateShown;
    CEdit m_editLoanNumber;
    CEdit m_editBorrowers;
    CEdit m_editAddress;
    CEdit m_editLender;
    CDateTimeCtrl m_dateClosing;
    CEdit m_editPrincipalAndInterest;
};

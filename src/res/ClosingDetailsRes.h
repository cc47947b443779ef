// Control identifiers of the closing details dialog (IDD_CLOSING_DETAILS), in tab order: each box
// follows its label, which carries the box's keyboard mnemonic.
#pragma once

#define IDC_DETAILS_LOAN_NUMBER 1300
#define IDC_DETAILS_BORROWERS 1301
#define IDC_DETAILS_ADDRESS 1302
#define IDC_DETAILS_LENDER 1303
#define IDC_DETAILS_CLOSING_DATE 1304
#define IDC_DETAILS_PRINCIPAL_AND_INTEREST 1305

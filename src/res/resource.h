// Resource identifiers of the program: dialogs, strings, pictures and the controls of each dialog.
#pragma once

// Dialogs, strings and pictures.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_TALLYVANE_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_DISBURSEMENTS 130
#define IDD_SAVE_FAILED 140
#define IDD_STATEMENT 150
#define IDD_SAVE_QUESTION 145
#define IDD_CLOSING_DETAILS 160
#define IDB_BANNER 131
// The form's menu and its accelerator keys.
#define IDR_FORM_MENU 170
#define IDR_FORM_ACCELERATORS 171

// The about command of the form's system menu; its low four bits are the system's.
#define ID_SYSCMD_ABOUT 0x0010

// The escrow adjustment form. Item N's reserve months, monthly deposit and schedule button.
#define IDC_MONTHS1 1034
#define IDC_MONTHS2 1035
#define IDC_MONTHS3 1036
#define IDC_MONTHS4 1006
#define IDC_MONTHS5 1037
#define IDC_MONTHS6 1038
#define IDC_MONTHS7 1039
#define IDC_MONTHS8 1040
#define IDC_PER_MONTH1 1041
#define IDC_PER_MONTH2 1042
#define IDC_PER_MONTH3 1043
#define IDC_PER_MONTH4 1044
#define IDC_PER_MONTH5 1015
#define IDC_PER_MONTH6 1016
#define IDC_PER_MONTH7 1017
#define IDC_PER_MONTH8 1018
#define IDC_ITEM1 1000
#define IDC_ITEM2 1001
#define IDC_ITEM3 1002
#define IDC_ITEM4 1003
#define IDC_ITEM5 1004
#define IDC_ITEM6 1005
#define IDC_ITEM7 1007
#define IDC_ITEM8 1008
// The form's other fields, results, headings and buttons.
#define IDC_TWO_MONTHS 1009
#define IDC_RESET 1010
#define IDC_SHOW_STATEMENT 1011
#define IDC_DETAILS 1012
#define IDC_LABEL_RESERVES 1013
#define IDC_LABEL_SCHEDULE 1014
#define IDC_LABEL_FIRST_PAYMENT 1019
#define IDC_LABEL_CUSHION 1020
#define IDC_LABEL_ADJUSTMENT 1021
#define IDC_CUSHION 1031
#define IDC_FIRST_PAYMENT_MONTH 1032
#define IDC_MONTHLY_PAYMENT 1033
#define IDC_FIRST_PAYMENT_YEAR 1046
#define IDC_ADJUSTMENT 1060
// The banner at the bottom of the form.
#define IDC_BANNER 1061

// The form's menu commands beyond its buttons (Details, Statement and Reset are the buttons' ids):
// the File menu, its recent closings (numbered from the first), the whole-cent payment and About.
#define ID_FILE_NEW 2001
#define ID_FILE_OPEN 2002
#define ID_FILE_SAVE 2003
#define ID_FILE_SAVE_AS 2004
#define ID_FILE_RECENT_FIRST 2010
#define ID_FILE_RECENT_LAST 2017
#define ID_FILE_EXIT 2020
#define ID_WHOLE_CENT 2030
#define ID_HELP_ABOUT 2040

// The box shown when the form cannot be saved at closing.
#define IDC_SAVE_FAILED_MESSAGE 1100
#define IDC_CLOSE_WITHOUT_SAVING 1101

// The question asked before a closing with unsaved figures is left.
#define IDC_SAVE_QUESTION_TEXT 1110

// The statement window: the details that name the loan (labels and texts) and the sentence of the
// monthly mortgage payment, the heading's labels and figures, the warnings, the running balance,
// the initial escrow payment with its title, and the buttons; Close is IDCANCEL.
#define IDC_STATEMENT_LABELS 1200
#define IDC_STATEMENT_FIGURES 1201
#define IDC_STATEMENT_WARNINGS 1202
#define IDC_STATEMENT_BALANCE 1203
#define IDC_STATEMENT_PAYMENT_TITLE 1204
#define IDC_STATEMENT_PAYMENT 1205
#define IDC_STATEMENT_COPY 1206
#define IDC_STATEMENT_SAVE 1207
#define IDC_STATEMENT_PRINT 1208
#define IDC_STATEMENT_USE_SUGGESTED 1209
#define IDC_STATEMENT_WHOLE_CENT 1210
#define IDC_STATEMENT_DETAIL_LABELS 1211
#define IDC_STATEMENT_DETAILS 1212
#define IDC_STATEMENT_SENTENCE 1213
#define IDC_STATEMENT_CHART 1214

// The disbursement schedule dialog: its Reset and Copy buttons, the year's total and the twelve
// months.
#define IDC_SCHEDULE_RESET 1000
#define IDC_SCHEDULE_COPY 1001
#define IDC_SCHEDULE_TOTAL 1002
#define IDC_JANUARY 1010
#define IDC_FEBRUARY 1011
#define IDC_MARCH 1012
#define IDC_APRIL 1022
#define IDC_MAY 1023
#define IDC_JUNE 1024
#define IDC_JULY 1025
#define IDC_AUGUST 1026
#define IDC_SEPTEMBER 1027
#define IDC_OCTOBER 1028
#define IDC_NOVEMBER 1029
#define IDC_DECEMBER 1030

// The about box's line that names the program and its version.
#define IDC_ABOUT_VERSION 1300

// The closing details dialog's controls.
#include "ClosingDetailsRes.h"

// Identifiers of the test executable's dialog templates, controls and strings.
#pragma once

#define IDD_FRAMEWORK 200
#define IDC_EDIT_CLIENTEDGE 1001
#define IDC_EDIT_MODAL_STATIC 1002
#define IDC_EDIT_STATICEDGE 1003
#define IDC_EDIT_PLAIN 1004
#define IDC_EDIT_MODALFRAME 1005
#define IDC_CHECK 1010
#define IDC_CHECK3 1011
#define IDC_LABEL 1020
#define IDC_LABEL_LINK 1021
#define IDC_BUTTON 1030
#define IDC_ROW_BUTTON1 1031
#define IDC_ROW_BUTTON2 1032
#define IDC_ROW_BUTTON3 1033
#define IDS_GREETING 300
#define IDS_MISSING 301

// Data exchange between a dialog object's members and the dialog's controls.
#pragma once

#include <windows.h>

class CWnd;

struct CDataExchange
{
    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

// Attaches the member control to the dialog's control `id`. An object whose class has a message
// map of its own is attached by subclassing, once: later exchanges leave it be. A plain CEdit,
// CButton or CStatic only takes the control's handle, and the window keeps its own procedure.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// The check state of button `id` (0 off, 1 on, 2 indeterminate) to or from `value`. A value
// below 0 or above 2 shows the box off and is itself set to 0.
void DDX_Check(CDataExchange* pDX, int id, int& value);

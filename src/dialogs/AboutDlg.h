// CAboutDlg: the about box, opened from the form's system menu. OK, Escape and the close box end
// it.
#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};

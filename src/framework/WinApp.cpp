#include "framework/WinApp.h"

namespace
{
CWinApp* theApp = nullptr;
}

CWinApp::CWinApp(const char*)
{
    theApp = this;
}

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = nullptr;
}

HICON CWinApp::LoadIcon(UINT id) const
{
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

CWinApp* AfxGetApp()
{
    return theApp;
}

// CWinApp: the application object. The program defines one static object of a class derived from
// it; the entry point runs its InitInstance, inside which the whole program runs.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp
{
public:
    // Registers the object as the application. The program passes no name and shows none.
    explicit CWinApp(const char* appName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Runs the program; FALSE ends it without a message loop of the application's own.
    virtual BOOL InitInstance() = 0;

    // Icon resource `id` of the executable, borrowed from the system (never destroyed).
    HICON LoadIcon(UINT id) const;

    CWnd* m_pMainWnd = nullptr;

protected:
    // The three-dimensional look of dialog controls: the system draws it by itself, so there is
    // nothing to switch on.
    BOOL Enable3dControlsStatic() { return TRUE; }
};

// The application object, or null before it is constructed and after it is destroyed.
CWinApp* AfxGetApp();

// Containment of ActiveX controls: the program's dialogs hold none, so there is nothing to
// enable on this platform.
inline void AfxEnableControlContainer() {}

#include "app/Tallyvane.h"

#include "dialogs/TallyvaneDlg.h"

// The one application object, constructed before the entry point runs InitInstance.
CTallyvaneApp theApp;

BOOL CTallyvaneApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CTallyvaneDlg form;
    m_pMainWnd = &form;
    form.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of the application's own: the program ends with the form.
    return FALSE;
}

// The executable's entry point: the program runs inside the application object's InitInstance.
#include "framework/WinApp.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The date pickers and the window subclassing come from the common controls.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&controls);
    if (CWinApp* app = AfxGetApp())
        app->InitInstance();
    return 0;
}

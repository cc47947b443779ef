// The executable's entry point: the program runs inside the application object's InitInstance
// and has no message loop of its own.
#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (CWinApp* app = AfxGetApp())
        app->InitInstance();
    return 0;
}

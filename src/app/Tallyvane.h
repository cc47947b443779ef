// CTallyvaneApp: the application object. It runs the escrow adjustment form as a modal dialog;
// the program ends when the form ends.
#pragma once

#include "framework/WinApp.h"

class CTallyvaneApp : public CWinApp
{
public:
    CTallyvaneApp() : CWinApp(nullptr) {}
    BOOL InitInstance() override;
};

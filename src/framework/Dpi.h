// Screen density: the DPI a window is shown at, and the DPI the system's stock objects are made
// for. A per-monitor aware program draws each window at its own monitor's DPI.
#pragma once

#include <windows.h>

// The DPI at which dialog templates, fonts and pictures are designed: their size at 100 %.
constexpr UINT kDesignDpi = 96;

// The window's DPI: GetDpiForWindow where the system has it (Windows 10 1607 on, and Wine), found
// at run time so that the program still starts on older Windows, else its device context's.
UINT WindowDpi(HWND window);

// The system's DPI: the DPI of the stock objects, such as the default GUI font.
UINT SystemDpi();

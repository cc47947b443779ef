#include "framework/Dpi.h"

namespace
{
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// GetDpiForWindow of user32, or null on a system older than Windows 10 1607.
GetDpiForWindowFunction FindGetDpiForWindow()
{
    const HMODULE user32 = ::GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<GetDpiForWindowFunction>(
                        reinterpret_cast<void*>(::GetProcAddress(user32, "GetDpiForWindow")))
                  : nullptr;
}

UINT DeviceContextDpi(HWND window)
{
    const HDC dc = ::GetDC(window);
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(window, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}
} // namespace

UINT WindowDpi(HWND window)
{
    static const GetDpiForWindowFunction getDpiForWindow = FindGetDpiForWindow();
    if (getDpiForWindow)
    {
        if (const UINT dpi = getDpiForWindow(window))
            return dpi;
    }
    return DeviceContextDpi(window);
}

UINT SystemDpi()
{
    return DeviceContextDpi(nullptr);
}

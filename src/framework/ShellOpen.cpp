#include "framework/ShellOpen.h"

#include "framework/LateLibrary.h"

#include <windows.h>

#include <shellapi.h>

namespace
{
void OpenWithShell(const char* target)
{
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    if (const auto execute = LateFunctionAs<ShellExecuteFunction>(L"shell32.dll", "ShellExecuteA"))
        execute(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}
} // namespace

ShellOpenFunction g_pfnShellOpen = OpenWithShell;

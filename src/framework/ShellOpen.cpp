#include "framework/ShellOpen.h"

#include <windows.h>

#include <shellapi.h>

namespace
{
void OpenWithShell(const char* target)
{
    ::ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}
} // namespace

ShellOpenFunction g_pfnShellOpen = OpenWithShell;

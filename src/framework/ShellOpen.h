// Opening a document, folder or address through the shell with the verb "open", as a
// double-click in the shell would. Every such call of the program goes through ShellOpen, so
// that tests can put their own function in its place and see what would be opened.
#pragma once

using ShellOpenFunction = void (*)(const char* target);

// The function ShellOpen calls; the shell's own unless a test has replaced it.
extern ShellOpenFunction g_pfnShellOpen;

// Opens the target, with no owner window, no parameters and no directory, shown normally. A
// failure (no program for the target, a target that names nothing) is not reported.
inline void ShellOpen(const char* target)
{
    g_pfnShellOpen(target);
}

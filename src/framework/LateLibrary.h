// Functions of system libraries that the program needs only now and then (the shell, OLE
// automation's date parsing, the common dialogs), loaded the first time one is called. Linking
// them would load each library, and the libraries each pulls in, at every start: measured under
// Wine, about 40 of the 50 milliseconds by which the program's start-up trailed a bare dialog's.
#pragma once

#include <windows.h>

// The library's function, or null when the library or the function cannot be found. A library
// loaded here stays for the rest of the program.
FARPROC LateFunction(const wchar_t* library, const char* name);

// The function typed as the caller declares it.
template <class Function> Function LateFunctionAs(const wchar_t* library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(LateFunction(library, name)));
}

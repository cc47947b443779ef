#include "framework/LateLibrary.h"

FARPROC LateFunction(const wchar_t* library, const char* name)
{
    HMODULE module = ::GetModuleHandleW(library);
    if (!module)
        module = ::LoadLibraryW(library);
    return module ? ::GetProcAddress(module, name) : nullptr;
}

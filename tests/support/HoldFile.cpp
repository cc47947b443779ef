// Holds a file open without sharing, as another program (a virus scanner, a backup) might:
//   hold_file PATH MILLISECONDS EVENT
// opens PATH with no sharing, sets the named event EVENT, holds the file that long, then closes it.
#include <windows.h>

#include <cstdlib>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4)
        return 2;
    HANDLE file = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]);
    SetEvent(held);
    Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    CloseHandle(file);
    CloseHandle(held);
    return 0;
}

#ifdef _WIN32
#include "FileHolder.h"

#include <string>

FileHolder::FileHolder(const FilePath& program, const FilePath& file, DWORD milliseconds)
{
    static unsigned counter = 0;
    const std::wstring event = L"TallyvaneHeld" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                               std::to_wstring(counter++);
    m_held = CreateEventW(nullptr, TRUE, FALSE, event.c_str());
    std::wstring commandLine = L"\"" + program.wstring() + L"\" \"" + file.wstring() + L"\" " +
                               std::to_wstring(milliseconds) + L" " + event;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &m_process))
        m_holding = WaitForSingleObject(m_held, 10000) == WAIT_OBJECT_0;
}

FileHolder::~FileHolder()
{
    if (m_process.hProcess)
    {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 10000);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    CloseHandle(m_held);
}
#endif

#include "RemoteWindow.h"

#include <psapi.h>

#include <vector>

namespace
{

struct WindowSearch
{
    const std::string* caption;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if ((search.processId != 0 && processId != search.processId) || !IsWindowVisible(window))
        return TRUE;
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (*search.caption != text)
        return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

RemoteDialog RemoteDialog::WaitFor(const std::string& caption, DWORD processId, DWORD milliseconds,
                                   DWORD poll)
{
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;)
    {
        WindowSearch search{&caption, processId, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return RemoteDialog(search.found);
        if (GetTickCount64() >= deadline)
            return RemoteDialog();
        Sleep(poll);
    }
}

HWND RemoteDialog::Control(int id) const
{
    return GetDlgItem(m_window, id);
}

DWORD RemoteDialog::ThreadId() const
{
    return GetWindowThreadProcessId(m_window, nullptr);
}

std::string RemoteDialog::Caption() const
{
    std::vector<char> text(GetWindowTextLengthA(m_window) + 1);
    GetWindowTextA(m_window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string RemoteDialog::Text(int id) const
{
    const HWND control = Control(id);
    const auto length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto got =
        SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(got));
    return text;
}

void RemoteDialog::SetText(int id, const std::string& text) const
{
    SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool RemoteDialog::IsChecked(int id) const
{
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RemoteDialog::Focus(int id) const
{
    const DWORD self = GetCurrentThreadId();
    AttachThreadInput(self, ThreadId(), TRUE);
    SetFocus(Control(id));
    AttachThreadInput(self, ThreadId(), FALSE);
    Sync();
}

HWND RemoteDialog::FocusedControl() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(ThreadId(), &info);
    return info.hwndFocus;
}

void RemoteDialog::PressKey(WPARAM virtualKey) const
{
    // Keys are posted: a dialog sees them in its message loop, never in a sent message.
    const HWND focused = FocusedControl();
    const HWND target = focused ? focused : m_window;
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(target, WM_KEYUP, virtualKey, 0xC0000001);
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (IsWindow(m_window) && FocusedControl() == focused && GetTickCount64() < deadline)
        Sleep(10);
    if (IsWindow(m_window))
        Sync();
}

void RemoteDialog::Click(int id) const
{
    // Sent without waiting, so that it is handled in order with the messages sent after it.
    SendNotifyMessageA(Control(id), BM_CLICK, 0, 0);
}

void RemoteDialog::PostClose() const
{
    PostMessageA(m_window, WM_CLOSE, 0, 0);
}

void RemoteDialog::PostSysCommand(WPARAM command) const
{
    PostMessageA(m_window, WM_SYSCOMMAND, command, 0);
}

void RemoteDialog::Sync() const
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

bool RemoteDialog::WaitUntilGone(DWORD milliseconds) const
{
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (IsWindow(m_window))
    {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(10);
    }
    return true;
}

RemoteProgram::RemoteProgram(const std::wstring& executable, const std::wstring& folder,
                             const std::wstring& arguments)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + executable + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    if (!CreateProcessW(executable.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &m_process))
        m_process = PROCESS_INFORMATION{};
    else
        WaitForInputIdle(m_process.hProcess, 10000);
}

RemoteProgram::~RemoteProgram()
{
    if (!m_process.hProcess)
        return;
    if (WaitForExit(0) == STILL_ACTIVE)
    {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

DWORD RemoteProgram::WaitForExit(DWORD milliseconds) const
{
    WaitForSingleObject(m_process.hProcess, milliseconds);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

SIZE_T RemoteProgram::PeakPrivateBytes() const
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(m_process.hProcess, &counters, sizeof counters))
        return 0;
    return counters.PeakPagefileUsage;
}

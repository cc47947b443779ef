// A small automation client: finds a dialog of another process by its caption and drives it the
// way a user would, through real window messages.
#pragma once

#include <windows.h>

#include <string>

// A top-level dialog of another process and its controls, found by control identifier.
class RemoteDialog
{
public:
    RemoteDialog() = default;
    explicit RemoteDialog(HWND window) : m_window(window) {}

    // Waits up to `milliseconds` for a visible top-level window with this caption, of the given
    // process (any process when 0), looking again every `poll` milliseconds.
    static RemoteDialog WaitFor(const std::string& caption, DWORD processId, DWORD milliseconds,
                                DWORD poll = 20);

    explicit operator bool() const { return m_window != nullptr && IsWindow(m_window); }
    HWND Handle() const { return m_window; }
    HWND Control(int id) const;

    std::string Caption() const;
    std::string Text(int id) const;
    void SetText(int id, const std::string& text) const;
    bool IsChecked(int id) const;

    // Moves the keyboard focus onto the control, as a click into it would; the control that had
    // the focus gets its kill-focus notification before this returns.
    void Focus(int id) const;
    // The control that has the keyboard focus in the dialog's thread.
    HWND FocusedControl() const;
    // Presses a key in the focused control, where the dialog's own keyboard handling takes it,
    // and waits (up to a few seconds) for what a key does: the focus moving or the dialog ending.
    void PressKey(WPARAM virtualKey) const;
    // Clicks a button. A later Sync returns once the click has been handled, or once what it
    // started (a modal dialog, say) runs.
    void Click(int id) const;
    void PostClose() const;
    void PostSysCommand(WPARAM command) const;
    // Returns once the dialog's thread has handled everything sent or posted before.
    void Sync() const;
    // Waits up to `milliseconds` for the window to be destroyed.
    bool WaitUntilGone(DWORD milliseconds) const;

private:
    DWORD ThreadId() const;

    HWND m_window = nullptr;
};

// The program started in a folder of its own; ended (killed if need be) when destroyed.
class RemoteProgram
{
public:
    // `arguments` follow the quoted program name on its command line.
    RemoteProgram(const std::wstring& executable, const std::wstring& folder,
                  const std::wstring& arguments = L"");
    ~RemoteProgram();
    RemoteProgram(const RemoteProgram&) = delete;
    RemoteProgram& operator=(const RemoteProgram&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    // Waits up to `milliseconds` for the program to end; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD milliseconds) const;
    // The most memory of its own the program has held so far, in bytes; 0 when unknown.
    SIZE_T PeakPrivateBytes() const;

private:
    PROCESS_INFORMATION m_process{};
};

#include "ModalDriver.h"

#include <gtest/gtest.h>

#include <exception>
#include <string>

namespace
{
CDialog* g_dialog = nullptr;
std::function<void()> g_steps;
int g_depth = 0; // the RunModal calls running now, one inside the other

// The steps waiting for a dialog to open, and the timer that looks for it.
struct WaitingSteps
{
    std::string caption;
    std::function<void(HWND)> steps;
    UINT_PTR timer = 0; // 0 when no steps wait
    int depth = 0;      // the RunModal whose steps asked for them
};
WaitingSteps g_waiting;

void StopWaiting()
{
    ::KillTimer(nullptr, g_waiting.timer);
    g_waiting = WaitingSteps{};
}

// Runs a test's steps. An exception from them fails the test here: past this point it would
// travel up through the dialog's loop into the handler that opened the dialog, which keeps what
// it throws to itself, and the steps after it would silently not run.
template <class Steps> void RunTestSteps(const Steps& steps)
{
    try
    {
        steps();
    }
    catch (const std::exception& error)
    {
        ADD_FAILURE() << "the test's steps threw: " << error.what();
    }
    catch (...)
    {
        ADD_FAILURE() << "the test's steps threw";
    }
}

void CALLBACK LookForWaitingDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = ThreadWindow(g_waiting.caption.c_str());
    if (!dialog)
        return;
    // The steps may wait for a dialog of their own.
    const std::function<void(HWND)> steps = std::move(g_waiting.steps);
    StopWaiting();
    RunTestSteps([&] { steps(dialog); });
}

HWND DialogWindow()
{
    return g_dialog ? g_dialog->m_hWnd : nullptr;
}

void DispatchOne(MSG& msg)
{
    HWND dialog = DialogWindow();
    if (dialog && ::IsDialogMessageA(dialog, &msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

void CALLBACK RunSteps(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    HWND dialog = DialogWindow();
    // The steps may run a dialog of their own through RunModal.
    const std::function<void()> steps = std::move(g_steps);
    RunTestSteps(steps);
    // A dialog that has ended is hidden at once and destroyed when its loop resumes.
    if (!PumpUntil([dialog] { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); }))
        ::EndDialog(dialog, kDialogLeftOpen);
}
} // namespace

INT_PTR RunModal(CDialog& dialog, std::function<void()> steps)
{
    CDialog* const outer = g_dialog;
    g_dialog = &dialog;
    g_steps = std::move(steps);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 0, RunSteps);
    const int depth = ++g_depth;
    const INT_PTR result = dialog.DoModal();
    --g_depth;
    ::KillTimer(nullptr, timer);
    g_dialog = outer;
    // Steps still here never ran: the dialog did not open (no window could be made, or its
    // creation failed), and nothing the steps expect was checked.
    if (g_steps)
        ADD_FAILURE() << "the dialog never opened, so the test's steps did not run";
    g_steps = nullptr;
    if (g_waiting.timer && g_waiting.depth == depth)
    {
        ADD_FAILURE() << "the dialog \"" << g_waiting.caption << "\" never opened";
        StopWaiting();
    }
    return result;
}

bool PumpUntil(const std::function<bool()>& done)
{
    const DWORD start = ::GetTickCount();
    const DWORD limit = 2000;
    while (!done())
    {
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= limit)
            return false;
        MSG msg;
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchOne(msg);
        else
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, limit - elapsed, QS_ALLINPUT);
    }
    return true;
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchOne(msg);
}

COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = ::GetWindowDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

void MoveCursorOnto(HWND window)
{
    RECT rect;
    ::GetWindowRect(window, &rect);
    ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void MoveCursorAway()
{
    ::SetCursorPos(1200, 1000);
}

HWND ThreadWindow(const char* caption)
{
    struct Search
    {
        const char* caption;
        HWND found;
    } search{caption, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            char text[100] = {};
            ::GetWindowTextA(window, text, sizeof text);
            if (::IsWindowVisible(window) && std::string(text) == s.caption)
            {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void WhenDialogOpens(const char* caption, std::function<void(HWND)> steps)
{
    if (g_depth == 0)
    {
        ADD_FAILURE() << "WhenDialogOpens(\"" << caption << "\") outside the steps of RunModal";
        return;
    }
    if (g_waiting.timer)
    {
        ADD_FAILURE() << "WhenDialogOpens(\"" << caption << "\") while the steps for \""
                      << g_waiting.caption << "\" still wait";
        return;
    }
    g_waiting = WaitingSteps{caption, std::move(steps), 0, g_depth};
    g_waiting.timer = ::SetTimer(nullptr, 0, 0, LookForWaitingDialog);
}

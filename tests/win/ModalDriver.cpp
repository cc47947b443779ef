#include "ModalDriver.h"

namespace
{
CDialog* g_dialog = nullptr;
std::function<void()> g_steps;

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
    steps();
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
    const INT_PTR result = dialog.DoModal();
    ::KillTimer(nullptr, timer);
    g_dialog = outer;
    g_steps = nullptr;
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

// CWnd: a window object around an HWND. The object owns nothing. An object whose class has a
// message map of its own is attached to its window by subclassing, so the window's messages
// reach that map first and whatever the map does not handle goes on to the window's original
// procedure; any other object just holds the handle.
#pragma once

#include "framework/Gdi.h"
#include "framework/Geometry.h"
#include "framework/MessageMap.h"
#include "framework/String.h"

#include <windows.h>

class CWnd
{
public:
    CWnd() = default;
    // A window object for a window that the program does not attach, such as the other window
    // of a focus change handed to a handler.
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Attaches the object to the dialog's control `id` by subclassing it; FALSE when the dialog
    // has no such control or the object is attached already.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // The window object attached to this window by subclassing, if any.
    static CWnd* FromAttached(HWND hWnd);
    // Whether the class declares a message map of its own, and so needs its window's messages;
    // a plain edit box, button or static text does not.
    bool HasMessageMapOfItsOwn() const { return GetMessageMap() != CWnd::GetThisMessageMap(); }

    void SetWindowText(const char* text);
    // Sets the text only when it differs from the window's: an unchanged box is neither redrawn
    // nor told of a change.
    void SetWindowTextIfChanged(const char* text);
    void GetWindowText(CString& text) const;

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Removes then adds window styles; with `flags` the frame is recomputed (SWP_ flags).
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }

    void GetClientRect(CRect* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(CRect* rect) const { ::GetWindowRect(m_hWnd, rect); }

    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

    BOOL RedrawWindow(const RECT* rect, HRGN region, UINT flags)
    {
        return ::RedrawWindow(m_hWnd, rect, region, flags);
    }
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE)
    {
        ::InvalidateRect(m_hWnd, rect, erase);
    }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }

    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
    HICON SetIcon(HICON icon, BOOL big);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }

    HWND m_hWnd = nullptr;

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // Runs a handler for the message, which Default hands on while the handler runs. Every
    // handler is called here, and nothing it throws crosses into the system's code: the message
    // then counts as unanswered (0).
    LRESULT Dispatch(MessageHandler handler, UINT message, WPARAM wParam, LPARAM lParam);
    // The original procedure's handling of the message being handled now.
    LRESULT Default();

    // Handlers that do what the window would have done without the class.
    void OnPaint() { Default(); }
    void OnClose() { Default(); }
    // A top-level window passes the change on to all its child windows, which the system does
    // not tell themselves.
    void OnSysColorChange();
    // A top-level window moved to a monitor of another DPI takes the rectangle the system
    // suggests, then tells its child windows. Windows 10 1703 and later tell them again after it
    // (a child then makes its fonts twice, at one DPI); Windows 8.1 tells them nothing.
    void OnDpiChanged(UINT dpi, const RECT* suggested);
    void OnDpiChangedAfterParent() { Default(); }
    void OnDestroy() { Default(); }
    void OnSetFocus(CWnd*) { Default(); }
    void OnKillFocus(CWnd*) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnNcMouseMove(UINT, CPoint) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnPaste() { Default(); }
    void OnCopy() { Default(); }

    // Attaches the object to the window by subclassing it.
    BOOL SubclassWindow(HWND hWnd);
    // Runs once the object is attached to its window, before any further message.
    virtual void PreSubclassWindow() {}

private:
    static LRESULT CALLBACK AttachedWindowProc(HWND hWnd, UINT message, WPARAM wParam,
                                               LPARAM lParam);
    // Every message of an attached window: the row of the class's map that answers it, or the
    // window's original procedure.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Gives the window its original procedure back and forgets the attachment.
    void Detach();
    const MessageMapEntry* FindEntry(UINT message, WPARAM wParam, LPARAM lParam) const;

    MSG m_current{};              // the message being handled, for Default
    WNDPROC m_pfnSuper = nullptr; // the window's procedure before it was attached
};

template <class T>
template <auto F>
LRESULT MessageDecoders<T>::OtherWindow(CWnd& wnd, WPARAM wParam, LPARAM)
{
    CWnd other(reinterpret_cast<HWND>(wParam));
    (static_cast<T&>(wnd).*F)(&other);
    return 0;
}

template <class T>
template <auto F>
LRESULT MessageDecoders<T>::FlagsAndPoint(CWnd& wnd, WPARAM wParam, LPARAM lParam)
{
    const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    (static_cast<T&>(wnd).*F)(static_cast<UINT>(wParam), point);
    return 0;
}

template <class T>
template <auto F>
LRESULT MessageDecoders<T>::SetCursor(CWnd& wnd, WPARAM wParam, LPARAM lParam)
{
    CWnd under(reinterpret_cast<HWND>(wParam));
    return (static_cast<T&>(wnd).*F)(&under, LOWORD(lParam), HIWORD(lParam));
}

// The reflected control colour: the device context in wParam, the CTLCOLOR_ code in lParam.
template <class T>
template <auto F>
LRESULT MessageDecoders<T>::CtlColor(CWnd& wnd, WPARAM wParam, LPARAM lParam)
{
    CDC dc(reinterpret_cast<HDC>(wParam));
    return reinterpret_cast<LRESULT>((static_cast<T&>(wnd).*F)(&dc, static_cast<UINT>(lParam)));
}

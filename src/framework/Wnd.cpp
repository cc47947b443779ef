#include "framework/Wnd.h"

#include <unordered_map>

namespace
{
// The attached windows of the user-interface thread and their objects. A window is attached by
// replacing its procedure and kept in this map: both are read without asking the window system,
// where the common controls' subclassing and window properties cost a round trip to the window
// server for every message under Wine (about 100 microseconds against 1).
std::unordered_map<HWND, CWnd*>& AttachedWindows()
{
    static std::unordered_map<HWND, CWnd*> windows;
    return windows;
}

bool IsControlColourMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}
} // namespace

CWnd::~CWnd()
{
    // An object that ends while its window lives on detaches itself, so that no message reaches
    // a destroyed object.
    if (m_hWnd && FromAttached(m_hWnd) == this)
        Detach();
}

const MessageMap* CWnd::GetThisMessageMap()
{
    using ThisClass = CWnd;
    static const MessageMapEntry entries[] = {ON_WM_SYSCOLORCHANGE() //
                                              ON_WM_DPICHANGED()     //
                                              {0, 0, 0, 0, nullptr}};
    static const MessageMap map{nullptr, entries};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control ? SubclassWindow(control) : FALSE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (m_hWnd || !::IsWindow(hWnd) || FromAttached(hWnd))
        return FALSE;
    AttachedWindows()[hWnd] = this;
    m_hWnd = hWnd;
    m_pfnSuper = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AttachedWindowProc)));
    PreSubclassWindow();
    return TRUE;
}

CWnd* CWnd::FromAttached(HWND hWnd)
{
    const auto found = AttachedWindows().find(hWnd);
    return found == AttachedWindows().end() ? nullptr : found->second;
}

void CWnd::Detach()
{
    // Another procedure put in after ours stays, so that its chain is not cut.
    if (::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) ==
        reinterpret_cast<LONG_PTR>(&CWnd::AttachedWindowProc))
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    AttachedWindows().erase(m_hWnd);
    m_hWnd = nullptr;
}

LRESULT CALLBACK CWnd::AttachedWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromAttached(hWnd);
    if (!wnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        const WNDPROC super = wnd->m_pfnSuper;
        wnd->Detach();
        return ::CallWindowProcA(super, hWnd, message, wParam, lParam);
    }
    return wnd->WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A control's colours are offered to the control's own class first; a brush from it answers
    // the message.
    if (IsControlColourMessage(message))
    {
        if (CWnd* child = FromAttached(reinterpret_cast<HWND>(lParam)))
        {
            if (const MessageMapEntry* entry = child->FindEntry(WM_CTLCOLOR_REFLECT, 0, 0))
            {
                const LRESULT brush = child->Dispatch(entry->handler, WM_CTLCOLOR_REFLECT, wParam,
                                                      message - WM_CTLCOLORMSGBOX);
                if (brush)
                    return brush;
            }
        }
    }
    if (const MessageMapEntry* entry = FindEntry(message, wParam, lParam))
        return Dispatch(entry->handler, message, wParam, lParam);
    return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(MessageHandler handler, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A handler may send messages to its own window; each keeps the one it handles.
    const MSG outer = m_current;
    m_current = MSG{m_hWnd, message, wParam, lParam, 0, {}};
    LRESULT result = 0;
    try
    {
        result = handler(*this, wParam, lParam);
    }
    catch (...)
    {
    }
    m_current = outer;
    return result;
}

const MessageMapEntry* CWnd::FindEntry(UINT message, WPARAM wParam, LPARAM lParam) const
{
    // A command or notification row answers its code from its controls only.
    UINT code = 0;
    UINT id = 0;
    const bool fromControl = message == WM_COMMAND || message == WM_NOTIFY;
    if (message == WM_COMMAND)
    {
        code = HIWORD(wParam);
        id = LOWORD(wParam);
        // A menu's command (code 0) and an accelerator's (code 1) are the same command.
        if (lParam == 0 && code == 1)
            code = 0;
    }
    else if (message == WM_NOTIFY)
    {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        code = header->code;
        id = static_cast<UINT>(header->idFrom);
    }
    for (const MessageMap* map = GetMessageMap(); map; map = map->base)
    {
        for (const MessageMapEntry* entry = map->entries; entry->handler; ++entry)
        {
            if (entry->message != message)
                continue;
            if (!fromControl)
                return entry;
            if (entry->code == code && id >= entry->firstId && id <= entry->lastId)
                return entry;
        }
    }
    return nullptr;
}

LRESULT CWnd::Default()
{
    return ::CallWindowProcA(m_pfnSuper, m_current.hwnd, m_current.message, m_current.wParam,
                             m_current.lParam);
}

namespace
{
BOOL CALLBACK PassColourChange(HWND child, LPARAM)
{
    ::SendMessageA(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

BOOL CALLBACK PassDpiChange(HWND child, LPARAM)
{
    ::SendMessageA(child, WM_DPICHANGED_AFTERPARENT_MESSAGE, 0, 0);
    return TRUE;
}
} // namespace

void CWnd::OnSysColorChange()
{
    Default();
    if (!(GetStyle() & WS_CHILD))
        ::EnumChildWindows(m_hWnd, PassColourChange, 0);
}

void CWnd::OnDpiChanged(UINT, const RECT* suggested)
{
    Default();
    if (GetStyle() & WS_CHILD)
        return;
    if (suggested)
        ::SetWindowPos(m_hWnd, nullptr, suggested->left, suggested->top,
                       suggested->right - suggested->left, suggested->bottom - suggested->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    ::EnumChildWindows(m_hWnd, PassDpiChange, 0);
}

void CWnd::SetWindowText(const char* text)
{
    ::SetWindowTextA(m_hWnd, text);
}

void CWnd::SetWindowTextIfChanged(const char* text)
{
    CString current;
    GetWindowText(current);
    if (current.str() != text)
        SetWindowText(text);
}

void CWnd::GetWindowText(CString& text) const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    buffer.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    text = CString(std::move(buffer));
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
}

namespace
{
BOOL ModifyWindowLong(HWND hWnd, int index, DWORD remove, DWORD add, UINT flags)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(hWnd, index));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrA(hWnd, index, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}
} // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    return ModifyWindowLong(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

HICON CWnd::SetIcon(HICON icon, BOOL big)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

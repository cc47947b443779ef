// Message maps: one static table per window class, each row a message (or a command or control
// notification) and the member that handles it. A row's handler is a small function made from
// the member, which decodes the message's parameters into the member's typed arguments.
#pragma once

#include <windows.h>

class CWnd;

// Decodes a message for one member handler and calls it on the window object.
using MessageHandler = LRESULT (*)(CWnd& wnd, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry
{
    UINT message; // the message; WM_COMMAND or WM_NOTIFY for commands and control notifications
    UINT code;    // the notification code of a WM_COMMAND row (0 for a command or a click) or of a
                  // WM_NOTIFY row
    UINT firstId; // the command or control identifiers a WM_COMMAND or WM_NOTIFY row answers,
                  // first to last
    UINT lastId;
    MessageHandler handler;
};

struct MessageMap
{
    const MessageMap* base;         // the base class's table, searched after this one
    const MessageMapEntry* entries; // ends with a row whose handler is null
};

// The control-colour message as the parent hands it back to the child it concerns.
constexpr UINT WM_REFLECT_BASE = 0xBC00;
constexpr UINT WM_CTLCOLOR_REFLECT = WM_REFLECT_BASE + 0x0019;

// Sent by Windows 10 1703 and later to every child window once its top-level window has handled
// WM_DPICHANGED; the system headers name it only for later target versions than the program's.
constexpr UINT WM_DPICHANGED_AFTERPARENT_MESSAGE = 0x02E3;

// The decoders, one per handler signature. T is the class whose table holds the row; F is the
// member, possibly one that T inherits.
template <class T> struct MessageDecoders
{
    template <auto F> static LRESULT NoArguments(CWnd& wnd, WPARAM, LPARAM)
    {
        (static_cast<T&>(wnd).*F)();
        return 0;
    }
    template <auto F> static LRESULT OtherWindow(CWnd& wnd, WPARAM wParam, LPARAM);
    template <auto F> static LRESULT FlagsAndPoint(CWnd& wnd, WPARAM wParam, LPARAM lParam);
    // The id of the command or control of a row that answers a range of ids.
    template <auto F> static LRESULT ControlId(CWnd& wnd, WPARAM wParam, LPARAM)
    {
        (static_cast<T&>(wnd).*F)(static_cast<UINT>(LOWORD(wParam)));
        return 0;
    }
    template <auto F> static LRESULT TimerId(CWnd& wnd, WPARAM wParam, LPARAM)
    {
        (static_cast<T&>(wnd).*F)(static_cast<UINT_PTR>(wParam));
        return 0;
    }
    template <auto F> static LRESULT SetCursor(CWnd& wnd, WPARAM wParam, LPARAM lParam);
    template <auto F> static LRESULT SysCommand(CWnd& wnd, WPARAM wParam, LPARAM lParam)
    {
        (static_cast<T&>(wnd).*F)(static_cast<UINT>(wParam), lParam);
        return 0;
    }
    template <auto F> static LRESULT QueryEndSession(CWnd& wnd, WPARAM, LPARAM)
    {
        return (static_cast<T&>(wnd).*F)();
    }
    template <auto F> static LRESULT EndSession(CWnd& wnd, WPARAM wParam, LPARAM)
    {
        (static_cast<T&>(wnd).*F)(static_cast<BOOL>(wParam));
        return 0;
    }
    // A message of the program's own: both parameters, and the answer.
    template <auto F> static LRESULT Parameters(CWnd& wnd, WPARAM wParam, LPARAM lParam)
    {
        return (static_cast<T&>(wnd).*F)(wParam, lParam);
    }
    template <auto F> static LRESULT QueryDragIcon(CWnd& wnd, WPARAM, LPARAM)
    {
        return reinterpret_cast<LRESULT>((static_cast<T&>(wnd).*F)());
    }
    template <auto F> static LRESULT CtlColor(CWnd& wnd, WPARAM wParam, LPARAM lParam);
    // The kind of change (SIZE_ codes) and the new client width and height.
    template <auto F> static LRESULT Size(CWnd& wnd, WPARAM wParam, LPARAM lParam)
    {
        (static_cast<T&>(wnd).*F)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    template <auto F> static LRESULT MinMaxInfo(CWnd& wnd, WPARAM, LPARAM lParam)
    {
        (static_cast<T&>(wnd).*F)(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    }
    // The notification's header; the member sets the answer, which starts as 0.
    template <auto F> static LRESULT Notify(CWnd& wnd, WPARAM, LPARAM lParam)
    {
        LRESULT result = 0;
        (static_cast<T&>(wnd).*F)(reinterpret_cast<NMHDR*>(lParam), &result);
        return result;
    }
    // The new DPI in wParam's low word (the high word holds the same DPI, vertically), the window
    // rectangle the system suggests for it in lParam.
    template <auto F> static LRESULT DpiChanged(CWnd& wnd, WPARAM wParam, LPARAM lParam)
    {
        (static_cast<T&>(wnd).*F)(static_cast<UINT>(LOWORD(wParam)),
                                  reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const MessageMap* GetThisMessageMap();                                                  \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const MessageMap* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, nullptr                                                                        \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const MessageMap map{TheBaseClass::GetThisMessageMap(), entries};                       \
    return &map;                                                                                   \
    }

#define MESSAGE_MAP_RANGE_ROW(message, code, firstId, lastId, decoder, member)                     \
    {message, code, firstId, lastId, &MessageDecoders<ThisClass>::decoder<&ThisClass::member>},
#define MESSAGE_MAP_ROW(message, code, id, decoder, member)                                        \
    MESSAGE_MAP_RANGE_ROW(message, code, id, id, decoder, member)

// Window messages, each to the member of the usual name.
#define ON_WM_PAINT() MESSAGE_MAP_ROW(WM_PAINT, 0, 0, NoArguments, OnPaint)
#define ON_WM_CLOSE() MESSAGE_MAP_ROW(WM_CLOSE, 0, 0, NoArguments, OnClose)
#define ON_WM_SYSCOLORCHANGE()                                                                     \
    MESSAGE_MAP_ROW(WM_SYSCOLORCHANGE, 0, 0, NoArguments, OnSysColorChange)
#define ON_WM_SETFOCUS() MESSAGE_MAP_ROW(WM_SETFOCUS, 0, 0, OtherWindow, OnSetFocus)
#define ON_WM_KILLFOCUS() MESSAGE_MAP_ROW(WM_KILLFOCUS, 0, 0, OtherWindow, OnKillFocus)
#define ON_WM_MOUSEMOVE() MESSAGE_MAP_ROW(WM_MOUSEMOVE, 0, 0, FlagsAndPoint, OnMouseMove)
#define ON_WM_NCMOUSEMOVE() MESSAGE_MAP_ROW(WM_NCMOUSEMOVE, 0, 0, FlagsAndPoint, OnNcMouseMove)
#define ON_WM_LBUTTONDOWN() MESSAGE_MAP_ROW(WM_LBUTTONDOWN, 0, 0, FlagsAndPoint, OnLButtonDown)
// The clipboard messages an edit box gets from its keys (Ctrl+V, Shift+Insert, Ctrl+C) and from
// its context menu: void OnPaste(), void OnCopy().
#define ON_WM_PASTE() MESSAGE_MAP_ROW(WM_PASTE, 0, 0, NoArguments, OnPaste)
#define ON_WM_COPY() MESSAGE_MAP_ROW(WM_COPY, 0, 0, NoArguments, OnCopy)
#define ON_WM_TIMER() MESSAGE_MAP_ROW(WM_TIMER, 0, 0, TimerId, OnTimer)
#define ON_WM_SETCURSOR() MESSAGE_MAP_ROW(WM_SETCURSOR, 0, 0, SetCursor, OnSetCursor)
#define ON_WM_SYSCOMMAND() MESSAGE_MAP_ROW(WM_SYSCOMMAND, 0, 0, SysCommand, OnSysCommand)
// The part of a WM_SYSCOMMAND id that names the command: the system keeps the low four bits for
// itself, so a command of the program's own is compared after this mask.
constexpr UINT kSysCommandMask = 0xFFF0;
// The end of the Windows session: BOOL OnQueryEndSession() answers whether it may end;
// void OnEndSession(BOOL ending) hears whether it does.
#define ON_WM_QUERYENDSESSION()                                                                    \
    MESSAGE_MAP_ROW(WM_QUERYENDSESSION, 0, 0, QueryEndSession, OnQueryEndSession)
#define ON_WM_ENDSESSION() MESSAGE_MAP_ROW(WM_ENDSESSION, 0, 0, EndSession, OnEndSession)
// void OnSize(UINT type, int cx, int cy) once the window's size has changed.
#define ON_WM_SIZE() MESSAGE_MAP_ROW(WM_SIZE, 0, 0, Size, OnSize)
// void OnGetMinMaxInfo(MINMAXINFO* info) before the size changes: the member may bound it.
#define ON_WM_GETMINMAXINFO() MESSAGE_MAP_ROW(WM_GETMINMAXINFO, 0, 0, MinMaxInfo, OnGetMinMaxInfo)
#define ON_WM_QUERYDRAGICON()                                                                      \
    MESSAGE_MAP_ROW(WM_QUERYDRAGICON, 0, 0, QueryDragIcon, OnQueryDragIcon)
#define ON_WM_DESTROY() MESSAGE_MAP_ROW(WM_DESTROY, 0, 0, NoArguments, OnDestroy)
// The window's DPI changed (it moved to a monitor of another density): void OnDpiChanged(UINT dpi,
// const RECT* suggested) hears the new DPI and the window rectangle the system suggests for it.
#define ON_WM_DPICHANGED() MESSAGE_MAP_ROW(WM_DPICHANGED, 0, 0, DpiChanged, OnDpiChanged)
// The top-level window has handled its change of DPI: void OnDpiChangedAfterParent().
#define ON_WM_DPICHANGED_AFTERPARENT()                                                             \
    MESSAGE_MAP_ROW(WM_DPICHANGED_AFTERPARENT_MESSAGE, 0, 0, NoArguments, OnDpiChangedAfterParent)

// The parent's WM_CTLCOLOR* for this control, handed back to it; a null brush lets the parent
// answer as usual.
#define ON_WM_CTLCOLOR_REFLECT() MESSAGE_MAP_ROW(WM_CTLCOLOR_REFLECT, 0, 0, CtlColor, CtlColor)

// A message of the program's own (WM_APP and up): LRESULT member(WPARAM, LPARAM).
#define ON_MESSAGE(message, member) MESSAGE_MAP_ROW(message, 0, 0, Parameters, member)

// Commands and control notifications.
#define ON_COMMAND(id, member) MESSAGE_MAP_ROW(WM_COMMAND, 0, id, NoArguments, member)
#define ON_BN_CLICKED(id, member) MESSAGE_MAP_ROW(WM_COMMAND, BN_CLICKED, id, NoArguments, member)
#define ON_EN_KILLFOCUS(id, member)                                                                \
    MESSAGE_MAP_ROW(WM_COMMAND, EN_KILLFOCUS, id, NoArguments, member)
// One member for a run of ids, firstId to lastId: void member(UINT id) is handed the id of the
// command, or of the control that sent the notification `code`.
#define ON_COMMAND_RANGE(firstId, lastId, member)                                                  \
    MESSAGE_MAP_RANGE_ROW(WM_COMMAND, 0, firstId, lastId, ControlId, member)
#define ON_CONTROL_RANGE(code, firstId, lastId, member)                                            \
    MESSAGE_MAP_RANGE_ROW(WM_COMMAND, code, firstId, lastId, ControlId, member)
// A common control's notification `code` (WM_NOTIFY) from control `id`:
// void member(NMHDR* header, LRESULT* result), where *result is the answer to the control.
#define ON_NOTIFY(code, id, member) MESSAGE_MAP_ROW(WM_NOTIFY, code, id, Notify, member)

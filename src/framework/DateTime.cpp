#include "framework/DateTime.h"

#include "framework/LateLibrary.h"

#include <oleauto.h>

#include <string>

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    COleDateTime today;
    today.m_nYear = now.wYear;
    today.m_nMonth = now.wMonth;
    today.m_nDay = now.wDay;
    return today;
}

BOOL COleDateTime::ParseDateTime(const char* text, DWORD flags, LCID locale)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return FALSE;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    using ParseFunction = HRESULT(WINAPI*)(const OLECHAR*, LCID, ULONG, DATE*);
    using PartsFunction = INT(WINAPI*)(DOUBLE, SYSTEMTIME*);
    const auto parse = LateFunctionAs<ParseFunction>(L"oleaut32.dll", "VarDateFromStr");
    const auto split = LateFunctionAs<PartsFunction>(L"oleaut32.dll", "VariantTimeToSystemTime");
    DATE date;
    SYSTEMTIME parts;
    if (!parse || !split || FAILED(parse(wide.data(), locale, flags, &date)) ||
        !split(date, &parts))
        return FALSE;
    m_nYear = parts.wYear;
    m_nMonth = parts.wMonth;
    m_nDay = parts.wDay;
    return TRUE;
}

DWORD CDateTimeCtrl::GetTime(SYSTEMTIME* time) const
{
    return static_cast<DWORD>(
        ::SendMessageA(m_hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(time)));
}

BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME* time)
{
    // Some pickers (Wine's) refuse GDT_NONE without a date to point at, though they ignore it.
    const SYSTEMTIME ignored{};
    const SYSTEMTIME* pointed = time ? time : &ignored;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, DTM_SETSYSTEMTIME, time ? GDT_VALID : GDT_NONE,
                                            reinterpret_cast<LPARAM>(pointed)));
}

DWORD CDateTimeCtrl::GetRange(SYSTEMTIME* minimum, SYSTEMTIME* maximum) const
{
    SYSTEMTIME range[2]{};
    const DWORD set = static_cast<DWORD>(
        ::SendMessageA(m_hWnd, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)));
    *minimum = range[0];
    *maximum = range[1];
    return set;
}

#include "framework/String.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

int CString::Remove(char ch)
{
    const auto kept = std::remove(m_text.begin(), m_text.end(), ch);
    const int removed = static_cast<int>(m_text.end() - kept);
    m_text.erase(kept, m_text.end());
    return removed;
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    m_text = std::move(text);
}

BOOL CString::LoadString(UINT id)
{
    // A string resource's length is asked for first (a zero buffer size gives a pointer to the
    // resource's own text, which is UTF-16); the 8-bit form is then read at that length.
    const wchar_t* resource = nullptr;
    const int wideLength =
        ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&resource), 0);
    if (wideLength <= 0)
        return FALSE;
    std::string text(static_cast<size_t>(wideLength) * 2 + 1, '\0');
    const int length =
        ::LoadStringA(::GetModuleHandleW(nullptr), id, text.data(), static_cast<int>(text.size()));
    if (length <= 0)
        return FALSE;
    text.resize(static_cast<size_t>(length));
    m_text = std::move(text);
    return TRUE;
}

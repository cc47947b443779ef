// CString: the program's single-byte text (8-bit code page), held in a std::string so that the
// window-free core takes and gives it without conversion.
#pragma once

#include <windows.h>

#include <string>

class CString
{
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(std::string text) : m_text(std::move(text)) {}

    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    bool IsEmpty() const { return m_text.empty(); }

    // Removes every occurrence of the character; returns how many went.
    int Remove(char ch);

    // Replaces the text with the printf-style formatting of the arguments.
    void Format(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));

    // Replaces the text with string resource `id` of the executable; FALSE (and the text left
    // unchanged) when there is no such string.
    BOOL LoadString(UINT id);

private:
    std::string m_text;
};

#include "framework/Clipboard.h"

#include <cstring>

namespace
{
// How often, and how far apart in milliseconds, the clipboard is asked for.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPause = 50;
} // namespace

bool OpenClipboardSoon(HWND owner)
{
    for (int attempt = 1;; ++attempt)
    {
        if (::OpenClipboard(owner))
            return true;
        if (attempt == kOpenAttempts)
            return false;
        ::Sleep(kOpenPause);
    }
}

HGLOBAL GlobalCopy(const void* bytes, std::size_t size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return nullptr;
    void* target = ::GlobalLock(block);
    if (!target)
    {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(block);
    return block;
}

bool SetClipboardBlock(UINT format, HGLOBAL block)
{
    if (!block)
        return false;
    if (::SetClipboardData(format, block))
        return true;
    ::GlobalFree(block);
    return false;
}

bool PutClipboardText(HWND owner, const std::wstring& text)
{
    if (!OpenClipboardSoon(owner))
        return false;
    // The text ends in its NUL, as readers of the clipboard expect.
    const bool put =
        ::EmptyClipboard() &&
        SetClipboardBlock(CF_UNICODETEXT,
                          GlobalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
    ::CloseClipboard();
    return put;
}

std::optional<std::wstring> ClipboardText(HWND owner)
{
    if (!::IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboardSoon(owner))
        return std::nullopt;
    std::optional<std::wstring> text;
    if (HGLOBAL block = ::GetClipboardData(CF_UNICODETEXT))
    {
        if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(block)))
        {
            // The block may be larger than its text, and a careless writer may leave out the NUL.
            const std::size_t room = ::GlobalSize(block) / sizeof(wchar_t);
            text = std::wstring(chars, ::wcsnlen(chars, room));
            ::GlobalUnlock(block);
        }
    }
    ::CloseClipboard();
    return text;
}

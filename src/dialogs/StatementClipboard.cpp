#include "dialogs/StatementClipboard.h"

#include "core/statement/ClipboardHtml.h"
#include "core/statement/StatementHtml.h"
#include "core/statement/StatementText.h"
#include "framework/TextEncoding.h"

#include <cstring>
#include <string>

namespace
{

// How often, and how far apart in milliseconds, the clipboard is asked for.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPause = 50;

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

// The bytes in a movable global block, as the clipboard takes them; null when memory is short.
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

// Hands the block to the open clipboard, which owns it from then on; a block it refuses is freed.
bool SetClipboardBlock(UINT format, HGLOBAL block)
{
    if (!block)
        return false;
    if (::SetClipboardData(format, block))
        return true;
    ::GlobalFree(block);
    return false;
}

} // namespace

bool CopyStatementToClipboard(HWND owner, const EscrowStatement& statement)
{
    const std::wstring text = WideFromUtf8(StatementText(statement));
    const std::string html = ClipboardHtml(StatementHtmlFragment(statement));
    const UINT htmlFormat = ::RegisterClipboardFormatW(kHtmlClipboardFormat);
    if (htmlFormat == 0 || !OpenClipboardSoon(owner))
        return false;
    // Each text ends in its NUL, as readers of the clipboard expect.
    const bool copied =
        ::EmptyClipboard() &&
        SetClipboardBlock(CF_UNICODETEXT,
                          GlobalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t))) &&
        SetClipboardBlock(htmlFormat, GlobalCopy(html.c_str(), html.size() + 1));
    if (!copied)
        ::EmptyClipboard();
    ::CloseClipboard();
    return copied;
}

#include "dialogs/StatementClipboard.h"

#include "core/statement/ClipboardHtml.h"
#include "core/statement/StatementHtml.h"
#include "core/statement/StatementText.h"
#include "framework/Clipboard.h"
#include "framework/TextEncoding.h"

#include <string>

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

// The statement on the clipboard: plain text, which reads as it is and pastes into a spreadsheet,
// and the clipboard's HTML format, which word processors and mail programs paste as tables.
#pragma once

#include "core/statement/EscrowStatement.h"

#include <windows.h>

// The clipboard format of HTML, by its registered name.
constexpr wchar_t kHtmlClipboardFormat[] = L"HTML Format";

// Puts the statement on the clipboard in both formats at once, in place of whatever it held, with
// `owner` as the clipboard's owner. A clipboard that another program has open is tried again for
// about half a second. False when the clipboard could not be had or did not take both formats; it
// then holds neither.
bool CopyStatementToClipboard(HWND owner, const EscrowStatement& statement);

// The clipboard: opened with a little patience, blocks handed to it, and its plain text read and
// written as wide (UTF-16) text.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

// Opens the clipboard for `owner`; a clipboard that another program has open is tried again for
// about half a second. The caller closes it.
bool OpenClipboardSoon(HWND owner);

// The bytes in a movable global block, as the clipboard takes them; null when memory is short.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size);

// Hands the block to the open clipboard, which owns it from then on; a block it refuses (or a
// null one) is freed and gives false.
bool SetClipboardBlock(UINT format, HGLOBAL block);

// Puts the text on the clipboard as CF_UNICODETEXT, in place of whatever it held, with `owner` as
// its owner. False when the clipboard could not be had or did not take the text.
bool PutClipboardText(HWND owner, const std::wstring& text);

// The clipboard's plain text (CF_UNICODETEXT, which the system makes from the other text formats);
// nothing when it holds no text or could not be had.
std::optional<std::wstring> ClipboardText(HWND owner);

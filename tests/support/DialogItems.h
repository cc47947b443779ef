// The items of a dialog driven from inside its own thread: their texts, check boxes, clicks and
// keys, the way the user would work them.
#pragma once

#include <windows.h>

#include <string>

// The identifier of a message box's text.
constexpr int kMessageBoxText = 0xFFFF;

// Keeps the text of the program's next message box (caption "Tallyvane") in `told` and closes it
// with OK; called from the steps of RunModal, like WhenDialogOpens.
void WhenMessageOpens(std::string& told);

// The window's whole text: a dialog's caption, a message box's text.
std::string WindowText(HWND window);

// The whole text of the dialog's item.
std::string Text(HWND dialog, int id);
void SetText(HWND dialog, int id, const char* text);
// The same through the W functions, for text outside the code page.
std::wstring WideText(HWND dialog, int id);
void SetWideText(HWND dialog, int id, const wchar_t* text);

// Whether the dialog's check box is checked.
bool Checked(HWND dialog, int id);

// Clicks the dialog's button; its handler has run when this returns.
void Click(HWND dialog, int id);

// Posts a key's press and release to the window, for the dialog's own loop to handle.
void PostKey(HWND window, WPARAM key);

// The clipboard's plain text (CF_UNICODETEXT), read the way a program pasting it would; empty when
// it holds none.
std::wstring ReadClipboardText();
// Puts the text on the clipboard as CF_UNICODETEXT alone, owned by the window, as a program copying
// it would; false when the clipboard could not be had.
bool WriteClipboardText(HWND owner, const std::wstring& text);

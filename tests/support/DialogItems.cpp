#include "DialogItems.h"

#include "ModalDriver.h"

#include <cstring>
#include <cwchar>

std::string WindowText(HWND window)
{
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string Text(HWND dialog, int id)
{
    return WindowText(::GetDlgItem(dialog, id));
}

void SetText(HWND dialog, int id, const char* text)
{
    ::SetDlgItemTextA(dialog, id, text);
}

std::wstring WideText(HWND dialog, int id)
{
    HWND item = ::GetDlgItem(dialog, id);
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextW(item, &text[0], static_cast<int>(text.size()))));
    return text;
}

void SetWideText(HWND dialog, int id, const wchar_t* text)
{
    ::SetDlgItemTextW(dialog, id, text);
}

bool Checked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void Click(HWND dialog, int id)
{
    ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PostKey(HWND window, WPARAM key)
{
    ::PostMessageA(window, WM_KEYDOWN, key, 1);
    ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

void WhenMessageOpens(std::string& told)
{
    WhenDialogOpens("Tallyvane", [&told](HWND box) {
        told = Text(box, kMessageBoxText);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
}

std::wstring ReadClipboardText()
{
    std::wstring text;
    if (!::OpenClipboard(nullptr))
        return text;
    if (HGLOBAL block = ::GetClipboardData(CF_UNICODETEXT))
    {
        const wchar_t* data = static_cast<const wchar_t*>(::GlobalLock(block));
        text.assign(data, wcsnlen(data, ::GlobalSize(block) / sizeof(wchar_t)));
        ::GlobalUnlock(block);
    }
    ::CloseClipboard();
    return text;
}

bool WriteClipboardText(HWND owner, const std::wstring& text)
{
    if (!::OpenClipboard(owner))
        return false;
    ::EmptyClipboard();
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(::GlobalLock(memory), text.c_str(), size);
    ::GlobalUnlock(memory);
    const bool put = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    ::CloseClipboard();
    return put;
}

#include "DialogItems.h"

#include "ModalDriver.h"

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

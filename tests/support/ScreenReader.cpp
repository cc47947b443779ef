#include "ScreenReader.h"

#include <oleacc.h>

namespace
{
std::wstring Taken(BSTR text)
{
    std::wstring taken = text ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
    ::SysFreeString(text);
    return taken;
}

long NumberOf(const VARIANT& value)
{
    return value.vt == VT_I4 ? value.lVal : 0;
}
} // namespace

Heard AskLikeAScreenReader(HWND control)
{
    // A reader's thread has COM, which brings another process's objects across.
    const HRESULT com = ::CoInitialize(nullptr);
    Heard heard;
    IAccessible* object = nullptr;
    if (SUCCEEDED(::AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&object))) &&
        object)
    {
        heard.answered = true;
        VARIANT self;
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        if (object->get_accName(self, &text) == S_OK)
            heard.name = Taken(text);
        VARIANT number;
        ::VariantInit(&number);
        if (SUCCEEDED(object->get_accRole(self, &number)))
            heard.role = NumberOf(number);
        ::VariantInit(&number);
        if (SUCCEEDED(object->get_accState(self, &number)))
            heard.state = NumberOf(number);
        text = nullptr;
        if (object->get_accValue(self, &text) == S_OK)
            heard.value = Taken(text);
        object->Release();
    }
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return heard;
}

std::string AsciiText(const std::wstring& text)
{
    std::string ascii;
    for (const wchar_t ch : text)
        ascii += ch < 128 ? static_cast<char>(ch) : '?';
    return ascii;
}

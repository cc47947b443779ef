// A control as a screen reader hears it: asked for its accessible object the way a reader asks
// (AccessibleObjectFromWindow), then for the object's name, role, state and value. Works across
// processes: the test that asks need not be the program.
#pragma once

#include <windows.h>

#include <string>

struct Heard
{
    bool answered = false; // the control gave an accessible object
    std::wstring name;
    long role = 0;
    long state = 0;
    std::wstring value;
};

Heard AskLikeAScreenReader(HWND control);

// The text with every character outside ASCII as '?', for comparing and printing in tests.
std::string AsciiText(const std::wstring& text);

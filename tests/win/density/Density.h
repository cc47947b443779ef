// What the tests at a screen density share: the DPI their script set, windows made at 96 DPI
// beside them, and pictures of what a window shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The DPI the script set for this run (TALLYVANE_DPI); 0 when the tests run without it.
UINT ScriptDpi();

// While it lives, the windows this thread makes are DPI-unaware: their DPI is 96 whatever the
// system's, as on a monitor at 100 % beside one of the script's DPI.
class WindowsAt96Dpi
{
public:
    WindowsAt96Dpi();
    ~WindowsAt96Dpi();
    WindowsAt96Dpi(const WindowsAt96Dpi&) = delete;
    WindowsAt96Dpi& operator=(const WindowsAt96Dpi&) = delete;

private:
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    SetContext m_set = nullptr;
    DPI_AWARENESS_CONTEXT m_previous = nullptr;
};

// The pixels of a window's client area as the screen shows it, or of a bitmap; top row first.
struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    // How many pixels are darker than mid grey: the ink of a black text.
    int Ink() const;
    // The average of each colour channel.
    COLORREF Average() const;
};
Picture PictureOfWindow(HWND window);
Picture PictureOfBitmap(HBITMAP bitmap);

// A control as a failure names it: the first line of its text, or its identifier.
std::string ControlName(HWND control);

// How many of the dialog's horizontal dialog units cover the pixels, rounded up.
int DialogUnitsAcross(HWND dialog, int pixels);

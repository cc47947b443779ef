#include "Density.h"

#include <cstdlib>

UINT ScriptDpi()
{
    const char* dpi = std::getenv("TALLYVANE_DPI");
    return dpi ? static_cast<UINT>(std::atoi(dpi)) : 0;
}

WindowsAt96Dpi::WindowsAt96Dpi()
{
    m_set = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
    if (m_set)
        m_previous = m_set(DPI_AWARENESS_CONTEXT_UNAWARE);
}

WindowsAt96Dpi::~WindowsAt96Dpi()
{
    if (m_set && m_previous)
        m_set(m_previous);
}

namespace
{
// Copies what the device context shows into a picture of the size.
Picture CopyPixels(HDC source, int width, int height)
{
    Picture picture;
    picture.width = width;
    picture.height = height;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC memory = ::CreateCompatibleDC(source);
    const HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
    {
        ::DeleteDC(memory);
        return Picture{};
    }
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    ::GdiFlush();
    const DWORD* pixel = static_cast<const DWORD*>(bits);
    picture.pixels.reserve(static_cast<size_t>(width * height));
    for (int count = width * height; count > 0; --count, ++pixel)
        picture.pixels.push_back(RGB((*pixel >> 16) & 0xFF, (*pixel >> 8) & 0xFF, *pixel & 0xFF));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    return picture;
}
} // namespace

int Picture::Ink() const
{
    int ink = 0;
    for (COLORREF pixel : pixels)
        ink += GetRValue(pixel) < 128 && GetGValue(pixel) < 128 && GetBValue(pixel) < 128;
    return ink;
}

COLORREF Picture::Average() const
{
    if (pixels.empty())
        return 0;
    unsigned long long red = 0, green = 0, blue = 0;
    for (COLORREF pixel : pixels)
    {
        red += GetRValue(pixel);
        green += GetGValue(pixel);
        blue += GetBValue(pixel);
    }
    const unsigned long long count = pixels.size();
    return RGB(red / count, green / count, blue / count);
}

Picture PictureOfWindow(HWND window)
{
    RECT client;
    ::GetClientRect(window, &client);
    const HDC dc = ::GetDC(window);
    Picture picture = CopyPixels(dc, client.right, client.bottom);
    ::ReleaseDC(window, dc);
    return picture;
}

Picture PictureOfBitmap(HBITMAP bitmap)
{
    BITMAP size{};
    ::GetObjectA(bitmap, sizeof size, &size);
    const HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ old = ::SelectObject(dc, bitmap);
    Picture picture = CopyPixels(dc, size.bmWidth, size.bmHeight);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return picture;
}

std::string ControlName(HWND control)
{
    char text[128] = {};
    ::GetWindowTextA(control, text, sizeof text);
    const std::string firstLine = std::string(text).substr(0, std::string(text).find('\n'));
    if (!firstLine.empty())
        return '"' + firstLine + '"';
    return "control " + std::to_string(::GetDlgCtrlID(control));
}

int DialogUnitsAcross(HWND dialog, int pixels)
{
    RECT hundred{0, 0, 100, 0};
    ::MapDialogRect(dialog, &hundred);
    return hundred.right > 0 ? (pixels * 100 + hundred.right - 1) / hundred.right : 0;
}

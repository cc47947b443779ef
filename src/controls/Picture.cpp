#include "controls/Picture.h"

namespace
{
// A copy of the bitmap resampled to the size with the halftone stretch, which averages the
// pixels it shrinks or grows, as a 24-bit bitmap (no alpha channel for the static to blend).
HBITMAP ResampledCopy(HBITMAP original, SIZE size)
{
    BITMAP source{};
    if (!::GetObjectA(original, sizeof source, &source))
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP copy = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!copy)
        return nullptr;
    const HDC from = ::CreateCompatibleDC(nullptr);
    const HDC to = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ oldFrom = ::SelectObject(from, original);
    const HGDIOBJ oldTo = ::SelectObject(to, copy);
    ::SetStretchBltMode(to, HALFTONE);
    ::SetBrushOrgEx(to, 0, 0, nullptr);
    ::StretchBlt(to, 0, 0, size.cx, size.cy, from, 0, 0, source.bmWidth, source.bmHeight, SRCCOPY);
    ::SelectObject(from, oldFrom);
    ::SelectObject(to, oldTo);
    ::DeleteDC(from);
    ::DeleteDC(to);
    return copy;
}
} // namespace

BEGIN_MESSAGE_MAP(CPicture, CStatic)
ON_WM_DPICHANGED_AFTERPARENT()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CPicture::~CPicture()
{
    if (m_hScaled)
        ::DeleteObject(m_hScaled);
}

void CPicture::PreSubclassWindow()
{
    m_hOriginal = reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    ShowScaled();
}

void CPicture::OnDpiChangedAfterParent()
{
    CStatic::OnDpiChangedAfterParent();
    ShowScaled();
}

void CPicture::OnDestroy()
{
    if (m_hOriginal)
        SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_hOriginal));
    if (m_hScaled)
        ::DeleteObject(m_hScaled);
    m_hScaled = nullptr;
    CStatic::OnDestroy();
}

void CPicture::ShowScaled()
{
    BITMAP original{};
    if (!m_hOriginal || !::GetObjectA(m_hOriginal, sizeof original, &original) ||
        original.bmWidth <= 0)
        return;
    CRect place;
    GetClientRect(&place);
    const SIZE size{place.Width(), ::MulDiv(original.bmHeight, place.Width(), original.bmWidth)};
    const HBITMAP scaled = ResampledCopy(m_hOriginal, size);
    if (!scaled)
        return;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled));
    if (m_hScaled)
        ::DeleteObject(m_hScaled);
    m_hScaled = scaled;
}

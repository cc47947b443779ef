// Drawing: the font object and the device contexts the windows paint with.
#pragma once

#include "framework/Geometry.h"

#include <windows.h>

class CWnd;

// A font object that owns its handle; the handle is deleted with the object.
class CFont
{
public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont() { DeleteObject(); }

    BOOL CreateFontIndirect(const LOGFONTA* logFont);
    BOOL DeleteObject();
    HFONT GetSafeHandle() const { return m_hObject; }

private:
    HFONT m_hObject = nullptr;
};

// A device context handle with the drawing calls the program makes; owns nothing.
class CDC
{
public:
    explicit CDC(HDC hDC = nullptr) : m_hDC(hDC) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }

    // Selects the font's handle; a font object without a handle changes nothing.
    HGDIOBJ SelectObject(CFont* font);
    COLORREF SetTextColor(COLORREF colour);
    int SetBkMode(int mode);
    BOOL DrawIcon(int x, int y, HICON icon);

    // Fills the rectangle at x, y of width cx and height cy with one colour.
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);

    // A one-pixel frame on the rectangle: the top row without its rightmost pixel and the left
    // column without its bottom pixel in the first colour, the right column and the bottom row at
    // full length in the second.
    void Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight);

protected:
    HDC m_hDC;
};

// The device context of a WM_PAINT handler: BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// The device context of the whole window, non-client area included, in window coordinates.
class CWindowDC : public CDC
{
public:
    explicit CWindowDC(CWnd* wnd);
    ~CWindowDC();

private:
    HWND m_hWnd;
};

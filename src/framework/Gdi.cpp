#include "framework/Gdi.h"

#include "framework/Wnd.h"

BOOL CFont::CreateFontIndirect(const LOGFONTA* logFont)
{
    DeleteObject();
    m_hObject = ::CreateFontIndirectA(logFont);
    return m_hObject != nullptr;
}

BOOL CFont::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

HGDIOBJ CDC::SelectObject(CFont* font)
{
    HFONT handle = font ? font->GetSafeHandle() : nullptr;
    return handle ? ::SelectObject(m_hDC, handle) : nullptr;
}

COLORREF CDC::SetTextColor(COLORREF colour)
{
    return ::SetTextColor(m_hDC, colour);
}

int CDC::SetBkMode(int mode)
{
    return ::SetBkMode(m_hDC, mode);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    return ::DrawIcon(m_hDC, x, y, icon);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour)
{
    const RECT rect{x, y, x + cx, y + cy};
    const COLORREF previous = ::SetBkColor(m_hDC, colour);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

void CDC::Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight)
{
    const int x = rect.left;
    const int y = rect.top;
    const int cx = rect.Width();
    const int cy = rect.Height();
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->GetSafeHwnd())
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd->GetSafeHwnd())
{
    m_hDC = ::GetWindowDC(m_hWnd);
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, m_hDC);
}

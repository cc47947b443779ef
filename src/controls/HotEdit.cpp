#include "controls/HotEdit.h"

namespace
{
// The inner ring of the hot border; not a system colour, so it does not follow colour changes.
constexpr COLORREF kHotRing = RGB(125, 0, 0);
// The hover timer polls the cursor while the mouse is over the box.
constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverInterval = 10;
} // namespace

BEGIN_MESSAGE_MAP(CHotEdit, CEdit)
ON_WM_PAINT()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_NCMOUSEMOVE()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CHotEdit::CHotEdit()
{
    ReadSystemColours();
    m_bFocused = false;
    m_bHoverTimer = false;
}

void CHotEdit::ReadSystemColours()
{
    m_clrFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrLight = ::GetSysColor(COLOR_3DLIGHT);
    m_clrHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrDarkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
}

void CHotEdit::PaintBorder(bool hot)
{
    // The rings lie over the non-client border, so they are drawn through the window's device
    // context, on the window rectangle moved to 0,0; a client device context would clip them.
    const DWORD exStyle = GetExStyle();
    CWindowDC dc(this);
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);

    if (!IsWindowEnabled())
        hot = true;

    const bool clientEdge = (exStyle & WS_EX_CLIENTEDGE) != 0;
    const bool modalFrame = (exStyle & WS_EX_DLGMODALFRAME) != 0;
    const bool staticEdge = (exStyle & WS_EX_STATICEDGE) != 0 && !modalFrame;
    const int rings = (modalFrame ? 3 : 0) + (clientEdge ? 2 : 0) + (staticEdge ? 1 : 0);

    // Flat: every ring in the face colour, outermost first.
    for (int ring = 0; ring < rings; ++ring)
    {
        dc.Draw3dRect(rect, m_clrFace, m_clrFace);
        rect.DeflateRect(1, 1);
    }
    rect.InflateRect(1, 1);
    if (!hot)
        return;

    // Hot: from the innermost ring outwards.
    if (clientEdge)
    {
        dc.Draw3dRect(rect, kHotRing, kHotRing);
        rect.InflateRect(1, 1);
        dc.Draw3dRect(rect, m_clrShadow, m_clrHighlight);
        rect.InflateRect(1, 1);
    }
    if (staticEdge)
    {
        dc.Draw3dRect(rect, kHotRing, kHotRing);
        rect.InflateRect(1, 1);
    }
    if (modalFrame)
    {
        dc.Draw3dRect(rect, kHotRing, kHotRing);
        rect.InflateRect(1, 1);
        dc.Draw3dRect(rect, m_clrHighlight, m_clrShadow);
        rect.InflateRect(1, 1);
        dc.Draw3dRect(rect, m_clrLight, m_clrDarkShadow);
    }
}

void CHotEdit::OnPaint()
{
    CEdit::OnPaint();
    PaintBorder(m_bFocused);
}

void CHotEdit::OnSetFocus(CWnd* oldWnd)
{
    CEdit::OnSetFocus(oldWnd);
    m_bFocused = true;
    PaintBorderForFocus();
}

void CHotEdit::OnKillFocus(CWnd* newWnd)
{
    // The default handling tells the parent first, so the owner's kill-focus handler runs before
    // the border changes.
    CEdit::OnKillFocus(newWnd);
    m_bFocused = false;
    PaintBorderForFocus();
}

void CHotEdit::PaintBorderForFocus()
{
    // Version 6 of the edit control invalidates its whole window on a change of focus, and its
    // painting draws the system's frame again: that painting is done now, and it paints the rings
    // after the frame, so the border is painted once, not first here and then under the frame.
    if (::GetUpdateRect(m_hWnd, nullptr, FALSE))
        UpdateWindow();
    else
        PaintBorder(m_bFocused);
}

void CHotEdit::StartHover()
{
    PaintBorder(true);
    SetTimer(kHoverTimer, kHoverInterval);
    m_bHoverTimer = true;
}

void CHotEdit::OnMouseMove(UINT flags, CPoint point)
{
    if (!m_bFocused && !m_bHoverTimer)
        StartHover();
    CEdit::OnMouseMove(flags, point);
}

void CHotEdit::OnNcMouseMove(UINT hitTest, CPoint point)
{
    if (!m_bHoverTimer)
        StartHover();
    CEdit::OnNcMouseMove(hitTest, point);
}

void CHotEdit::OnTimer(UINT_PTR id)
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    CRect window;
    GetWindowRect(&window);
    if (window.PtInRect(cursor))
    {
        CEdit::OnTimer(id);
        return;
    }
    KillTimer(kHoverTimer);
    m_bHoverTimer = false;
    if (!m_bFocused)
        PaintBorder(false);
}

void CHotEdit::OnSysColorChange()
{
    // The new colours show at the next border painting; nothing is repainted now.
    CEdit::OnSysColorChange();
    ReadSystemColours();
}

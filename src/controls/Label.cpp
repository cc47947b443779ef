#include "controls/Label.h"

#include "framework/Dpi.h"
#include "framework/ShellOpen.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <vector>

namespace
{
constexpr UINT_PTR kBlinkTimer = 1;
constexpr UINT kBlinkInterval = 500;

// How many pixels a sample text covers in the font, drawn black on white the way the screen draws
// it (smoothed where the system smooths), counting those darker than mid grey.
int InkOf(const LOGFONTA& logFont)
{
    static constexpr char kSample[] = "Hamburgefonstiv";
    constexpr int kLength = sizeof kSample - 1;
    const HDC dc = ::CreateCompatibleDC(nullptr);
    const HFONT font = ::CreateFontIndirectA(&logFont);
    const HGDIOBJ oldFont = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32A(dc, kSample, kLength, &size);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    int ink = 0;
    if (bitmap)
    {
        const HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
        ::PatBlt(dc, 0, 0, size.cx, size.cy, WHITENESS);
        ::TextOutA(dc, 0, 0, kSample, kLength);
        ::GdiFlush();
        const DWORD* pixel = static_cast<const DWORD*>(bits);
        for (LONG count = size.cx * size.cy; count > 0; --count, ++pixel)
            ink += ((*pixel >> 16) & 0xFF) < 128;
        ::SelectObject(dc, oldBitmap);
        ::DeleteObject(bitmap);
    }
    ::SelectObject(dc, oldFont);
    ::DeleteObject(font);
    ::DeleteDC(dc);
    return ink;
}

// Whether a bold font draws heavier than the normal weight of its face, by a tenth of the ink at
// least. Wine's own Tahoma Bold (the default GUI font's face under Wine) has bold glyphs only as
// bitmaps of small sizes; from 13 pixels up it draws its outlines, as thin as the normal face's.
bool BoldShows(const LOGFONTA& bold)
{
    // Drawing the samples costs about half a millisecond a font under Wine, and a form's headings
    // share one font: each font is tried once.
    struct Tried
    {
        LOGFONTA font;
        bool shows;
    };
    static std::vector<Tried> tried;
    for (const Tried& known : tried)
        if (std::memcmp(&known.font, &bold, sizeof bold) == 0)
            return known.shows;
    LOGFONTA normal = bold;
    normal.lfWeight = FW_NORMAL;
    const bool shows = InkOf(bold) * 10 >= InkOf(normal) * 11;
    tried.push_back({bold, shows});
    return shows;
}
} // namespace

BEGIN_MESSAGE_MAP(CLabel, CStatic)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_SETCURSOR()
ON_WM_DPICHANGED_AFTERPARENT()
END_MESSAGE_MAP()

CLabel::CLabel()
{
    m_clrFore = ::GetSysColor(COLOR_WINDOWTEXT);
    m_hBackBrush = ::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    // The stock font is made at the system's DPI; the label keeps its sizes at 96 DPI.
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(m_logFont), &m_logFont);
    const UINT systemDpi = SystemDpi();
    m_logFont.lfHeight = ::MulDiv(m_logFont.lfHeight, kDesignDpi, systemDpi);
    m_logFont.lfWidth = ::MulDiv(m_logFont.lfWidth, kDesignDpi, systemDpi);
    m_szWindowFace[0] = '\0';
    m_bBlinking = FALSE;
    m_bBlinkPhase = FALSE;
    m_bLinkOn = TRUE;
    m_hHoverCursor = nullptr;
    m_nBlinkMode = BLINK_NONE;
    m_hFaceBrush = ::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
}

CLabel::~CLabel()
{
    m_fontLabel.DeleteObject();
    if (m_hBackBrush)
        ::DeleteObject(m_hBackBrush);
    if (m_hFaceBrush)
        ::DeleteObject(m_hFaceBrush);
}

void CLabel::PreSubclassWindow()
{
    LOGFONTA given{};
    const HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (font && ::GetObjectA(font, sizeof given, &given))
        std::memcpy(m_szWindowFace, given.lfFaceName, LF_FACESIZE);
    RebuildFont();
}

void CLabel::RebuildFont()
{
    if (!m_hWnd)
        return;
    const UINT dpi = WindowDpi(m_hWnd);
    LOGFONTA font = m_logFont;
    font.lfHeight = ::MulDiv(m_logFont.lfHeight, dpi, kDesignDpi);
    font.lfWidth = ::MulDiv(m_logFont.lfWidth, dpi, kDesignDpi);
    if (font.lfWeight >= FW_BOLD && m_szWindowFace[0] && !BoldShows(font))
        std::memcpy(font.lfFaceName, m_szWindowFace, LF_FACESIZE);
    m_fontLabel.DeleteObject();
    const BOOL created = m_fontLabel.CreateFontIndirect(&font);
    assert(created && "Label: font creation failed");
    (void)created;
    GiveFontToWindow();
}

// The font chosen in CtlColor is what the text is drawn with where the static control selects
// its own font before asking for its colours (Windows); Wine's static control selects it after,
// so the window is given the label's font as well. No redraw here: the callers repaint.
void CLabel::GiveFontToWindow()
{
    if (m_hWnd)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontLabel.GetSafeHandle()), FALSE);
}

void CLabel::RedrawNow()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

CLabel& CLabel::ChangeFont()
{
    RebuildFont();
    RedrawNow();
    return *this;
}

CLabel& CLabel::SetBold(BOOL bold)
{
    m_logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    return ChangeFont();
}

CLabel& CLabel::SetLabelText(const CString& text)
{
    SetWindowText(text);
    return *this;
}

CLabel& CLabel::SetForeColor(COLORREF colour)
{
    m_clrFore = colour;
    RedrawNow();
    return *this;
}

CLabel& CLabel::SetUnderline(BOOL underline)
{
    m_logFont.lfUnderline = static_cast<BYTE>(underline);
    return ChangeFont();
}

CLabel& CLabel::SetItalic(BOOL italic)
{
    m_logFont.lfItalic = static_cast<BYTE>(italic);
    return ChangeFont();
}

CLabel& CLabel::SetStaticEdge(BOOL edge)
{
    ModifyStyleEx(edge ? 0 : WS_EX_STATICEDGE, edge ? WS_EX_STATICEDGE : 0, SWP_DRAWFRAME);
    return *this;
}

CLabel& CLabel::SetFrame(BOOL frame)
{
    ModifyStyle(frame ? 0 : WS_BORDER, frame ? WS_BORDER : 0, SWP_DRAWFRAME);
    return *this;
}

CLabel& CLabel::SetCharHeight(int height)
{
    m_logFont.lfHeight = -height;
    return ChangeFont();
}

CLabel& CLabel::SetBackColor(COLORREF colour)
{
    if (m_hBackBrush)
        ::DeleteObject(m_hBackBrush);
    m_hBackBrush = ::CreateSolidBrush(colour);
    return *this;
}

CLabel& CLabel::SetFaceName(const CString& name)
{
    const size_t length = std::min<size_t>(name.str().size(), LF_FACESIZE - 1);
    std::memcpy(m_logFont.lfFaceName, name.str().data(), length);
    m_logFont.lfFaceName[length] = '\0';
    return ChangeFont();
}

CLabel& CLabel::BlinkText(BOOL blink)
{
    if (m_bBlinking)
    {
        SetWindowText(m_strSaved);
        KillTimer(kBlinkTimer);
    }
    if (blink)
    {
        GetWindowText(m_strSaved);
        m_bBlinkPhase = FALSE;
        m_bBlinking = TRUE;
        SetTimer(kBlinkTimer, kBlinkInterval);
        m_nBlinkMode = BLINK_TEXT;
    }
    return *this;
}

CLabel& CLabel::BlinkBackground(BOOL blink)
{
    if (m_bBlinking)
        KillTimer(kBlinkTimer);
    if (blink)
    {
        m_bBlinkPhase = FALSE;
        m_bBlinking = TRUE;
        SetTimer(kBlinkTimer, kBlinkInterval);
        m_nBlinkMode = BLINK_BACKGROUND;
    }
    return *this;
}

CLabel& CLabel::EnableLink(BOOL link)
{
    m_bLinkOn = link;
    ModifyStyle(link ? 0 : SS_NOTIFY, link ? SS_NOTIFY : 0);
    return *this;
}

CLabel& CLabel::SetHoverCursor(HCURSOR cursor)
{
    m_hHoverCursor = cursor;
    return *this;
}

HBRUSH CLabel::CtlColor(CDC* dc, UINT ctlColor)
{
    if (ctlColor == CTLCOLOR_STATIC)
    {
        dc->SelectObject(&m_fontLabel);
        dc->SetTextColor(m_clrFore);
        dc->SetBkMode(TRANSPARENT);
    }
    if (m_nBlinkMode == BLINK_BACKGROUND && !m_bBlinkPhase)
        return m_hFaceBrush;
    return m_hBackBrush;
}

void CLabel::OnTimer(UINT_PTR id)
{
    m_bBlinkPhase = !m_bBlinkPhase;
    if (m_nBlinkMode == BLINK_TEXT)
    {
        SetWindowText(m_bBlinkPhase ? "" : static_cast<const char*>(m_strSaved));
    }
    else if (m_nBlinkMode == BLINK_BACKGROUND)
    {
        InvalidateRect(nullptr, FALSE);
        UpdateWindow();
    }
    CStatic::OnTimer(id);
}

void CLabel::OnLButtonDown(UINT flags, CPoint point)
{
    CString text;
    GetWindowText(text);
    ShellOpen(text);
    CStatic::OnLButtonDown(flags, point);
}

void CLabel::OnDpiChangedAfterParent()
{
    CStatic::OnDpiChangedAfterParent();
    ChangeFont();
}

BOOL CLabel::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (m_hHoverCursor)
    {
        ::SetCursor(m_hHoverCursor);
        return TRUE;
    }
    return CStatic::OnSetCursor(wnd, hitTest, message);
}

// CLabel: a static text drawn with a font and colours of its own, chosen in its reflected
// control-colour handler. Its font is the default GUI font's, made at its window's DPI, and made
// again when that DPI changes. It can also blink its text or its background, open its own text
// through the shell when clicked (with SS_NOTIFY), and show a cursor of its own.
#pragma once

#include "framework/Controls.h"

class CLabel : public CStatic
{
public:
    CLabel();
    ~CLabel() override;

    enum BlinkMode
    {
        BLINK_NONE = 0,
        BLINK_TEXT = 1,
        BLINK_BACKGROUND = 2
    };

    // Bold (700) or normal (400) weight; the label is repainted at once, so its window must
    // exist. A face whose bold draws no heavier than its normal weight at the label's size gives
    // way to the face of the font the label's window was created with.
    CLabel& SetBold(BOOL bold);
    CLabel& SetLabelText(const CString& text);
    CLabel& SetForeColor(COLORREF colour);
    CLabel& SetUnderline(BOOL underline);
    CLabel& SetItalic(BOOL italic);
    CLabel& SetStaticEdge(BOOL edge);
    CLabel& SetFrame(BOOL frame);
    // The character height in pixels at 96 DPI; the font is made at the window's DPI.
    CLabel& SetCharHeight(int height);
    // Shown at the next painting; nothing is repainted now.
    CLabel& SetBackColor(COLORREF colour);
    // A name longer than a font name can be (31 characters) is cut to its first 31.
    CLabel& SetFaceName(const CString& name);
    // Starts (TRUE) or stops (FALSE) a blink of the text or of the background, every 500 ms.
    CLabel& BlinkText(BOOL blink);
    CLabel& BlinkBackground(BOOL blink);
    // Adds or removes SS_NOTIFY, without which the label receives no clicks and no cursor query.
    CLabel& EnableLink(BOOL link);
    // The cursor shown over the label (borrowed, never destroyed); null leaves the default one.
    CLabel& SetHoverCursor(HCURSOR cursor);

protected:
    void PreSubclassWindow() override;
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    void OnTimer(UINT_PTR id);
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    // The window's DPI may have changed: the font is made again for it and given to the window,
    // which the system may have handed its dialog's font meanwhile.
    void OnDpiChangedAfterParent();

    DECLARE_MESSAGE_MAP()

private:
    // Makes the font for the window's DPI and gives it to the window; nothing while the label
    // has no window.
    void RebuildFont();
    void GiveFontToWindow();
    void RedrawNow();
    CLabel& ChangeFont();

    COLORREF m_clrFore;
    HBRUSH m_hBackBrush;
    HBRUSH m_hFaceBrush;
    LOGFONTA m_logFont; // heights in pixels at 96 DPI
    CFont m_fontLabel;
    // The face of the font the window was created with, for a bold its own face cannot draw.
    char m_szWindowFace[LF_FACESIZE];
    CString m_strSaved;
    BOOL m_bBlinkPhase;
    BOOL m_bBlinking;
    BOOL m_bLinkOn;
    int m_nBlinkMode;
    HCURSOR m_hHoverCursor;
};

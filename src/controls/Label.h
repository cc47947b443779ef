// CLabel: a static text drawn with a font and colours of its own, chosen in its reflected
// control-colour handler. It can also blink its text or its background, open its own text
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
    // exist.
    CLabel& SetBold(BOOL bold);
    CLabel& SetLabelText(const CString& text);
    CLabel& SetForeColor(COLORREF colour);
    CLabel& SetUnderline(BOOL underline);
    CLabel& SetItalic(BOOL italic);
    CLabel& SetStaticEdge(BOOL edge);
    CLabel& SetFrame(BOOL frame);
    // The character height in logical units.
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

    DECLARE_MESSAGE_MAP()

private:
    void RebuildFont();
    void GiveFontToWindow();
    void RedrawNow();
    CLabel& ChangeFont();

    COLORREF m_clrFore;
    HBRUSH m_hBackBrush;
    HBRUSH m_hFaceBrush;
    LOGFONTA m_logFont;
    CFont m_fontLabel;
    CString m_strSaved;
    BOOL m_bBlinkPhase;
    BOOL m_bBlinking;
    BOOL m_bLinkOn;
    int m_nBlinkMode;
    HCURSOR m_hHoverCursor;
};

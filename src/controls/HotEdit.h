// CHotEdit: an edit box that paints its own border: flat in the button-face colour while idle,
// hot (a dark red ring inside a three-dimensional ring) while the mouse is over it, while it has
// the focus, and always while it is disabled. Attached to a template's edit box by DDX_Control.
#pragma once

#include "framework/Controls.h"

class CHotEdit : public CEdit
{
public:
    CHotEdit();

protected:
    // Paints the border rings over the system's frame, hot or flat; a disabled box is always hot.
    virtual void PaintBorder(bool hot);

    void OnPaint();
    void OnSetFocus(CWnd* oldWnd);
    void OnKillFocus(CWnd* newWnd);
    void OnMouseMove(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    void OnNcMouseMove(UINT hitTest, CPoint point);
    void OnSysColorChange();

    DECLARE_MESSAGE_MAP()

private:
    void ReadSystemColours();
    void StartHover();
    // Paints the border as the focus now has it, once.
    void PaintBorderForFocus();

    COLORREF m_clrHighlight;
    COLORREF m_clrLight;
    COLORREF m_clrDarkShadow;
    COLORREF m_clrShadow;
    COLORREF m_clrFace;
    bool m_bHoverTimer;
    bool m_bFocused;
};

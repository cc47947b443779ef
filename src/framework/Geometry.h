// CPoint and CRect: the system's POINT and RECT with the few operations the controls use.
#pragma once

#include <windows.h>

struct CPoint : POINT
{
    CPoint(int px = 0, int py = 0) : POINT{px, py} {}
};

struct CRect : RECT
{
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Grows the rectangle by dx on the left and right and by dy on the top and bottom.
    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }
};

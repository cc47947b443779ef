#include "dialogs/BalanceChartView.h"

#include "dialogs/BalanceChartDrawing.h"
#include "framework/Dpi.h"

BEGIN_MESSAGE_MAP(CBalanceChartView, CStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

void CBalanceChartView::SetChart(std::optional<BalanceChart> chart)
{
    m_chart = std::move(chart);
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CBalanceChartView::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    if (client.Width() <= 0 || client.Height() <= 0)
        return;
    const HDC memory = ::CreateCompatibleDC(paint.GetSafeHdc());
    const HBITMAP bitmap =
        ::CreateCompatibleBitmap(paint.GetSafeHdc(), client.Width(), client.Height());
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    if (m_chart)
        DrawBalanceChart(memory, *m_chart, client, static_cast<int>(WindowDpi(m_hWnd)));
    else
        CDC(memory).FillSolidRect(0, 0, client.Width(), client.Height(),
                                  ::GetSysColor(COLOR_3DFACE));
    ::BitBlt(paint.GetSafeHdc(), 0, 0, client.Width(), client.Height(), memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
}

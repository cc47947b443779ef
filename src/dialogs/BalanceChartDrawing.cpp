#include "dialogs/BalanceChartDrawing.h"

#include "framework/TextEncoding.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{

constexpr int kPoints = 8;
constexpr char kFace[] = "Tahoma";
constexpr COLORREF kGridColour = RGB(208, 208, 208);
constexpr COLORREF kZeroColour = RGB(96, 96, 96);
constexpr COLORREF kCushionColour = RGB(192, 80, 0);
constexpr COLORREF kBalanceColour = RGB(0, 84, 166);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
// Lengths at 96 DPI: the balance's line, the low point's dot, the room between a word and what it
// names.
constexpr int kBalanceWidth = 2;
constexpr int kDotRadius = 4;
constexpr int kGap = 4;

// A length at 96 DPI at the resolution, never less than a pixel.
int Scaled(int length, int dpi)
{
    return std::max(1, ::MulDiv(length, dpi, 96));
}

// A font of the chart's size at the resolution, bold or not.
void MakeFont(CFont& font, int dpi, bool bold)
{
    LOGFONTA logFont{};
    logFont.lfHeight = -::MulDiv(kPoints, dpi, 72);
    logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(logFont.lfFaceName, kFace);
    font.CreateFontIndirect(&logFont);
}

// A GDI object selected into the device context for as long as it lives, and then deleted when
// it was made for the drawing.
class Selected
{
public:
    Selected(HDC dc, HGDIOBJ object, bool owned)
        : m_hDC(dc), m_object(object), m_owned(owned), m_previous(::SelectObject(dc, object))
    {
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected()
    {
        ::SelectObject(m_hDC, m_previous);
        if (m_owned)
            ::DeleteObject(m_object);
    }

private:
    HDC m_hDC;
    HGDIOBJ m_object;
    bool m_owned;
    HGDIOBJ m_previous;
};

// A solid pen, or a dashed one, of the width in the device's pixels.
HPEN MakePen(COLORREF colour, int width, bool dashed)
{
    LOGBRUSH brush{BS_SOLID, colour, 0};
    return ::ExtCreatePen(PS_GEOMETRIC | (dashed ? PS_DASH : PS_SOLID) | PS_ENDCAP_FLAT, width,
                          &brush, 0, nullptr);
}

// The size of a line of the text in the selected font.
SIZE TextExtent(HDC dc, const std::wstring& text)
{
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// One line of text in the selected font, aligned on x as TA_LEFT, TA_RIGHT or TA_CENTER say, its
// top at y.
void Text(HDC dc, const std::string& text, UINT align, int x, int y)
{
    const std::wstring wide = WideFromUtf8(text);
    const UINT previous = ::SetTextAlign(dc, align | TA_TOP);
    ::TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
    ::SetTextAlign(dc, previous);
}

// A line across the plot at y, in the selected pen.
void Across(HDC dc, const CRect& plot, int y)
{
    ::MoveToEx(dc, plot.left, y, nullptr);
    ::LineTo(dc, plot.right, y);
}

} // namespace

CRect ChartPlotArea(HDC dc, const BalanceChart& chart, const CRect& box, int dpi)
{
    CFont font;
    MakeFont(font, dpi, false);
    const Selected selected(dc, font.GetSafeHandle(), false);
    int levels = 0;
    for (const ChartGridline& level : chart.gridlines)
        levels = std::max<int>(levels, TextExtent(dc, WideFromUtf8(level.text)).cx);
    const int line = TextExtent(dc, L"0").cy;
    const int lastLabel = TextExtent(dc, WideFromUtf8(chart.points.back().shortLabel)).cx;
    const int gap = Scaled(kGap, dpi);
    return CRect(box.left + levels + 2 * gap, box.top + line + gap,
                 box.right - std::max(lastLabel / 2, gap) - gap, box.bottom - line - 2 * gap);
}

POINT ChartPosition(const CRect& plot, double x, double y)
{
    return {plot.left + static_cast<LONG>(x * plot.Width() + 0.5),
            plot.top + static_cast<LONG>(y * plot.Height() + 0.5)};
}

void DrawBalanceChart(HDC dc, const BalanceChart& chart, const CRect& box, int dpi)
{
    const int saved = ::SaveDC(dc);
    CDC(dc).FillSolidRect(box.left, box.top, box.Width(), box.Height(), RGB(255, 255, 255));
    const CRect plot = ChartPlotArea(dc, chart, box, dpi);
    ::SetBkMode(dc, TRANSPARENT);
    CFont font;
    MakeFont(font, dpi, false);
    CFont bold;
    MakeFont(bold, dpi, true);
    const int gap = Scaled(kGap, dpi);
    const int thin = Scaled(1, dpi);
    {
        const Selected selectedFont(dc, font.GetSafeHandle(), false);
        const int halfLine = TextExtent(dc, L"0").cy / 2;

        // The scale's levels, zero darker, each with its figure at the left.
        ::SetTextColor(dc, kTextColour);
        for (const ChartGridline& level : chart.gridlines)
        {
            const int y = ChartPosition(plot, 0, level.y).y;
            const Selected pen(
                dc, MakePen(level.cents == 0 ? kZeroColour : kGridColour, thin, false), true);
            Across(dc, plot, y);
            Text(dc, level.text, TA_RIGHT, plot.left - gap, y - halfLine);
        }
        // The points' labels under the plot.
        for (const ChartPoint& point : chart.points)
            Text(dc, point.shortLabel, TA_CENTER, ChartPosition(plot, point.x, 1).x,
                 plot.bottom + gap);

        // The cushion, dashed, its words under its right end or over it.
        const int cushion = ChartPosition(plot, 0, chart.cushionY).y;
        {
            const Selected pen(dc, MakePen(kCushionColour, thin, true), true);
            Across(dc, plot, cushion);
        }
        ::SetTextColor(dc, kCushionColour);
        Text(dc, chart.cushionText, TA_RIGHT, plot.right,
             chart.cushionTextAbove ? cushion - thin - 2 * halfLine : cushion + thin);
    }

    // The balances, then the low point's dot over them and its words beside it.
    std::vector<POINT> points;
    for (const ChartPoint& point : chart.points)
        points.push_back(ChartPosition(plot, point.x, point.y));
    {
        const Selected pen(dc, MakePen(kBalanceColour, Scaled(kBalanceWidth, dpi), false), true);
        ::Polyline(dc, points.data(), static_cast<int>(points.size()));
    }
    const POINT low = points[chart.lowPoint];
    const int radius = Scaled(kDotRadius, dpi);
    {
        const Selected pen(dc, MakePen(kChartLowPointColour, thin, false), true);
        const Selected brush(dc, ::CreateSolidBrush(kChartLowPointColour), true);
        ::Ellipse(dc, low.x - radius, low.y - radius, low.x + radius + 1, low.y + radius + 1);
    }
    const Selected selectedBold(dc, bold.GetSafeHandle(), false);
    ::SetTextColor(dc, kChartLowPointColour);
    const int height = TextExtent(dc, L"0").cy;
    const int top =
        chart.lowPointTextBelow ? low.y + radius + gap / 2 : low.y - radius - gap / 2 - height;
    Text(dc, chart.lowPointText, chart.lowPointTextEndsAtPoint ? TA_RIGHT : TA_LEFT,
         chart.lowPointTextEndsAtPoint ? low.x + radius : low.x - radius, top);
    ::RestoreDC(dc, saved);
}

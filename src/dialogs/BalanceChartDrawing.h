// The picture of the year's balance drawn with GDI, the same for the statement window and the
// printed page: its lines, dots and words scaled to the device's resolution from their size at
// 96 DPI, its fonts made for that resolution.
#pragma once

#include "core/statement/BalanceChart.h"
#include "framework/Gdi.h"

// The low point's dot and words.
constexpr COLORREF kChartLowPointColour = RGB(192, 0, 0);

// Where the plot stands in the picture's box on the device at `dpi`: the box less room at the left
// for the scale's figures, at the bottom for the points' labels, and at the top and right for the
// words that stand beside the plot.
CRect ChartPlotArea(HDC dc, const BalanceChart& chart, const CRect& box, int dpi);

// Where a position of the chart (0 to 1 across and down) falls in the plot.
POINT ChartPosition(const CRect& plot, double x, double y);

// Draws the picture on a white ground filling the box.
void DrawBalanceChart(HDC dc, const BalanceChart& chart, const CRect& box, int dpi);

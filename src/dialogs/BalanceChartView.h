// CBalanceChartView: the statement window's picture of the year's balance, a static of the
// template that paints the chart itself, at its window's DPI and the size the window gives it.
#pragma once

#include "core/statement/BalanceChart.h"
#include "framework/Controls.h"

#include <optional>

class CBalanceChartView : public CStatic
{
public:
    // The chart to show from the next painting on, which is asked for now; none paints nothing
    // but the ground.
    void SetChart(std::optional<BalanceChart> chart);
    // Whether there is a chart to show, for the window that makes room for it.
    bool HasChart() const { return m_chart.has_value(); }

protected:
    // Paints the chart into a bitmap of the window's size, then the bitmap onto the window at
    // once, so the picture never shows half drawn.
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    std::optional<BalanceChart> m_chart;
};

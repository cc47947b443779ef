#include "core/statement/BalanceChart.h"

#include <algorithm>

namespace
{

// A scale never has more than this many steps between its ends.
constexpr long long kMostSteps = 6;
// A low point this near the top has its words below it, and a cushion this near the bottom has
// its words above it, where the picture has room for them.
constexpr double kTopForBelow = 0.2;
constexpr double kBottomForAbove = 0.8;

// The level of the scale at or below the amount, and the one at or above it, for the step.
long long LevelBelow(long long cents, long long step)
{
    return (cents / step - (cents % step < 0 ? 1 : 0)) * step;
}
long long LevelAbove(long long cents, long long step)
{
    return (cents / step + (cents % step > 0 ? 1 : 0)) * step;
}

// The first step of 1, 2 or 5 times a power of ten (in cents) that spans low to high in at most
// kMostSteps steps.
long long RoundStep(long long low, long long high)
{
    for (long long power = 1;; power *= 10)
        for (const long long step : {power, 2 * power, 5 * power})
            if (LevelAbove(high, step) - LevelBelow(low, step) <= kMostSteps * step)
                return step;
}

// A level's figure: whole dollars when the step is, else dollars and cents ("-$500", "$2.50").
std::string LevelText(long long cents, bool wholeDollars)
{
    std::string text = MoneyText(Money{cents < 0 ? -cents : cents, 0});
    if (wholeDollars)
        text.erase(text.size() - 3);
    return (cents < 0 ? "-$" : "$") + text;
}

// The point's label under the picture: "Closing" for the closing, else the month's first letters.
std::string ShortLabel(const std::string& label, bool closing)
{
    return closing ? "Closing" : label.substr(0, 3);
}

} // namespace

std::optional<BalanceChart> BalanceChartOf(const EscrowStatement& statement)
{
    if (!statement.cushion.cents || !statement.lowPoint.cents)
        return std::nullopt;
    BalanceChart chart;
    std::string month;
    for (const StatementRow& row : statement.rows)
    {
        if (!row.when.empty())
            month = row.when;
        if (!row.balance)
            continue;
        if (!row.balance->cents)
            return std::nullopt;
        if (row.lowPoint)
            chart.lowPoint = chart.points.size();
        chart.points.push_back(
            {month, ShortLabel(month, chart.points.empty()), *row.balance->cents, 0, 0});
    }
    if (chart.points.size() < 2)
        return std::nullopt;

    const long long cushion = *statement.cushion.cents;
    long long low = std::min(0LL, cushion);
    long long high = std::max(0LL, cushion);
    for (const ChartPoint& point : chart.points)
    {
        low = std::min(low, point.cents);
        high = std::max(high, point.cents);
    }
    // A year at zero throughout still gets a scale of one step, a dollar high.
    if (low == high)
        high = low + 100;
    const long long step = RoundStep(low, high);
    const long long bottom = LevelBelow(low, step);
    const long long top = LevelAbove(high, step);
    const auto down = [&](long long cents) {
        return static_cast<double>(top - cents) / static_cast<double>(top - bottom);
    };

    const double last = static_cast<double>(chart.points.size() - 1);
    for (std::size_t i = 0; i < chart.points.size(); ++i)
    {
        chart.points[i].x = static_cast<double>(i) / last;
        chart.points[i].y = down(chart.points[i].cents);
    }
    for (long long level = bottom; level <= top; level += step)
        chart.gridlines.push_back({level, LevelText(level, step % 100 == 0), down(level)});
    chart.cushionY = down(cushion);
    chart.cushionText = "Cushion $" + MoneyText(statement.cushion);
    chart.cushionTextAbove = chart.cushionY > kBottomForAbove;
    chart.lowPointText =
        "Low point $" + MoneyText(statement.lowPoint) + ", " + statement.lowPointMonth;
    const ChartPoint& lowest = chart.points[chart.lowPoint];
    chart.lowPointTextBelow = lowest.y < kTopForBelow;
    chart.lowPointTextEndsAtPoint = lowest.x > 0.5;
    return chart;
}

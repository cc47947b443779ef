// The picture of the year's balance: its points, scale, cushion and low point from the statement,
// and the SVG the statement's HTML carries.
#include "core/statement/BalanceChart.h"
#include "core/statement/BalanceChartSvg.h"
#include "core/statement/StatementHtml.h"

#include "AppendixE.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace
{

EscrowStatement AppendixEStatement()
{
    return BuildStatement(AppendixE::Schedules(), AppendixE::Inputs(), "2026");
}

// A statement of the balance at closing and twelve month-end balances (in cents), the month
// `lowMonth` (1 to 12) marked as its low point; months are named "M1" to "M12", each month's
// payment row before its balance row as in a real statement.
EscrowStatement YearOf(long long cushion, const std::vector<long long>& balances, int lowMonth)
{
    EscrowStatement statement;
    statement.cushion = Money{cushion, 0};
    statement.rows.push_back({"At closing", "Initial deposit", Money{balances[0], 0}, std::nullopt,
                              Money{balances[0], 0}, false});
    for (int month = 1; month < static_cast<int>(balances.size()); ++month)
    {
        const std::string name = "M" + std::to_string(month);
        statement.rows.push_back(
            {name, "Monthly escrow payment", Money{1, 0}, std::nullopt, std::nullopt, false});
        statement.rows.push_back(
            {"", "Bill", std::nullopt, Money{1, 0}, Money{balances[month], 0}, month == lowMonth});
    }
    statement.lowPoint = Money{balances[lowMonth], 0};
    statement.lowPointMonth = "M" + std::to_string(lowMonth);
    return statement;
}

// How many times the part stands in the text.
std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

struct ChartCase
{
    const char* name;
    EscrowStatement statement;
    // The scale: its ends and its step, in cents, and the figures of its ends.
    long long bottom;
    long long top;
    long long step;
    const char* bottomText;
    const char* topText;
    std::size_t lowPoint;
    const char* lowPointText;
};

TEST(BalanceChart, PointsScaleCushionAndLowPoint)
{
    const std::vector<long long> flat(13, 50000);
    const ChartCase cases[] = {
        {"Appendix E", AppendixEStatement(), 0, 120000, 20000, "$0", "$1,200", 6,
         "Low point $260.00, December 2026"},
        {"below zero", YearOf(5000, {10000, 5000, -25000, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 2), -30000,
         10000, 10000, "-$300", "$100", 2, "Low point $-250.00, M2"},
        {"a flat year", YearOf(0, flat, 1), 0, 50000, 10000, "$0", "$500", 1,
         "Low point $500.00, M1"},
        {"all at zero", YearOf(0, std::vector<long long>(13, 0), 1), 0, 100, 20, "$0.00", "$1.00",
         1, "Low point $0.00, M1"},
        {"the cushion above every balance",
         YearOf(90000, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 5, 3, 250}, 11), 0, 100000, 20000,
         "$0", "$1,000", 11, "Low point $0.03, M11"},
    };
    for (const ChartCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::optional<BalanceChart> chart = BalanceChartOf(c.statement);
        ASSERT_TRUE(chart);
        const auto down = [&](long long cents) {
            return static_cast<double>(c.top - cents) / static_cast<double>(c.top - c.bottom);
        };

        ASSERT_EQ(chart->points.size(), 13u);
        std::size_t row = 0;
        for (std::size_t i = 0; i < 13; ++i)
        {
            const ChartPoint& point = chart->points[i];
            while (!c.statement.rows[row].balance)
                ++row;
            EXPECT_EQ(point.cents, *c.statement.rows[row++].balance->cents) << i;
            EXPECT_DOUBLE_EQ(point.x, static_cast<double>(i) / 12) << i;
            EXPECT_DOUBLE_EQ(point.y, down(point.cents)) << i;
            EXPECT_GE(point.y, 0.0);
            EXPECT_LE(point.y, 1.0);
        }

        ASSERT_EQ(chart->gridlines.size(),
                  static_cast<std::size_t>((c.top - c.bottom) / c.step + 1));
        EXPECT_EQ(chart->gridlines.front().text, c.bottomText);
        EXPECT_EQ(chart->gridlines.back().text, c.topText);
        for (std::size_t i = 0; i < chart->gridlines.size(); ++i)
        {
            EXPECT_EQ(chart->gridlines[i].cents, c.bottom + static_cast<long long>(i) * c.step);
            EXPECT_DOUBLE_EQ(chart->gridlines[i].y, down(chart->gridlines[i].cents));
        }
        EXPECT_DOUBLE_EQ(chart->cushionY, down(*c.statement.cushion.cents));
        EXPECT_EQ(chart->cushionText, "Cushion $" + MoneyText(c.statement.cushion));
        EXPECT_EQ(chart->lowPoint, c.lowPoint);
        EXPECT_EQ(chart->lowPointText, c.lowPointText);
    }
}

TEST(BalanceChart, NamesThePointsAsTheStatementDoes)
{
    const std::optional<BalanceChart> chart = BalanceChartOf(AppendixEStatement());
    ASSERT_TRUE(chart);
    const ChartPoint& closing = chart->points.front();
    const ChartPoint& low = chart->points[chart->lowPoint];
    const ChartPoint& last = chart->points.back();
    EXPECT_EQ(closing.label, "At closing");
    EXPECT_EQ(closing.shortLabel, "Closing");
    EXPECT_EQ(low.label, "December 2026");
    EXPECT_EQ(low.shortLabel, "Dec");
    EXPECT_EQ(last.label, "June 2027");
    EXPECT_EQ(last.shortLabel, "Jun");
    // The low point is at the cushion: on its line.
    EXPECT_DOUBLE_EQ(low.y, chart->cushionY);
}

// Where the words stand: the low point's above the point, below it near the top, beginning at the
// point or ending at it in the right half; the cushion's under its line, over it near the bottom
// where the months are named.
TEST(BalanceChart, PlacesTheWords)
{
    const struct
    {
        int lowMonth;
        std::vector<long long> balances;
        long long cushion;
        bool below;
        bool endsAtPoint;
        bool cushionAbove;
    } cases[] = {
        {2,
         {900, 800, 100, 900, 900, 900, 900, 900, 900, 900, 900, 900, 900},
         500,
         false,
         false,
         false},
        {10,
         {900, 800, 900, 900, 900, 900, 900, 900, 900, 900, 100, 900, 900},
         0,
         false,
         true,
         true},
        {1, std::vector<long long>(13, 900), 900, true, false, false},
    };
    for (const auto& c : cases)
    {
        const std::optional<BalanceChart> chart =
            BalanceChartOf(YearOf(c.cushion, c.balances, c.lowMonth));
        ASSERT_TRUE(chart);
        EXPECT_EQ(chart->lowPointTextBelow, c.below) << c.lowMonth;
        EXPECT_EQ(chart->lowPointTextEndsAtPoint, c.endsAtPoint) << c.lowMonth;
        EXPECT_EQ(chart->cushionTextAbove, c.cushionAbove) << c.lowMonth;
    }
}

// A balance or a cushion beyond cents gives no picture, and the HTML goes without one.
TEST(BalanceChart, NoneBeyondCents)
{
    ItemSchedules huge = AppendixE::Schedules();
    huge[AppendixE::kCounty][6] = 1e300;
    EscrowInputs hugeCushion = AppendixE::Inputs();
    hugeCushion.cushion = "1e300";
    for (const EscrowStatement& statement :
         {BuildStatement(huge, AppendixE::Inputs(), "2026"),
          BuildStatement(AppendixE::Schedules(), hugeCushion, "2026")})
    {
        EXPECT_FALSE(BalanceChartOf(statement));
        EXPECT_EQ(Count(StatementHtmlFragment(statement), "<svg"), 0u);
    }
}

// The numbers of a "points" attribute: "x,y" pairs apart by spaces.
std::vector<std::pair<double, double>> PolylinePoints(const std::string& svg)
{
    const std::string start = "<polyline points=\"";
    const std::size_t at = svg.find(start);
    EXPECT_NE(at, std::string::npos);
    std::vector<std::pair<double, double>> points;
    if (at == std::string::npos)
        return points;
    const std::string list =
        svg.substr(at + start.size(), svg.find('"', at + start.size()) - at - start.size());
    std::size_t from = 0;
    while (from < list.size())
    {
        std::size_t end = list.find(' ', from);
        if (end == std::string::npos)
            end = list.size();
        const std::string pair = list.substr(from, end - from);
        const std::size_t comma = pair.find(',');
        points.emplace_back(std::stod(pair.substr(0, comma)), std::stod(pair.substr(comma + 1)));
        from = end + 1;
    }
    return points;
}

TEST(BalanceChartSvg, DrawsTheThirteenBalancesTheCushionAndTheLowPoint)
{
    const BalanceChart chart = *BalanceChartOf(AppendixEStatement());
    const std::string svg = BalanceChartSvg(chart);
    EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
    EXPECT_EQ(svg.substr(svg.size() - 6), "</svg>");
    EXPECT_EQ(Count(svg, "<script"), 0u);
    EXPECT_EQ(Count(svg, "href"), 0u);

    // The points in order, evenly across, each as high as its balance: the plot's y runs the
    // other way from the balance, so the closing's $1,040.00 is higher than December's $260.00.
    const auto points = PolylinePoints(svg);
    ASSERT_EQ(points.size(), 13u);
    const double across = points[1].first - points[0].first;
    EXPECT_GT(across, 0);
    for (std::size_t i = 1; i < points.size(); ++i)
        EXPECT_NEAR(points[i].first - points[i - 1].first, across, 0.11) << i;
    const double perDollar = (points[6].second - points[0].second) / (1040 - 260);
    EXPECT_GT(perDollar, 0);
    EXPECT_NEAR(points[1].second - points[0].second, (1040 - 670) * perDollar, 0.2);
    EXPECT_EQ(points[12].second, points[0].second);

    const std::string low = std::to_string(static_cast<int>(points[6].first));
    EXPECT_EQ(Count(svg, "<circle cx=\"" + low), 1u) << "the low point's dot on December";
    EXPECT_EQ(Count(svg, ">Low point $260.00, December 2026</text>"), 1u);
    EXPECT_EQ(Count(svg, ">Cushion $260.00</text>"), 1u);
    EXPECT_EQ(Count(svg, "stroke-dasharray"), 1u) << "the cushion's line";
    for (const char* label : {">Closing</text>", ">Jul</text>", ">Dec</text>", ">Jun</text>"})
        EXPECT_EQ(Count(svg, label), 1u) << label;
    for (const char* level : {">$0</text>", ">$600</text>", ">$1,200</text>"})
        EXPECT_EQ(Count(svg, level), 1u) << level;
}

TEST(BalanceChartSvg, EscapesItsWords)
{
    EscrowStatement statement =
        YearOf(0, {900, 800, 100, 900, 900, 900, 900, 900, 900, 900, 900, 900, 900}, 2);
    statement.lowPointMonth = "<b>\"Q\" & 'R'</b>";
    const std::string svg = BalanceChartSvg(*BalanceChartOf(statement));
    EXPECT_EQ(Count(svg, "<b>"), 0u);
    EXPECT_EQ(
        Count(svg, ">Low point $1.00, &lt;b&gt;&quot;Q&quot; &amp; &#39;R&#39;&lt;/b&gt;</text>"),
        1u);
    EXPECT_EQ(Count(svg, "aria-label=\"Low point $1.00, &lt;b&gt;&quot;Q&quot; &amp; "
                         "&#39;R&#39;&lt;/b&gt;\""),
              1u);
}

// The HTML carries the picture between the heading and the running balance.
TEST(BalanceChartSvg, StandsInTheHtmlBeforeTheRunningBalance)
{
    const std::string html = StatementHtmlFragment(AppendixEStatement());
    const std::size_t svg = html.find("<svg");
    ASSERT_NE(svg, std::string::npos);
    EXPECT_LT(html.find(">Low point</th>"), svg);
    EXPECT_LT(svg, html.find("<thead>"));
    EXPECT_EQ(Count(html, "<svg"), 1u);
}

} // namespace

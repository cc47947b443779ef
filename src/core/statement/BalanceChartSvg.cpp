#include "core/statement/BalanceChartSvg.h"

#include "core/statement/HtmlEscaped.h"

#include <cmath>

namespace
{

// The picture's size in the SVG's own units, and the plot inside it: room at the left for the
// levels' figures and at the bottom for the points' labels.
constexpr int kWidth = 640;
constexpr int kHeight = 240;
constexpr double kPlotLeft = 64;
constexpr double kPlotRight = 624;
constexpr double kPlotTop = 16;
constexpr double kPlotBottom = 212;
constexpr double kLabelBaseline = 230;

// A coordinate to a tenth of a unit: enough for the eye, and no exponent for an SVG to misread.
std::string Number(double value)
{
    const long long tenths = std::llround(value * 10);
    const long long whole = tenths / 10;
    const long long tenth = tenths % 10;
    return std::to_string(whole) + (tenth ? "." + std::to_string(tenth) : "");
}

// A position across the chart in the SVG's units.
std::string X(double x)
{
    return Number(kPlotLeft + x * (kPlotRight - kPlotLeft));
}

// A position down the chart in the SVG's units.
std::string Y(double y)
{
    return Number(kPlotTop + y * (kPlotBottom - kPlotTop));
}

// A line of text, its anchor "start", "middle" or "end" at x, with further attributes.
std::string Text(const std::string& x, const std::string& y, const char* anchor,
                 const std::string& text, const char* extra = "")
{
    return "<text x=\"" + x + "\" y=\"" + y + "\" text-anchor=\"" + anchor + "\"" + extra + ">" +
           HtmlEscaped(text) + "</text>\r\n";
}

// A line across the plot at y, in the style given.
std::string Line(const std::string& y, const char* style)
{
    return "<line x1=\"" + X(0) + "\" y1=\"" + y + "\" x2=\"" + X(1) + "\" y2=\"" + y + "\" " +
           style + "/>\r\n";
}

} // namespace

std::string BalanceChartSvg(const BalanceChart& chart)
{
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(kWidth) + "\" height=\"" + std::to_string(kHeight) +
                      "\" viewBox=\"0 0 " + std::to_string(kWidth) + " " + std::to_string(kHeight) +
                      "\" role=\"img\" aria-label=\"" + HtmlEscaped(chart.lowPointText) +
                      "\" font-family=\"Arial,Helvetica,sans-serif\" font-size=\"11\">\r\n";
    for (const ChartGridline& level : chart.gridlines)
    {
        svg += Line(Y(level.y), level.cents == 0 ? "stroke=\"#606060\"" : "stroke=\"#d0d0d0\"");
        svg += Text(Number(kPlotLeft - 6),
                    Number(kPlotTop + level.y * (kPlotBottom - kPlotTop) + 4), "end", level.text);
    }
    svg += Line(Y(chart.cushionY), "stroke=\"#c05000\" stroke-dasharray=\"6 4\"");
    const double cushionY = kPlotTop + chart.cushionY * (kPlotBottom - kPlotTop);
    svg += Text(X(1), Number(chart.cushionTextAbove ? cushionY - 4 : cushionY + 13), "end",
                chart.cushionText, " fill=\"#c05000\"");

    std::string points;
    for (const ChartPoint& point : chart.points)
    {
        points += (points.empty() ? "" : " ") + X(point.x) + "," + Y(point.y);
        svg += Text(X(point.x), Number(kLabelBaseline), "middle", point.shortLabel);
    }
    svg += "<polyline points=\"" + points +
           "\" fill=\"none\" stroke=\"#0054a6\" "
           "stroke-width=\"2\"/>\r\n";

    const ChartPoint& low = chart.points[chart.lowPoint];
    svg += "<circle cx=\"" + X(low.x) + "\" cy=\"" + Y(low.y) + "\" r=\"4\" fill=\"#c00000\"/>\r\n";
    const double lowY = kPlotTop + low.y * (kPlotBottom - kPlotTop);
    svg += Text(X(low.x), Number(chart.lowPointTextBelow ? lowY + 16 : lowY - 8),
                chart.lowPointTextEndsAtPoint ? "end" : "start", chart.lowPointText,
                " font-weight=\"bold\" fill=\"#c00000\"");
    return svg + "</svg>";
}

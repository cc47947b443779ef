// The picture of the year's balance as SVG, for the statement's HTML: drawn from the chart's
// positions, its words as text a reader can find and copy.
#pragma once

#include "core/statement/BalanceChart.h"

#include <string>

// One <svg> element, without script or anything from outside: the scale's levels as lines with
// their figures, the cushion as a dashed line with its words, the balances as a polyline through
// the points with the points' short labels under it, and the low point as a red dot with its
// words. Every text is escaped.
std::string BalanceChartSvg(const BalanceChart& chart);

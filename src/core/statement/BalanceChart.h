// The picture of the year's balance: the balance at closing and after each of the twelve months,
// on a scale of round steps that holds zero and the cushion, the cushion as a level line and the
// low point marked and named. Positions are in a unit square, so that the statement window, the
// printed page and the saved HTML each only scale them to the room they give the picture.
#pragma once

#include "core/statement/EscrowStatement.h"

#include <optional>
#include <string>
#include <vector>

// A balance of the year: where the running balance shows it, and where the picture puts it.
struct ChartPoint
{
    // "At closing" or the month ("July 2026"), as the statement names them.
    std::string label;
    // What stands under the point on the picture's bottom edge: "Closing", or the month's first
    // three letters ("Jul").
    std::string shortLabel;
    long long cents = 0;
    // Across from 0 (the closing) to 1 (the twelfth month), and down from 0 (the scale's top) to
    // 1 (its bottom).
    double x = 0;
    double y = 0;
};

// A level of the scale, with a line across the picture and its figure beside it ("$1,200").
struct ChartGridline
{
    long long cents = 0;
    std::string text;
    double y = 0;
};

struct BalanceChart
{
    // The closing, then the twelve months.
    std::vector<ChartPoint> points;
    // From the scale's bottom to its top, a round step apart; the first and last are its ends.
    std::vector<ChartGridline> gridlines;
    // The cushion's level and its words ("Cushion $260.00"), which stand under the line's right
    // end, or over it when the line is near the bottom, where the points' labels are.
    double cushionY = 0;
    std::string cushionText;
    bool cushionTextAbove = false;
    // The point of the low point and its words ("Low point $260.00, December 2026"), which stand
    // above the point, or below it when the point is near the top; they begin at the point, or
    // end at it when the point is in the right half.
    std::size_t lowPoint = 0;
    std::string lowPointText;
    bool lowPointTextBelow = false;
    bool lowPointTextEndsAtPoint = false;
};

// The picture of the statement's balances; none when a balance or the cushion is beyond cents.
std::optional<BalanceChart> BalanceChartOf(const EscrowStatement& statement);

#include "core/statement/ColumnWidths.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace
{

TEST(FitColumns, GivesEachColumnWhatItNeedsOrAnEqualShare)
{
    struct Case
    {
        const char* what;
        std::vector<int> needed;
        int available;
        std::vector<int> widths;
    };
    const Case cases[] = {
        {"an exact fit", {10, 30, 20}, 60, {10, 30, 20}},
        {"room left over is shared equally", {10, 30, 20}, 90, {20, 40, 30}},
        {"a remainder goes to the first columns", {10, 30, 20}, 62, {11, 31, 20}},
        {"one over narrows the widest", {10, 30, 20}, 59, {10, 29, 20}},
        {"the wide columns share what the narrow leave", {10, 50, 40}, 70, {10, 30, 30}},
        {"a column wider than the page shares with the next widest",
         {5, 1000, 40, 20},
         100,
         {5, 38, 37, 20}},
        {"none fits: equal shares", {50, 60, 70}, 30, {10, 10, 10}},
        {"no room", {10, 20}, 0, {0, 0}},
    };
    for (const Case& c : cases)
    {
        const std::vector<int> widths = FitColumns(c.needed, c.available);
        EXPECT_EQ(widths, c.widths) << c.what;
        EXPECT_EQ(std::accumulate(widths.begin(), widths.end(), 0), c.available) << c.what;
    }
}

} // namespace

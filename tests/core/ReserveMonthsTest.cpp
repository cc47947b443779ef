#include "core/escrow/ReserveMonths.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace
{

// A schedule from (calendar month 1 to 12, amount) bills.
MonthAmounts Schedule(const std::vector<std::pair<int, double>>& bills)
{
    MonthAmounts schedule{};
    for (const auto& [month, amount] : bills)
        schedule[month - 1] += amount;
    return schedule;
}

constexpr int kJanuary = 0;
constexpr int kJuly = 6;

TEST(ReserveMonths, SuggestedFromTheSchedule)
{
    const struct
    {
        const char* what;
        MonthAmounts schedule;
        int firstMonthIndex;
        int cushionMonths;
        int months;
        const char* deposit;
    } cases[] = {
        // Regulation X, Appendix E, Example II: first payment in July, two months' cushion.
        {"county taxes 500 in July and 700 in December", Schedule({{7, 500}, {12, 700}}), kJuly, 2,
         8, "100.00"},
        {"school taxes 360 in September", Schedule({{9, 360}}), kJuly, 2, 11, "30.00"},
        {"the same without a cushion", Schedule({{7, 500}, {12, 700}}), kJuly, 0, 6, "100.00"},
        // A year's bill due in the k-th month of the walk needs 12 - k months.
        {"a year's bill in the first payment month", Schedule({{7, 1200}}), kJuly, 0, 11, "100.00"},
        {"a year's bill in the walk's last month", Schedule({{6, 1200}}), kJuly, 0, 0, "100.00"},
        {"a year's bill in the third month", Schedule({{3, 1200}}), kJanuary, 0, 9, "100.00"},
        // Two bills of unequal size: 250 in March (3 deposits of 25 in, 175 short: 7 more) and
        // 50 in October (10 in, 250 deposited against 300: 2 more).
        {"two unequal bills", Schedule({{3, 250}, {10, 50}}), kJanuary, 0, 7, "25.00"},
        // One year's bills of 1,000.00 do not divide by twelve: the deposit shows 83.33, but the
        // months come from the exact twelfth (a whole year in month 1 needs 11, not 12).
        {"a total that does not divide by twelve", Schedule({{1, 1000}}), kJanuary, 0, 11, "83.33"},
        // 1,000.06 / 12 = 83.338...: half a year in February needs 4, the rest in August too.
        {"a twelfth that rounds up", Schedule({{2, 500}, {8, 500.06}}), kJanuary, 2, 6, "83.34"},
    };
    for (const auto& c : cases)
    {
        const std::optional<SuggestedReserve> suggested =
            SuggestReserve(c.schedule, c.firstMonthIndex, c.cushionMonths);
        ASSERT_TRUE(suggested) << c.what;
        EXPECT_EQ(suggested->months, c.months) << c.what;
        EXPECT_EQ(suggested->deposit, c.deposit) << c.what;
    }
}

TEST(ReserveMonths, NoSuggestionWithoutAYearAboveZero)
{
    const double inf = std::numeric_limits<double>::infinity();
    const MonthAmounts schedules[] = {
        MonthAmounts{},       Schedule({{3, -100}}),           Schedule({{3, 100}, {4, -100}}),
        Schedule({{3, inf}}), Schedule({{3, inf}, {4, -inf}}), Schedule({{3, 1e300}}),
    };
    for (const MonthAmounts& schedule : schedules)
        EXPECT_FALSE(SuggestReserve(schedule, kJanuary, 2)) << schedule[2] << " " << schedule[3];
}

// Each item is walked from the first payment month text as the analysis reads it ("07", and 19
// wrapping to July); the cushion months come with "two months" only.
TEST(ReserveMonths, EachItemOfTheForm)
{
    ItemSchedules schedules{};
    schedules[3] = Schedule({{7, 500}, {12, 700}});
    schedules[4] = Schedule({{9, 360}});
    schedules[6] = Schedule({{5, -10}});
    for (const char* firstPaymentMonth : {"07", "19"})
    {
        const auto twoMonths = SuggestReserves(schedules, firstPaymentMonth, true);
        const auto none = SuggestReserves(schedules, firstPaymentMonth, false);
        for (int index : {0, 1, 2, 5, 6, 7})
            EXPECT_FALSE(twoMonths[index]) << index;
        ASSERT_TRUE(twoMonths[3] && twoMonths[4] && none[3] && none[4]);
        EXPECT_EQ(twoMonths[3]->months, 8);
        EXPECT_EQ(twoMonths[4]->months, 11);
        EXPECT_EQ(none[3]->months, 6);
        EXPECT_EQ(none[4]->months, 9);
        EXPECT_EQ(twoMonths[4]->deposit, "30.00");
    }
}

} // namespace

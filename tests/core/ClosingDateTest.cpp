#include "core/closing/ClosingDate.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(ClosingDate, ReadsOnlyDatesTheCalendarHas)
{
    const struct
    {
        std::string text;
        std::optional<CalendarDate> date;
    } cases[] = {
        {"2026-03-15", CalendarDate{2026, 3, 15}},
        {"2026-12-31", CalendarDate{2026, 12, 31}},
        {"2026-01-01", CalendarDate{2026, 1, 1}},
        {"2024-02-29", CalendarDate{2024, 2, 29}},
        {"2000-02-29", CalendarDate{2000, 2, 29}},
        {"0001-01-01", CalendarDate{1, 1, 1}},
        {"9999-12-31", CalendarDate{9999, 12, 31}},
        {"2026-04-30", CalendarDate{2026, 4, 30}},
        {"2026-02-30", std::nullopt},
        {"2025-02-29", std::nullopt},
        {"1900-02-29", std::nullopt},
        {"2026-04-31", std::nullopt},
        {"2026-13-01", std::nullopt},
        {"2026-00-10", std::nullopt},
        {"2026-01-00", std::nullopt},
        {"2026-01-32", std::nullopt},
        {"0000-01-01", std::nullopt},
        {"", std::nullopt},
        {"2026-3-15", std::nullopt},
        {"2026-03-5", std::nullopt},
        {"26-03-15", std::nullopt},
        {"2026/03/15", std::nullopt},
        {"15-03-2026", std::nullopt},
        {"03-15-2026", std::nullopt},
        {" 2026-03-15", std::nullopt},
        {"2026-03-15 ", std::nullopt},
        {"2026-03-15T00:00", std::nullopt},
        {"+026-03-15", std::nullopt},
        {"2026--3-15", std::nullopt},
        {"2026-0x-15", std::nullopt},
        {std::string("2026-03-1\0", 10), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseClosingDate(c.text), c.date) << c.text;
}

TEST(ClosingDate, TheFirstPaymentIsTheMonthAfterTheNextOne)
{
    const struct
    {
        CalendarDate closing;
        PaymentMonth first;
        const char* month;
        const char* year;
    } cases[] = {
        {{2026, 3, 15}, {5, 2026}, "05", "2026"},  {{2026, 3, 1}, {5, 2026}, "05", "2026"},
        {{2026, 3, 31}, {5, 2026}, "05", "2026"},  {{2026, 1, 31}, {3, 2026}, "03", "2026"},
        {{2026, 10, 2}, {12, 2026}, "12", "2026"}, {{2026, 11, 30}, {1, 2027}, "01", "2027"},
        {{2026, 12, 20}, {2, 2027}, "02", "2027"}, {{2024, 2, 29}, {4, 2024}, "04", "2024"},
        {{999, 12, 1}, {2, 1000}, "02", "1000"},   {{1, 1, 1}, {3, 1}, "03", "0001"},
    };
    for (const auto& c : cases)
    {
        const PaymentMonth first = FirstPaymentAfterClosing(c.closing);
        EXPECT_EQ(first, c.first) << c.closing.year << "-" << c.closing.month;
        EXPECT_EQ(first.MonthText(), c.month) << c.closing.year << "-" << c.closing.month;
        EXPECT_EQ(first.YearText(), c.year) << c.closing.year << "-" << c.closing.month;
    }
    const std::optional<CalendarDate> closing = ParseClosingDate("2026-12-20");
    ASSERT_TRUE(closing);
    EXPECT_EQ(FirstPaymentAfterClosing(*closing), (PaymentMonth{2, 2027}));
}

} // namespace

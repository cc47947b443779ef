#include "core/money/Money.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace
{

constexpr long long kLimit = 1LL << 53; // the most cents a figure holds as a whole number
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Money Cents(long long cents)
{
    return {cents, 0};
}

TEST(StatementMoney, AnAmountIsTheCentsItsTwoDecimalTextShows)
{
    const struct
    {
        double amount;
        std::optional<long long> cents;
        std::string text;
    } cases[] = {
        {1040, 104000, "1,040.00"},
        {-90, -9000, "-90.00"},
        {1234.125, 123413, "1,234.13"}, // half a cent rounds away from zero
        {-1234.125, -123413, "-1,234.13"},
        {0.1 + 0.2, 30, "0.30"},
        {-0.004, 0, "0.00"}, // no "-0.00"
        {0.05, 5, "0.05"},
        {90071992547409.92, kLimit, "90,071,992,547,409.92"},
        {-90071992547409.92, -kLimit, "-90,071,992,547,409.92"},
        // One cent-step past the limit, and far past it: no whole number, the form's text.
        {90071992547409.94, std::nullopt, "90,071,992,547,409.94"},
        {1e20, std::nullopt, "100,000,000,000,000,000,000.00"},
        {kInf, std::nullopt, "inf"},
        {-kInf, std::nullopt, "-inf"},
        {kNaN, std::nullopt, "nan"},
    };
    for (const auto& c : cases)
    {
        const Money money = MoneyOf(c.amount);
        EXPECT_EQ(money.cents, c.cents) << c.text;
        EXPECT_EQ(MoneyText(money), c.text);
    }
    // Three hundred digits never pass through an integer.
    const std::string huge = MoneyText(MoneyOf(1e300));
    EXPECT_EQ(huge.substr(0, 6), "1,000,");
    EXPECT_EQ(huge.substr(huge.size() - 7), ",000.00");
}

TEST(StatementMoney, SumsAreExactInCentsAndLeaveThemPastTheLimit)
{
    EXPECT_EQ((Cents(104000) + Cents(13000) - Cents(50000)).cents, 67000);
    EXPECT_EQ((Cents(kLimit) - Cents(1) + Cents(1)).cents, kLimit);

    const struct
    {
        Money sum;
        std::string text;
    } beyond[] = {
        {Cents(kLimit) + Cents(2), "90,071,992,547,409.94"},
        {Cents(-kLimit) - Cents(kLimit), "-180,143,985,094,819.84"},
        {Cents(100) + MoneyOf(kInf), "inf"},
        {Cents(100) - MoneyOf(kInf), "-inf"},
        {MoneyOf(kInf) - MoneyOf(kInf), "nan"},
        {MoneyOf(kNaN) + Cents(1), "nan"},
    };
    for (const auto& c : beyond)
    {
        EXPECT_FALSE(c.sum.cents) << c.text;
        EXPECT_EQ(MoneyText(c.sum), c.text);
    }
}

TEST(StatementMoney, ComparesInCentsAndAgainstFiguresBeyondThem)
{
    EXPECT_TRUE(IsBelow(Cents(-1), Cents(0)));
    EXPECT_FALSE(IsBelow(Cents(0), Cents(0)));
    EXPECT_TRUE(IsBelow(Cents(kLimit), MoneyOf(1e20)));
    EXPECT_TRUE(IsBelow(MoneyOf(-kInf), Cents(-kLimit)));
    EXPECT_FALSE(IsBelow(MoneyOf(kNaN), Cents(0)));
    EXPECT_FALSE(IsBelow(Cents(0), MoneyOf(kNaN)));
}

} // namespace

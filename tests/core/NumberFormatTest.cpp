#include "core/money/NumberFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace
{

struct ParseCase
{
    std::string text;
    double amount;
};

TEST(ParseMoney, ReadsAmountTextByItsOwnGrammar)
{
    const ParseCase cases[] = {
        {"", 0},
        {"$", 0},
        {"$1,234.56", 1234.56},
        {"$-5", -5},
        {"-$5", -5},
        {"(5.00)", 0},
        {"12 months", 12},
        {"1,2,3", 123},
        {"1.234,56", 1.23456},
        {" 42", 42},
        {"\"7\"", 7},
        {"1e3", 1000},
        {"12%", 12},
        {"\t\n\v\f\r 3", 3},
        {"+7.5", 7.5},
        {".5", 0.5},
        {"5.", 5},
        {"-.5e1", -5},
        {"2E-2", 0.02},
        {"1e", 1},
        {"1e+", 1},
        {"1.5.5", 1.5},
        {"- 5", 0},
        {"+-5", 0},
        // Forms a C library would also accept, and the amount grammar does not.
        {"0x10", 0},
        {"inf", 0},
        {"-infinity", 0},
        {"nan", 0},
        {"1,200.00\r", 1200},
        {"0.1", 0.1},
        {"123456789.123456789", 123456789.123456789},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseMoney(c.text), c.amount) << '"' << c.text << '"';
}

TEST(ParseMoney, LeavesTheCallersTextUnchanged)
{
    const std::string text = "$1,234.56";
    EXPECT_EQ(ParseMoney(text), 1234.56);
    EXPECT_EQ(text, "$1,234.56");
}

TEST(ParseMoney, MagnitudesBeyondTheDoubleRange)
{
    EXPECT_EQ(ParseMoney("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseMoney("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseMoney("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseMoney("1e-400"), 0);
    EXPECT_EQ(ParseMoney("0e99999999999999999999"), 0);
    EXPECT_EQ(ParseMoney("0." + std::string(399, '0') + "1e400"), 1);
}

TEST(ParseWholeNumber, ReadsLeadingDigitsOnly)
{
    const std::pair<std::string, int> cases[] = {
        {"05", 5},
        {"5th", 5},
        {"5.9", 5},
        {" 12", 12},
        {"-1", -1},
        {"+3", 3},
        {"", 0},
        {"abc", 0},
        {"- 1", 0},
        {"13", 13},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseWholeNumber(text), value) << '"' << text << '"';
}

TEST(ParsePercent, RemovesPercentAndMoneySymbols)
{
    EXPECT_EQ(ParsePercent("12%"), 12);
    EXPECT_EQ(ParsePercent("\"$5,000.5%\""), 5000.5);
    EXPECT_EQ(ParsePercent("%"), 0);
}

TEST(StripMoneySymbols, RemovesCommasAndDollarsInPlace)
{
    std::string text = "$1,234,567.89$";
    StripMoneySymbols(text);
    EXPECT_EQ(text, "1234567.89");
}

TEST(FormatMoney, RewritesTextAsMoneyText)
{
    const std::pair<std::string, std::string> cases[] = {
        // The texts the program passes: "$" and two-decimal text.
        {"$0.00", "$0.00"},
        {"$600.00", "$600.00"},
        {"$2400.00", "$2,400.00"},
        {"$100000.00", "$100,000.00"},
        {"$1234567.89", "$1,234,567.89"},
        {"$-123.45", "$-123.45"},
        {"$-1234.50", "$-1,234.50"},
        {"$-0.50", "$-0.50"},
        {"$-0.00", "$-0.00"},
        // Other texts.
        {"1234", "1,234.00"},
        {"1234.5", "1,234.50"},
        {"1234.567", "1,234.56"},
        {"$1,234.5", "$1,234.50"},
        {"0.5", "0.50"},
        {".5", ".50"},
        {"-5", "-5.00"},
        {"", ""},
        {"0", "0"},
        {"$", "$"},
        // Texts that never end in a point and two characters: the digits before the point are
        // grouped, the rest stays as it is.
        {"0.0", "0.0"},
        {"0.", "0."},
        {"12.", "12.0"},
        {"12345.", "12,345.0"},
        {"000", "000"},
        {"0000", "0,000"},
        {"abc", "abc"},
        {"$-", "$-"},
        {"-", "-"},
        {"1.2.3", "1.2."},
        // An item total beyond the range of a double: the sign is no digit to group.
        {"$-inf", "$-inf"},
        {"$inf", "$inf"},
        {"$nan", "$nan"},
        {"--1234", "--1,234"},
    };
    for (const auto& [in, out] : cases)
    {
        std::string text = in;
        FormatMoney(text);
        EXPECT_EQ(text, out) << '"' << in << '"';
    }
}

TEST(TwoDecimalText, RoundsSeventeenDigitsThenHalfAwayFromZero)
{
    const std::pair<double, std::string> cases[] = {
        {0, "0.00"},
        {1000000, "1000000.00"},
        {250, "250.00"},
        {1234567.89, "1234567.89"},
        {-200, "-200.00"},
        {1234.125, "1234.13"},
        {200.125, "200.13"},
        {0.125, "0.13"},
        {-0.125, "-0.13"},
        {1.005, "1.00"}, // held as 1.00499999999999989...
        {2.675, "2.67"}, // held as 2.67499999999999982...
        // Held as 0.99499999999999999556: seventeen digits round it up to 0.995, and the half
        // then rounds away from zero (a correctly rounded "%.2f" gives 0.99).
        {0.995, "1.00"},
        {0.005, "0.01"},
        {-0.001, "-0.00"},
        {-0.0, "0.00"},
        {0.004, "0.00"},
        {99.995, "100.00"},
        {9999999.995, "9999999.99"},
        // Exactly 1000000000000000.25: the seventeenth digit rounds half up, to .3.
        {1000000000000000.25, "1000000000000000.30"},
        {1e20, "100000000000000000000.00"},
        {std::numeric_limits<double>::denorm_min(), "0.00"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    for (const auto& [amount, text] : cases)
        EXPECT_EQ(TwoDecimalText(amount), text) << amount;
}

TEST(TwoDecimalText, LargestDoubleKeepsSeventeenSignificantDigits)
{
    const std::string text = TwoDecimalText(DBL_MAX);
    EXPECT_EQ(text, "17976931348623157" + std::string(292, '0') + ".00");
}

TEST(TwoDecimalText, ReadsBackAsTheRoundedAmount)
{
    for (double amount : {0.01, 12.34, 99999.99, 1234567.8, -5000.05, 0.1 + 0.2})
        EXPECT_EQ(ParseMoney(TwoDecimalText(amount)), std::round(amount * 100) / 100) << amount;
}

} // namespace

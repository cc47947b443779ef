#include "core/money/Money.h"

#include "core/money/NumberFormat.h"

#include <cmath>

namespace
{

constexpr long long kCentsLimit = 1LL << 53;

Money InCentsOrBeyond(long long cents)
{
    if (cents > kCentsLimit || cents < -kCentsLimit)
        return {std::nullopt, static_cast<double>(cents) / 100};
    return {cents, 0};
}

} // namespace

Money MoneyOf(double amount)
{
    if (!std::isfinite(amount))
        return {std::nullopt, amount};
    // The cents are the digits of the two-decimal text; more than sixteen of them may pass the
    // limit, and are not read into an integer at all.
    std::string digits = TwoDecimalText(amount);
    const bool negative = digits[0] == '-';
    digits.erase(0, negative ? 1 : 0);
    digits.erase(digits.size() - 3, 1);
    if (digits.size() > 16)
        return {std::nullopt, amount};
    const long long cents = std::stoll(digits);
    if (cents > kCentsLimit)
        return {std::nullopt, amount};
    return {negative ? -cents : cents, 0};
}

Money operator+(const Money& a, const Money& b)
{
    if (a.cents && b.cents)
        return InCentsOrBeyond(*a.cents + *b.cents);
    return {std::nullopt, Dollars(a) + Dollars(b)};
}

Money operator-(const Money& a, const Money& b)
{
    if (a.cents && b.cents)
        return InCentsOrBeyond(*a.cents - *b.cents);
    return {std::nullopt, Dollars(a) - Dollars(b)};
}

double Dollars(const Money& money)
{
    return money.cents ? static_cast<double>(*money.cents) / 100 : money.beyond;
}

bool IsBelow(const Money& a, const Money& b)
{
    if (a.cents && b.cents)
        return *a.cents < *b.cents;
    return Dollars(a) < Dollars(b);
}

std::string MoneyText(const Money& money)
{
    std::string text;
    if (money.cents)
    {
        const long long magnitude = *money.cents < 0 ? -*money.cents : *money.cents;
        std::string digits = std::to_string(magnitude);
        if (digits.size() < 3)
            digits.insert(0, 3 - digits.size(), '0');
        text = (*money.cents < 0 ? "-" : "") + digits.substr(0, digits.size() - 2) + "." +
               digits.substr(digits.size() - 2);
    }
    else
    {
        text = TwoDecimalText(money.beyond);
    }
    FormatMoney(text);
    return text;
}

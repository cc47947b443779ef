#include "core/money/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace
{

// How many significant digits of an amount two-decimal text rounds from.
constexpr std::size_t kSignificantDigits = 17;

void RemoveAll(std::string& text, char c)
{
    text.erase(std::remove(text.begin(), text.end(), c), text.end());
}

// Removes every character of the set in one pass.
void RemoveAllOf(std::string& text, const char* set)
{
    text.erase(std::remove_if(text.begin(), text.end(),
                              [set](char c) { return c != 0 && std::strchr(set, c) != nullptr; }),
               text.end());
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The exact decimal digits of a finite, non-negative double, without leading zeros ("0" for
// zero), and how many of them stand after the decimal point. A double is m * 2^e; for e < 0 that
// is m * 5^-e / 10^-e, so the digits are those of the whole number m * 5^-e.
struct ExactDecimal
{
    std::string digits;
    int fractionDigits = 0;
};

// A whole number in base 10^9 limbs, least significant first: just enough arithmetic for
// ExactDecimal.
class BigDecimalInteger
{
public:
    explicit BigDecimalInteger(std::uint64_t value)
    {
        do
        {
            m_limbs.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void MultiplyBy(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : m_limbs)
        {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0)
        {
            m_limbs.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    // Multiplies by base^exponent, in steps of step (= base^stepExponent, below 2^32).
    void MultiplyByPower(std::uint32_t base, int exponent, std::uint32_t step, int stepExponent)
    {
        for (; exponent >= stepExponent; exponent -= stepExponent)
            MultiplyBy(step);
        std::uint32_t rest = 1;
        for (; exponent > 0; --exponent)
            rest *= base;
        MultiplyBy(rest);
    }

    std::string Digits() const
    {
        std::string text = std::to_string(m_limbs.back());
        for (auto limb = m_limbs.rbegin() + 1; limb != m_limbs.rend(); ++limb)
        {
            const std::string part = std::to_string(*limb);
            text.append(kBaseDigits - part.size(), '0');
            text += part;
        }
        return text;
    }

private:
    static constexpr std::uint32_t kBase = 1000000000;
    static constexpr std::size_t kBaseDigits = 9;
    std::vector<std::uint32_t> m_limbs;
};

ExactDecimal ExactDecimalOf(double value)
{
    if (value == 0)
        return {"0", 0};
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    while (exponent < 0 && (mantissa & 1) == 0)
    {
        mantissa >>= 1;
        ++exponent;
    }
    BigDecimalInteger number(mantissa);
    if (exponent >= 0)
    {
        number.MultiplyByPower(2, exponent, 1u << 29, 29);
        return {number.Digits(), 0};
    }
    number.MultiplyByPower(5, -exponent, 244140625u, 12);
    return {number.Digits(), -exponent};
}

// Adds one to a string of decimal digits, growing it by a digit when every digit was 9.
void IncrementDigits(std::string& digits)
{
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit)
    {
        if (*digit != '9')
        {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The value of a decimal number too large or too small for a double: an infinity when its first
// significant digit stands left of the point after the exponent is applied, else 0.
double BeyondRange(const char* p, const char* end)
{
    long long position = 0; // where the first significant digit stands, in powers of ten
    bool significant = false;
    bool afterPoint = false;
    for (; p != end && (IsDigit(*p) || (*p == '.' && !afterPoint)); ++p)
    {
        if (*p == '.')
            afterPoint = true;
        else if (*p != '0')
            significant = true;
        if (IsDigit(*p) && significant && !afterPoint)
            ++position;
        else if (*p == '0' && !significant && afterPoint)
            --position;
    }
    long long exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E'))
    {
        ++p;
        const bool negativeExponent = p != end && *p == '-';
        if (p != end && (*p == '+' || *p == '-'))
            ++p;
        for (; p != end && IsDigit(*p); ++p)
            exponent = std::min(exponent * 10 + (*p - '0'), 1000000000LL);
        exponent = negativeExponent ? -exponent : exponent;
    }
    return position + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

double ParseDecimal(const std::string& text)
{
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin;
    while (p != end && IsSpace(*p))
        ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-'))
    {
        negative = *p == '-';
        ++p;
    }
    // from_chars reads digits, point, digits and exponent, stopping where the number ends, with
    // no locale; starting it only on a digit or a point keeps out the forms a C library would
    // also take (a second sign, hexadecimal, infinity, not-a-number).
    const bool startsNumber =
        p != end && (IsDigit(*p) || (*p == '.' && p + 1 != end && IsDigit(p[1])));
    if (!startsNumber)
        return 0;
    double value = 0;
    if (std::from_chars(p, end, value).ec == std::errc::result_out_of_range)
        value = BeyondRange(p, end);
    return negative ? -value : value;
}

int ParseWholeNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
    {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min(value * 10 + (text[i] - '0'), static_cast<long long>(INT_MAX) + 1);
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

double ParseMoney(std::string text)
{
    RemoveAllOf(text, ",$\"");
    return ParseDecimal(text);
}

double ParsePercent(std::string text)
{
    RemoveAllOf(text, ",$\"%");
    return ParseDecimal(text);
}

void StripMoneySymbols(std::string& text)
{
    RemoveAll(text, ',');
    RemoveAll(text, '$');
}

void FormatMoney(std::string& text)
{
    const std::size_t lengthBefore = text.size();
    RemoveAll(text, '$');
    const bool hadDollar = text.size() != lengthBefore;
    RemoveAll(text, ',');

    const bool negative = ParseDecimal(text) < 0;
    if (negative)
        RemoveAll(text, '-');

    const std::size_t point = text.find('.');
    if (point == std::string::npos)
    {
        if (ParseDecimal(text) != 0)
            text += ".00";
    }
    else
    {
        if (text.size() > point + 3)
            text.resize(point + 3);
        if (text.size() < point + 3 && ParseDecimal(text) != 0)
            text += '0';
    }

    // Groups of three, counted leftwards from the point (from the end when there is none). A sign
    // left in front (that of "-inf", which reads as no number) is no digit and is not grouped.
    const std::size_t integerEnd = std::min(text.find('.'), text.size());
    const std::size_t integerStart = std::min(text.find_first_not_of("+-"), integerEnd);
    std::string grouped(text, 0, integerStart);
    grouped.reserve(text.size() + integerEnd / 3 + 2);
    for (std::size_t i = integerStart; i < integerEnd; ++i)
    {
        if (i != integerStart && (integerEnd - i) % 3 == 0)
            grouped += ',';
        grouped += text[i];
    }
    grouped.append(text, integerEnd, std::string::npos);

    text.clear();
    if (hadDollar)
        text += '$';
    if (negative)
        text += '-';
    text += grouped;
}

double RoundedToCents(double amount)
{
    return std::isfinite(amount) ? ParseDecimal(TwoDecimalText(amount)) : amount;
}

std::string TwoDecimalText(double amount)
{
    if (std::isnan(amount))
        return "nan";
    if (std::isinf(amount))
        return amount < 0 ? "-inf" : "inf";

    const ExactDecimal exact = ExactDecimalOf(std::fabs(amount));
    // The significant digits, rounded half up; a carry may add one more ("99..9" up).
    std::string significant = exact.digits;
    int scale = -exact.fractionDigits; // value = significant * 10^scale
    if (significant.size() > kSignificantDigits)
    {
        const bool roundUp = significant[kSignificantDigits] >= '5';
        scale += static_cast<int>(significant.size() - kSignificantDigits);
        significant.resize(kSignificantDigits);
        if (roundUp)
            IncrementDigits(significant);
    }

    // Hundredths: value * 100 = significant * 10^(scale + 2), rounded half away from zero.
    std::string hundredths;
    const int shift = scale + 2;
    if (shift >= 0)
    {
        hundredths = significant + std::string(static_cast<std::size_t>(shift), '0');
    }
    else
    {
        const auto dropped = static_cast<std::size_t>(-shift);
        if (dropped > significant.size())
        {
            hundredths = "0";
        }
        else
        {
            const std::size_t kept = significant.size() - dropped;
            hundredths = kept == 0 ? "0" : significant.substr(0, kept);
            if (significant[kept] >= '5')
                IncrementDigits(hundredths);
        }
    }
    const std::size_t firstNonZero = std::min(hundredths.find_first_not_of('0'), hundredths.size());
    hundredths.erase(0, std::min(firstNonZero, hundredths.size() - 1));
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');

    std::string text = amount < 0 ? "-" : "";
    text.append(hundredths, 0, hundredths.size() - 2);
    text += '.';
    text.append(hundredths, hundredths.size() - 2, 2);
    return text;
}

#include "core/closing/ClosingDate.h"

#include <cstdio>

namespace
{

constexpr const char* kMonthNames[12] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// The number of the figures from start, count of them; -1 when one is no figure.
int Figures(const std::string& text, std::size_t start, std::size_t count)
{
    int value = 0;
    for (std::size_t i = start; i < start + count; ++i)
    {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string Padded(int value, int figures)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", figures, value);
    return text;
}

} // namespace

std::optional<CalendarDate> ParseClosingDate(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const CalendarDate date{Figures(text, 0, 4), Figures(text, 5, 2), Figures(text, 8, 2)};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.month, date.year))
        return std::nullopt;
    return date;
}

const char* MonthName(int month)
{
    return kMonthNames[month - 1];
}

std::string ReadableDate(const CalendarDate& date)
{
    return std::string(MonthName(date.month)) + " " + std::to_string(date.day) + ", " +
           std::to_string(date.year);
}

std::string PaymentMonth::MonthText() const
{
    return Padded(month, 2);
}

std::string PaymentMonth::YearText() const
{
    return Padded(year, 4);
}

PaymentMonth FirstPaymentAfterClosing(const CalendarDate& closing)
{
    // Months counted from January of year 0, two on from the closing's.
    const long months = closing.year * 12L + (closing.month - 1) + 2;
    return {static_cast<int>(months % 12) + 1, static_cast<int>(months / 12)};
}

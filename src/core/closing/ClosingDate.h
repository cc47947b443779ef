// The closing date as the details hold it, "YYYY-MM-DD", and the first monthly payment it gives.
#pragma once

#include <optional>
#include <string>

struct CalendarDate
{
    int year;
    int month; // 1 to 12
    int day;   // 1 to the month's last day

    bool operator==(const CalendarDate& other) const
    {
        return year == other.year && month == other.month && day == other.day;
    }
    bool operator!=(const CalendarDate& other) const { return !(*this == other); }
};

// The date of "YYYY-MM-DD": four figures of the year (0001 to 9999), two of the month, two of
// the day, nothing before or after. A date the calendar does not have (30 February, 29 February
// of a year that is not a leap year, month 13, day 0, year 0) is none.
std::optional<CalendarDate> ParseClosingDate(const std::string& text);

// The month's name in English: 1 is "January", 12 "December".
const char* MonthName(int month);

// The date as a person reads it: "March 15, 2026".
std::string ReadableDate(const CalendarDate& date);

// A month of a year, as the form's first payment boxes hold it.
struct PaymentMonth
{
    int month; // 1 to 12
    int year;

    bool operator==(const PaymentMonth& other) const
    {
        return month == other.month && year == other.year;
    }
    bool operator!=(const PaymentMonth& other) const { return !(*this == other); }

    // The month as the form shows it, two figures: "05".
    std::string MonthText() const;
    // The year as the form shows it, four figures: "2026".
    std::string YearText() const;
};

// The first monthly payment after a closing on the date: the month after the next one (a closing
// on 15 March 2026 pays first in May 2026; one on 20 December 2026 in February 2027).
PaymentMonth FirstPaymentAfterClosing(const CalendarDate& closing);

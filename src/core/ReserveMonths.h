// The reserve months and the monthly deposit an item's schedule calls for, by the single-item
// analysis of Regulation X (12 CFR 1024.17, Appendix E, Example II): each month one twelfth of
// the item's year comes in before that month's bills go out, and the reserves at closing cover
// every shortfall of the year.
#pragma once

#include "core/MonthAmounts.h"

#include <optional>
#include <string>

struct SuggestedReserve
{
    int months = 0;      // reserve months, the cushion months included
    std::string deposit; // the monthly deposit as two-decimal text
};

// The suggestion for a schedule whose year totals more than zero; none for a total of zero or
// below, or one that is no number or does not fit in cents. `firstMonthIndex` is the calendar
// month (0 = January) of the first payment; `cushionMonths` are added to the months found.
std::optional<SuggestedReserve> SuggestReserve(const MonthAmounts& schedule, int firstMonthIndex,
                                               int cushionMonths);

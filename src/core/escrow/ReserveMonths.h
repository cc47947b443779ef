// The reserve months and the monthly deposit an item's schedule calls for, by the single-item
// analysis of Regulation X (12 CFR 1024.17, Appendix E, Example II): each month one twelfth of
// the item's year comes in before that month's bills go out, and the reserves at closing cover
// every shortfall of the year.
#pragma once

#include "core/escrow/MonthAmounts.h"

#include <array>
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

// The cushion months added while "two months" is on.
constexpr int kTwoMonthsCushion = 2;

// The suggestion for each item, item 1 first, from the first payment month text as the analysis
// reads it; the cushion months are added while "two months" is on.
std::array<std::optional<SuggestedReserve>, kEscrowItems> SuggestReserves(
    const ItemSchedules& schedules, const std::string& firstPaymentMonth, bool twoMonths);

// The names of the eight escrow items, item 1 first: the heading of each item's line on the form,
// and the name of its rows and reserve line on the statement.
#pragma once

#include "core/escrow/MonthAmounts.h"

#include <array>
#include <string>

constexpr std::array<const char*, kEscrowItems> kItemHeadings{
    "Hazard insurance",
    "Mortgage insurance",
    "City property taxes",
    "County property taxes",
    "Village property taxes",
    "Flood insurance",
    "Other",
    "Other",
};

// Item N's line as the form labels it: its settlement line number 1000 + N, a point, two spaces
// and its heading ("1004.  County property taxes").
inline std::string ItemLineHeading(int item)
{
    return std::to_string(1000 + item) + ".  " + kItemHeadings[item - 1];
}

// Item N as a screen reader names it, its line number with one space after the point ("1004.
// County property taxes"): the two spaces of the form's label would be read as a pause.
inline std::string ItemSpokenName(int item)
{
    return std::to_string(1000 + item) + ". " + kItemHeadings[item - 1];
}

// The caption of item N's schedule dialog, which names the item as its line on the form does.
inline std::string ScheduleCaption(int item)
{
    return "Disbursement schedule - " + ItemLineHeading(item);
}

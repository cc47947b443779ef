// The names of the eight escrow items, item 1 first: the heading of each item's line on the form,
// and the name of its rows and reserve line on the statement.
#pragma once

#include "core/escrow/MonthAmounts.h"

#include <array>

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

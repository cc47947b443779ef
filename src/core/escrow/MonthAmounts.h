// The month tables the schedules and the analysis pass between them.
#pragma once

#include <array>

constexpr int kEscrowItems = 8;
constexpr int kMonths = 12;

// One amount per calendar month, index 0 = January ... 11 = December.
using MonthAmounts = std::array<double, kMonths>;

// The month table of every escrow item, item 1 at index 0.
using ItemSchedules = std::array<MonthAmounts, kEscrowItems>;

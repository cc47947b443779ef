#include "core/escrow/ReserveMonths.h"

#include "core/escrow/EscrowAnalysis.h"
#include "core/escrow/Schedules.h"
#include "core/money/NumberFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace
{

// Cents beyond this cannot be counted exactly in the sums below (twelve times a year's total).
constexpr double kMostCents = 1e15;

// The amount in whole cents, rounded by the two-decimal rule; none when it does not fit.
std::optional<std::int64_t> CentsOf(double amount)
{
    const double cents = RoundedToCents(amount) * 100;
    if (!std::isfinite(cents) || std::fabs(cents) > kMostCents)
        return std::nullopt;
    return static_cast<std::int64_t>(std::llround(cents));
}

} // namespace

std::optional<SuggestedReserve> SuggestReserve(const MonthAmounts& schedule, int firstMonthIndex,
                                               int cushionMonths)
{
    // The bills of the walk's months in cents, the first payment month first.
    std::array<std::int64_t, kMonths> bills{};
    std::int64_t year = 0;
    for (int k = 0; k < kMonths; ++k)
    {
        const std::optional<std::int64_t> bill = CentsOf(schedule[(firstMonthIndex + k) % kMonths]);
        if (!bill)
            return std::nullopt;
        bills[k] = *bill;
        year += *bill;
    }
    if (year <= 0)
        return std::nullopt;
    // With r deposits of year/12 at closing, month k of the walk (k = 1 to 12) has r + k
    // deposits in against the bills so far: r * year >= 12 * billsSoFar - k * year, in exact
    // cents, so that a bill of one whole year due in month k asks for exactly 12 - k months.
    std::int64_t billsSoFar = 0;
    std::int64_t months = 0;
    for (int k = 1; k <= kMonths; ++k)
    {
        billsSoFar += bills[k - 1];
        const std::int64_t shortfall = 12 * billsSoFar - k * year;
        if (shortfall > 0)
            months = std::max(months, (shortfall + year - 1) / year);
    }
    return SuggestedReserve{static_cast<int>(months) + cushionMonths,
                            TwoDecimalText(AnnualTotal(schedule) / 12)};
}

std::array<std::optional<SuggestedReserve>, kEscrowItems> SuggestReserves(
    const ItemSchedules& schedules, const std::string& firstPaymentMonth, bool twoMonths)
{
    std::array<std::optional<SuggestedReserve>, kEscrowItems> suggestions;
    const int firstMonthIndex = FirstPaymentMonthIndex(firstPaymentMonth);
    for (int index = 0; index < kEscrowItems; ++index)
        suggestions[index] =
            SuggestReserve(schedules[index], firstMonthIndex, twoMonths ? kTwoMonthsCushion : 0);
    return suggestions;
}

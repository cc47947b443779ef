#include "RealisticForms.h"

#include "core/money/NumberFormat.h"

#include <algorithm>
#include <array>
#include <numeric>

int RealisticForms::Between(int lowest, int highest)
{
    return std::uniform_int_distribution<int>(lowest, highest)(m_random);
}

RealisticForm RealisticForms::Next()
{
    RealisticForm form;
    std::array<int, kEscrowItems> items{};
    std::iota(items.begin(), items.end(), 0);
    std::shuffle(items.begin(), items.end(), m_random);
    const int count = Between(1, 4);
    for (int n = 0; n < count; ++n)
    {
        const int item = items[n];
        const int yearCents = Between(100'00, 3'000'00);
        const int first = Between(0, kMonths - 1);
        if (Between(0, 1) == 0)
        {
            form.schedules[item][first] = yearCents / 100.0;
        }
        else
        {
            // Two halves six months apart, the odd cent on the first.
            const int second = (first + 6) % kMonths;
            form.schedules[item][first] = (yearCents - yearCents / 2) / 100.0;
            form.schedules[item][second] = (yearCents / 2) / 100.0;
        }
        form.inputs.reserveMonths[item] = std::to_string(Between(0, 6));
        form.inputs.monthlyDeposits[item] = TwoDecimalText(yearCents / 100.0 / kMonths);
    }
    form.inputs.firstPaymentMonth = std::to_string(Between(1, kMonths));
    form.inputs.twoMonths = Between(0, 1) == 1;
    return form;
}

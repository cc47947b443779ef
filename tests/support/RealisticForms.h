// Forms such as closings bring: one to four escrow items of $100 to $3,000 a year with cents,
// each billed in one month or in two halves, reserves of a few months at each item's twelfth, a
// first payment in any month, and a cushion of zero or "two months". Seeded, so every run
// generates the same forms.
#pragma once

#include "core/escrow/EscrowAnalysis.h"

#include <random>

struct RealisticForm
{
    ItemSchedules schedules{};
    // The cushion is empty, or "two months" is on.
    EscrowInputs inputs;
};

class RealisticForms
{
public:
    explicit RealisticForms(unsigned seed) : m_random(seed) {}

    RealisticForm Next();

private:
    int Between(int lowest, int highest);

    std::mt19937 m_random;
};

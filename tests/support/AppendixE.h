// Regulation X, Appendix E, Examples I and II: county taxes of $500 in July and $700 in December,
// school taxes of $360 in September, the first payment in July, a cushion of one sixth of the
// year's $1,560, and reserves of 8 months x $100 and 11 months x $30. The county taxes stand on
// the form's "County property taxes" line, the school taxes on its first "Other".
#pragma once

#include "core/escrow/EscrowAnalysis.h"

namespace AppendixE
{
constexpr int kCounty = 3;
constexpr int kSchool = 6;

ItemSchedules Schedules();
EscrowInputs Inputs();
} // namespace AppendixE

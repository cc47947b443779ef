#include "AppendixE.h"

namespace AppendixE
{

ItemSchedules Schedules()
{
    ItemSchedules schedules{};
    schedules[kCounty][6] = 500;
    schedules[kCounty][11] = 700;
    schedules[kSchool][8] = 360;
    return schedules;
}

EscrowInputs Inputs()
{
    EscrowInputs inputs;
    inputs.firstPaymentMonth = "07";
    inputs.cushion = "260";
    inputs.reserveMonths[kCounty] = "8";
    inputs.monthlyDeposits[kCounty] = "$100.00";
    inputs.reserveMonths[kSchool] = "11";
    inputs.monthlyDeposits[kSchool] = "$30.00";
    return inputs;
}

} // namespace AppendixE

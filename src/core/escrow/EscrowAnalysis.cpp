#include "core/escrow/EscrowAnalysis.h"

#include "core/escrow/Schedules.h"
#include "core/money/NumberFormat.h"

#include <cmath>

double MonthlyPayment(const MonthAmounts& combined)
{
    return AnnualTotal(combined) / kMonths;
}

int FirstPaymentMonthIndex(const std::string& firstPaymentMonth)
{
    const long long start = static_cast<long long>(ParseWholeNumber(firstPaymentMonth)) - 1;
    return static_cast<int>(((start % kMonths) + kMonths) % kMonths);
}

double ProjectLowPoint(const MonthAmounts& combined, double payment, int firstMonthIndex)
{
    double low = 0;
    double balance = 0;
    for (int k = 0; k < kMonths; ++k)
    {
        const double change = payment - combined[(k + firstMonthIndex) % kMonths];
        balance = k == 0 ? change : change + balance;
        // A balance that is no number (an amount beyond the double range) stays visible as such.
        if (balance < low || std::isnan(balance))
            low = balance;
    }
    return low;
}

double ReservesAtClosing(const EscrowInputs& inputs)
{
    double reserves = 0;
    for (int item = 0; item < kEscrowItems; ++item)
        reserves +=
            ParseMoney(inputs.reserveMonths[item]) * ParseMoney(inputs.monthlyDeposits[item]);
    return reserves;
}

EscrowFigures AnalyzeEscrow(const MonthAmounts& combined, const EscrowInputs& inputs)
{
    EscrowFigures figures;
    figures.monthlyPayment = MonthlyPayment(combined);
    figures.lowPoint = ProjectLowPoint(combined, figures.monthlyPayment,
                                       FirstPaymentMonthIndex(inputs.firstPaymentMonth));
    figures.cushion = ParseMoney(inputs.cushion);
    figures.initialBalance = RoundedToCents(figures.cushion - figures.lowPoint);
    figures.reserves = RoundedToCents(ReservesAtClosing(inputs));
    figures.adjustment = figures.initialBalance - figures.reserves;
    return figures;
}

std::string ResultText(const EscrowFigures& figures)
{
    return TwoDecimalText(figures.adjustment) + " = $" + TwoDecimalText(figures.initialBalance) +
           " - $" + TwoDecimalText(figures.reserves);
}

std::string TwoMonthsCushionText(double monthlyPayment)
{
    return TwoDecimalText(2 * monthlyPayment);
}

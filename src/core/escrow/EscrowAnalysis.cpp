#include "core/escrow/EscrowAnalysis.h"

#include "core/escrow/Schedules.h"
#include "core/money/NumberFormat.h"

#include <algorithm>
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

double ProjectLowPointInCents(const MonthAmounts& combined, double payment, int firstMonthIndex)
{
    double low = 0;
    double balance = 0;
    for (int k = 0; k < kMonths; ++k)
    {
        const double bill = RoundedToCents(combined[(k + firstMonthIndex) % kMonths]);
        // Rounded at every month, the balance is the statement's balance in cents.
        balance = RoundedToCents(balance + (payment - bill));
        if (k == 0 || balance < low || std::isnan(balance))
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
    const int firstMonth = FirstPaymentMonthIndex(inputs.firstPaymentMonth);
    figures.cushion = ParseMoney(CushionText(combined, inputs));
    if (inputs.wholeCentPayment)
    {
        figures.monthlyPayment = RoundedToCents(MonthlyPayment(combined));
        figures.lowPoint = ProjectLowPointInCents(combined, figures.monthlyPayment, firstMonth);
        figures.initialBalance = RoundedToCents(figures.cushion - figures.lowPoint);
        // A year whose payments as collected never let the balance fall to the cushion needs
        // nothing at closing; it is never asked to hand money back.
        if (figures.initialBalance < 0 && figures.cushion >= 0)
            figures.initialBalance = 0;
    }
    else
    {
        figures.monthlyPayment = MonthlyPayment(combined);
        figures.lowPoint = ProjectLowPoint(combined, figures.monthlyPayment, firstMonth);
        figures.initialBalance = RoundedToCents(figures.cushion - figures.lowPoint);
    }
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

std::string CushionText(const MonthAmounts& combined, const EscrowInputs& inputs)
{
    if (!inputs.twoMonths)
        return inputs.cushion;
    const double payment = MonthlyPayment(combined);
    if (!inputs.wholeCentPayment)
        return TwoMonthsCushionText(payment);
    const double twoPayments = 2 * RoundedToCents(payment);
    const double yearInCents = std::round(RoundedToCents(AnnualTotal(combined)) * 100);
    const double sixthInCents = std::floor(yearInCents / 6);
    // A sixth that is no number or beyond cents caps nothing.
    if (!std::isfinite(sixthInCents) || std::fabs(sixthInCents) > 9e15)
        return TwoDecimalText(twoPayments);
    return TwoDecimalText(std::min(twoPayments, sixthInCents / 100));
}

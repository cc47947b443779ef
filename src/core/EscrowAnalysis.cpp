#include "core/EscrowAnalysis.h"

#include "core/NumberFormat.h"
#include "core/TextLines.h"

#include <cmath>

MonthAmounts ReadScheduleAmounts(const std::optional<FilePath>& file)
{
    MonthAmounts amounts{};
    LineReader reader(file);
    for (double& amount : amounts)
        amount = ParseMoney(reader.ReadLine());
    return amounts;
}

std::optional<FilePath> ScheduleFilePath(const std::optional<FilePath>& folder, int item)
{
    if (!folder)
        return std::nullopt;
    return *folder / ScheduleFileName(item);
}

MonthAmounts CombinedSchedule(const std::optional<FilePath>& folder)
{
    MonthAmounts combined{};
    for (int item = 1; item <= kEscrowItems; ++item)
    {
        const MonthAmounts amounts = ReadScheduleAmounts(ScheduleFilePath(folder, item));
        for (int month = 0; month < kMonths; ++month)
            combined[month] = amounts[month] + combined[month];
    }
    return combined;
}

double MonthlyPayment(const MonthAmounts& combined)
{
    double total = 0;
    for (double amount : combined)
        total += amount;
    return total / 12;
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

EscrowFigures AnalyzeEscrow(const std::optional<FilePath>& folder, const EscrowInputs& inputs)
{
    EscrowFigures figures;
    const MonthAmounts combined = CombinedSchedule(folder);
    figures.monthlyPayment = MonthlyPayment(combined);
    figures.lowPoint = ProjectLowPoint(combined, figures.monthlyPayment,
                                       FirstPaymentMonthIndex(inputs.firstPaymentMonth));
    figures.cushion = ParseMoney(inputs.cushion);
    figures.initialBalance = figures.cushion - figures.lowPoint;
    figures.reserves = ReservesAtClosing(inputs);
    figures.adjustment = figures.initialBalance - figures.reserves;
    return figures;
}

std::string ResultText(const EscrowFigures& figures)
{
    return TwoDecimalText(figures.adjustment) + " = $" + TwoDecimalText(figures.initialBalance) +
           " - $" + TwoDecimalText(figures.reserves);
}

std::string ItemTotalText(const std::optional<FilePath>& scheduleFile)
{
    double total = 0;
    for (double amount : ReadScheduleAmounts(scheduleFile))
        total += amount;
    std::string text = "$" + TwoDecimalText(total);
    FormatMoney(text);
    return text;
}

std::string TwoMonthsCushionText(double monthlyPayment)
{
    return TwoDecimalText(2 * monthlyPayment);
}

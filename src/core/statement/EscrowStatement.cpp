#include "core/statement/EscrowStatement.h"

#include "core/closing/ClosingDate.h"
#include "core/escrow/ItemHeadings.h"
#include "core/escrow/Schedules.h"
#include "core/money/NumberFormat.h"
#include "core/statement/PrintableText.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace
{

const Money kZero{};

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsDigits(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The year of the first payment: one to four digits, white space around allowed.
std::optional<int> YearOf(const std::string& text)
{
    const std::string year = Trimmed(text);
    if (year.size() > 4 || !IsDigits(year))
        return std::nullopt;
    return std::stoi(year);
}

// Whether the first payment month text is a month's number: digits only, 1 to 12.
bool IsMonthNumber(const std::string& text)
{
    const std::string month = Trimmed(text);
    const int number = ParseWholeNumber(month);
    return IsDigits(month) && number >= 1 && number <= kMonths;
}

// The month monthsOn after the first payment's, named, with its year when there is one.
std::string MonthLabel(int firstMonthIndex, int monthsOn, const std::optional<int>& firstYear)
{
    const int month = firstMonthIndex + monthsOn;
    std::string label = MonthName(month % kMonths + 1);
    if (firstYear)
        label += " " + std::to_string(*firstYear + month / kMonths);
    return label;
}

// A number of months as the reserve line shows it: to two decimals, without trailing zeros.
std::string MonthsText(double months)
{
    std::string text = TwoDecimalText(months);
    if (text.find('.') != std::string::npos)
    {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

bool IsZero(const Money& money)
{
    return money.cents == 0;
}

// Whether the cushion passes one sixth of the year's disbursements (12 CFR 1024.17(c)(1)(i)): in
// cents, against that sixth rounded to the cent, so that the form's "two months" cushion of the
// same schedules never passes it.
bool CushionAboveCap(const Money& cushion, const Money& disbursed)
{
    if (cushion.cents && disbursed.cents)
    {
        const long long year = *disbursed.cents;
        const long long cap = year >= 0 ? (year + 3) / 6 : -((-year + 3) / 6);
        return *cushion.cents > cap;
    }
    return Dollars(cushion) > Dollars(disbursed) / 6;
}

// The amount to four decimals with "," between groups of three digits ("270.8333"): the twelfth
// the collected payment was rounded from.
std::string FourDecimalText(double amount)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.4f", amount);
    std::string text = buffer;
    const std::size_t digitsStart = text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    for (std::size_t at = point; at != std::string::npos && at > digitsStart + 3; at -= 3)
        text.insert(at - 3, ",");
    return text;
}

// Where the balance at the payment as collected leaves the cushion it was meant to reach: below
// it, or at its lowest above one sixth of the year's disbursements while the cushion itself is
// within that sixth. Empty when it does neither, or when a figure is beyond cents.
std::string CollectedPaymentShortfall(const EscrowStatement& statement, const Money& disbursed)
{
    if (!statement.lowPoint.cents || !statement.cushion.cents || !disbursed.cents)
        return "";
    if (IsBelow(statement.lowPoint, statement.cushion))
        return "the balance falls $" + MoneyText(statement.cushion - statement.lowPoint) +
               " below the cushion in " + statement.lowPointMonth;
    if (CushionAboveCap(statement.lowPoint, disbursed) &&
        !CushionAboveCap(statement.cushion, disbursed))
    {
        const long long year = *disbursed.cents;
        const Money sixth{year >= 0 ? (year + 3) / 6 : -((-year + 3) / 6), 0};
        return "the balance at its low point in " + statement.lowPointMonth + " lies $" +
               MoneyText(statement.lowPoint - sixth) +
               " above one sixth of the year's disbursements";
    }
    return "";
}

bool AllInCents(const EscrowStatement& statement)
{
    const auto inCents = [](const std::optional<Money>& money) { return !money || money->cents; };
    for (const Money& money :
         {statement.monthlyPayment, statement.cushion, statement.initialDeposit, statement.lowPoint,
          statement.aggregateAdjustment, statement.initialPaymentTotal})
        if (!money.cents)
            return false;
    for (const StatementRow& row : statement.rows)
        if (!inCents(row.toEscrow) || !inCents(row.fromEscrow) || !inCents(row.balance))
            return false;
    return std::all_of(statement.reserveLines.begin(), statement.reserveLines.end(),
                       [](const StatementLine& line) { return line.amount.cents.has_value(); });
}

} // namespace

EscrowStatement BuildStatement(const ItemSchedules& schedules, const EscrowInputs& inputs,
                               const std::string& firstPaymentYear)
{
    const MonthAmounts combined = CombinedSchedule(schedules);
    const EscrowFigures figures = AnalyzeEscrow(combined, inputs);
    const int firstMonth = FirstPaymentMonthIndex(inputs.firstPaymentMonth);
    const std::optional<int> year = YearOf(firstPaymentYear);

    EscrowStatement statement;
    statement.monthlyPayment = MoneyOf(figures.monthlyPayment);
    statement.cushion = MoneyOf(figures.cushion);
    statement.initialDeposit = MoneyOf(figures.initialBalance);
    statement.firstPayment = MonthLabel(firstMonth, 0, year);

    statement.rows.push_back({"At closing", "Initial deposit", statement.initialDeposit,
                              std::nullopt, statement.initialDeposit, false});
    Money balance = statement.initialDeposit;
    Money disbursed = kZero;
    std::array<bool, kEscrowItems> itemDisburses{};
    std::size_t lowRow = 0;
    for (int monthsOn = 0; monthsOn < kMonths; ++monthsOn)
    {
        const std::string label = MonthLabel(firstMonth, monthsOn, year);
        statement.rows.push_back({label, "Monthly escrow payment", statement.monthlyPayment,
                                  std::nullopt, std::nullopt, false});
        balance = balance + statement.monthlyPayment;
        for (int item = 0; item < kEscrowItems; ++item)
        {
            const Money bill = MoneyOf(schedules[item][(firstMonth + monthsOn) % kMonths]);
            if (IsZero(bill))
                continue;
            statement.rows.push_back(
                {"", kItemHeadings[item], std::nullopt, bill, std::nullopt, false});
            balance = balance - bill;
            disbursed = disbursed + bill;
            itemDisburses[item] = true;
        }
        statement.rows.back().balance = balance;
        if (monthsOn == 0 || IsBelow(balance, statement.lowPoint))
        {
            statement.lowPoint = balance;
            statement.lowPointMonth = label;
            lowRow = statement.rows.size() - 1;
        }
    }
    statement.rows[lowRow].lowPoint = true;

    Money reserves = kZero;
    std::vector<std::string> itemWarnings;
    for (int item = 0; item < kEscrowItems; ++item)
    {
        const double months = ParseMoney(inputs.reserveMonths[item]);
        const double deposit = ParseMoney(inputs.monthlyDeposits[item]);
        if (months == 0 && deposit == 0)
            continue;
        const Money amount = MoneyOf(months * deposit);
        statement.reserveLines.push_back({std::string(kItemHeadings[item]) + " $" +
                                              MoneyText(MoneyOf(deposit)) + " per month for " +
                                              MonthsText(months) + " mo.",
                                          amount, item + 1});
        reserves = reserves + amount;
        if (!IsZero(amount) && !itemDisburses[item])
            itemWarnings.push_back(std::string(kItemHeadings[item]) +
                                   " has reserves but no disbursement in the year.");
    }
    statement.aggregateAdjustment = MoneyOf(figures.adjustment);
    statement.initialPaymentTotal = reserves + statement.aggregateAdjustment;

    std::vector<std::string>& warnings = statement.warnings;
    // At the unrounded twelfth the form's initial balance brings the lowest month to the cushion,
    // but the borrower pays whole cents: say where that leaves the account, and what deposit the
    // whole-cent payment needs.
    const std::string shortfall =
        inputs.wholeCentPayment ? "" : CollectedPaymentShortfall(statement, disbursed);
    if (!shortfall.empty())
    {
        EscrowInputs wholeCents = inputs;
        wholeCents.wholeCentPayment = true;
        warnings.push_back(
            "At $" + MoneyText(statement.monthlyPayment) + " a month (one twelfth of $" +
            MoneyText(MoneyOf(AnnualTotal(combined))) + " is $" +
            FourDecimalText(figures.monthlyPayment) + "), " + shortfall +
            "; in whole cents the initial deposit is $" +
            MoneyText(MoneyOf(AnalyzeEscrow(combined, wholeCents).initialBalance)) + ".");
    }
    if (IsBelow(kZero, statement.aggregateAdjustment))
        warnings.push_back("The aggregate adjustment is above zero: the reserves collected are "
                           "less than the account needs.");
    if (CushionAboveCap(statement.cushion, disbursed))
        warnings.push_back("The cushion is more than one sixth of the year's disbursements.");
    warnings.insert(warnings.end(), itemWarnings.begin(), itemWarnings.end());
    if (!IsMonthNumber(inputs.firstPaymentMonth))
        warnings.push_back("The first payment month is not 1 to 12; the projection starts in " +
                           std::string(MonthName(firstMonth + 1)) + ".");
    if (!year && !Trimmed(firstPaymentYear).empty())
        warnings.push_back("The first payment year \"" + PrintableText(firstPaymentYear) +
                           "\" is not a year; the months are shown without one.");
    if (statement.initialPaymentTotal.cents && statement.initialDeposit.cents &&
        *statement.initialPaymentTotal.cents != *statement.initialDeposit.cents)
        warnings.push_back("The initial escrow payment lines add up to $" +
                           MoneyText(statement.initialPaymentTotal) +
                           ", not to the initial "
                           "deposit: each reserve line is rounded to the cent on its own.");
    if (!AllInCents(statement))
        warnings.push_back("Some figures are too large to count in cents; they show as on the "
                           "form (\"inf\", \"nan\") and may not add up.");
    return statement;
}

#include "core/statement/StatementCells.h"

namespace
{

std::string OptionalMoneyText(const std::optional<Money>& money)
{
    return money ? MoneyText(*money) : "";
}

std::string DollarText(const Money& money)
{
    return "$" + MoneyText(money);
}

} // namespace

RunningBalanceCells RunningBalanceHeadings()
{
    return {"Month", "Description", "To escrow", "From escrow", "Balance", ""};
}

RunningBalanceCells RunningBalanceRowCells(const StatementRow& row)
{
    return {row.when,
            row.description,
            OptionalMoneyText(row.toEscrow),
            OptionalMoneyText(row.fromEscrow),
            OptionalMoneyText(row.balance),
            row.lowPoint ? kLowPointNote : ""};
}

std::vector<LabelledCells> DetailCells(const EscrowStatement& statement)
{
    std::vector<LabelledCells> cells;
    for (const StatementDetail& detail : statement.details)
        for (std::size_t line = 0; line < detail.lines.size(); ++line)
            cells.push_back({line == 0 ? detail.label : "", detail.lines[line]});
    return cells;
}

std::vector<LabelledCells> HeadingCells(const EscrowStatement& statement)
{
    return {
        {"Monthly escrow payment", DollarText(statement.monthlyPayment)},
        {"Cushion", DollarText(statement.cushion)},
        {"Initial deposit", DollarText(statement.initialDeposit)},
        {"First payment", statement.firstPayment},
        {"Low point", DollarText(statement.lowPoint) + " in " + statement.lowPointMonth},
    };
}

std::vector<LabelledCells> InitialPaymentCells(const EscrowStatement& statement)
{
    std::vector<LabelledCells> cells;
    for (const StatementLine& line : statement.reserveLines)
        cells.push_back({line.text, MoneyText(line.amount)});
    cells.push_back({"Aggregate adjustment", MoneyText(statement.aggregateAdjustment)});
    cells.push_back({"Total", MoneyText(statement.initialPaymentTotal)});
    return cells;
}

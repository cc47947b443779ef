#include "core/statement/StatementText.h"

#include "core/statement/StatementCells.h"

namespace
{

template <typename Cells> std::string Line(const Cells& cells)
{
    std::size_t count = cells.size();
    while (count > 0 && cells[count - 1].empty())
        --count;
    std::string line;
    for (std::size_t i = 0; i < count; ++i)
        line += (i == 0 ? "" : "\t") + cells[i];
    return line + "\r\n";
}

} // namespace

std::string StatementText(const EscrowStatement& statement)
{
    std::string text = std::string(kStatementTitle) + "\r\n";
    for (const std::string& warning : statement.warnings)
        text += warning + "\r\n";
    text += "\r\n";
    if (!statement.details.empty())
    {
        for (const LabelledCells& cells : DetailCells(statement))
            text += Line(cells);
        text += "\r\n";
    }
    if (!statement.paymentSentence.empty())
        text += statement.paymentSentence + "\r\n\r\n";
    for (const LabelledCells& cells : HeadingCells(statement))
        text += Line(cells);
    text += "\r\n" + Line(RunningBalanceHeadings());
    for (const StatementRow& row : statement.rows)
        text += Line(RunningBalanceRowCells(row));
    text += "\r\n" + std::string(kInitialPaymentTitle) + "\r\n";
    for (const LabelledCells& cells : InitialPaymentCells(statement))
        text += Line(cells);
    return text;
}

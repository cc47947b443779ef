// Writes the saved statement's web page, as Save As... writes it, for each statement the browser
// test prints: AppendixE.html, Regulation X's example on one page; NamesTheLoan.html, the same with
// its loan named; and EveryMonth.html, every item paying every month, a running balance of 109
// rows that runs over several pages.
//   write_statement_pages FOLDER
#include "core/files/SafeSave.h"
#include "core/statement/StatementHtml.h"
#include "PrintedStatements.h"

#include <cstdio>
#include <string>

namespace
{

// Item N pays N x $25.00 every month of 2027, and a twelfth of the year's bills comes in each
// month: the balance stays at the initial deposit, $0.00, a low point from the first month on.
EscrowStatement EveryMonthStatement()
{
    ItemSchedules schedules{};
    for (int item = 0; item < kEscrowItems; ++item)
        schedules[item].fill(25.0 * (item + 1));
    EscrowInputs inputs;
    inputs.firstPaymentMonth = "1";
    inputs.cushion = "0";
    return BuildStatement(schedules, inputs, "2027");
}

bool WritePage(const FilePath& folder, const char* name, const EscrowStatement& statement)
{
    if (SaveFileSafely(folder / name, StatementHtmlDocument(statement)) == SaveFailure::None)
        return true;
    std::fprintf(stderr, "%s could not be written in %s\n", name, folder.string().c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: write_statement_pages FOLDER\n");
        return 2;
    }
    const FilePath folder = argv[1];
    const bool written =
        WritePage(folder, "AppendixE.html", PrintedStatements::AppendixEStatement()) &&
        WritePage(folder, "NamesTheLoan.html", PrintedStatements::NamedLoanStatement()) &&
        WritePage(folder, "EveryMonth.html", EveryMonthStatement());
    return written ? 0 : 1;
}

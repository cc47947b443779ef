#include "PrintedStatements.h"

#include "AppendixE.h"
#include "core/statement/NamedLoan.h"

namespace PrintedStatements
{

EscrowStatement AppendixEStatement()
{
    return BuildStatement(AppendixE::Schedules(), AppendixE::Inputs(), "2026");
}

EscrowStatement NamedLoanStatement()
{
    EscrowStatement statement = AppendixEStatement();
    NameTheLoan(statement,
                {"LN-2026-0042", u8"Jos\u00e9 N\u00fa\u00f1ez and Zo\u00eb \u00c6r\u00f8",
                 "221 Main Street\nSpringfield, IL 62701", "First Federal Savings", "2026-03-15",
                 "$1,182.10"},
                {2026, 3, 10});
    return statement;
}

} // namespace PrintedStatements

// The statements that both the printed pages (tests/print) and the saved page printed from a
// browser (tests/browser) put on paper, so that both are read back against the same expected texts
// (tests/print/appendix-e.txt and tests/print/names-the-loan.txt).
#pragma once

#include "core/statement/EscrowStatement.h"

namespace PrintedStatements
{
// Regulation X's example (AppendixE.h), the first payment in July 2026.
EscrowStatement AppendixEStatement();

// The same with the closing's details and its principal and interest: the loan named at the top,
// names beyond ASCII, an address of two lines, and the sentence of the monthly mortgage payment.
EscrowStatement NamedLoanStatement();
} // namespace PrintedStatements

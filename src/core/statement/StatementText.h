// The statement as plain text, for the clipboard: it reads as it is and pastes into a spreadsheet.
#pragma once

#include "core/statement/EscrowStatement.h"

#include <string>

// The title and the warnings, then the details that name the loan and the sentence of the monthly
// mortgage payment when the statement has them, the heading, the running balance and the initial
// escrow payment, each after an empty line; every line ends in CR LF. A line holds a label and its
// figure, or a table row, as cells separated by tabs; the empty cells at a line's end are left off.
std::string StatementText(const EscrowStatement& statement);

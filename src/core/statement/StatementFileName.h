// The name the statement's saved file is offered under.
#pragma once

#include "core/statement/EscrowStatement.h"

#include <string>

// "Escrow statement - LN-2026-0042.html" for a statement with a loan number, each character a
// file name cannot hold (\ / : * ? " < > | and control characters) made "-"; "Escrow
// statement.html" without one. UTF-8.
std::string StatementFileName(const EscrowStatement& statement);

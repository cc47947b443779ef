// The words and cell texts of the statement, as every rendering shows them: the plain text, the
// HTML, the statement window and the printed pages lay these cells out, and none of them formats
// a figure or writes a label of its own.
#pragma once

#include "core/statement/EscrowStatement.h"

#include <array>
#include <string>
#include <vector>

constexpr char kStatementTitle[] = "Initial escrow account statement";
constexpr char kInitialPaymentTitle[] = "Initial escrow payment at closing";
constexpr char kLowPointNote[] = "low point";

// The running balance has six columns: when, description, to escrow, from escrow, balance, and a
// note that marks the low point. The three amount columns are the ones a rendering aligns right.
constexpr int kRunningBalanceColumns = 6;
using RunningBalanceCells = std::array<std::string, kRunningBalanceColumns>;
constexpr RunningBalanceCells::size_type kFirstAmountColumn = 2;
constexpr RunningBalanceCells::size_type kLastAmountColumn = 4;

// The running balance's column headings.
RunningBalanceCells RunningBalanceHeadings();

// A row of the running balance: amounts without "$" ("1,040.00", "-90.00"), an empty cell where
// the row has no amount, and "low point" in the note of the low point's row.
RunningBalanceCells RunningBalanceRowCells(const StatementRow& row);

// A label and its text.
using LabelledCells = std::array<std::string, 2>;

// The details that name the loan, a line each: the label on a detail's first line, and an empty
// label on each further line of it (the property address's).
std::vector<LabelledCells> DetailCells(const EscrowStatement& statement);

// The heading: the monthly escrow payment, the cushion, the initial deposit (each as "$130.00"),
// the first payment ("July 2026") and the low point ("$260.00 in December 2026").
std::vector<LabelledCells> HeadingCells(const EscrowStatement& statement);

// The initial escrow payment: each reserve line, "Aggregate adjustment" and "Total", each with its
// amount without "$"; the amount is the cell a rendering aligns right.
std::vector<LabelledCells> InitialPaymentCells(const EscrowStatement& statement);

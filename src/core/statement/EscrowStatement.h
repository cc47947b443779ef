// The initial escrow account statement a borrower receives at settlement (Regulation X,
// 12 CFR 1024.17(g)): the form's figures, the account's first year month by month in whole cents,
// the payment into escrow at closing item by item, and warnings about the form. It holds figures
// and texts only; the statement window, the clipboard, the saved file and the printed pages all
// render this one model, so that no figure is worked out twice.
//
// A figure beyond the cents the statement counts in (an amount of some 1e300, an infinity) is held
// as the form holds it and shows as the form shows it ("inf", "nan", or all its digits); the
// statement then warns that its figures may not add up.
#pragma once

#include "core/escrow/EscrowAnalysis.h"
#include "core/money/Money.h"

#include <optional>
#include <string>
#include <vector>

// One row of the running balance.
struct StatementRow
{
    // "At closing"; the month ("July 2026") on the first row of each month, empty on its others.
    std::string when;
    // "Initial deposit", "Monthly escrow payment", or the heading of the item a bill is for.
    std::string description;
    std::optional<Money> toEscrow;
    std::optional<Money> fromEscrow;
    // The balance at closing, and after each month on the month's last row.
    std::optional<Money> balance;
    // The row of the lowest balance after a month: the first such month if it recurs.
    bool lowPoint = false;
};

// A line of the initial escrow payment, and its amount.
struct StatementLine
{
    std::string text;
    Money amount;
    int item = 0; // the escrow item (1 to 8) the line is for
};

// A detail that names the loan: its label and its text, on one line or on several (the property
// address).
struct StatementDetail
{
    std::string label;
    std::vector<std::string> lines;

    bool operator==(const StatementDetail& other) const
    {
        return label == other.label && lines == other.lines;
    }
};

struct EscrowStatement
{
    // One sentence each, shown before everything else.
    std::vector<std::string> warnings;

    // What names the loan, shown after the warnings and before the heading: the borrowers, the
    // property, the loan number, the lender, the closing date and the statement's date, each that
    // is given; then the sentence of the monthly mortgage payment, when its principal and
    // interest is given. All empty for a closing without details (see NamedLoan.h).
    std::vector<StatementDetail> details;
    std::string paymentSentence;
    // The loan number as the details show it, which also names the saved file; empty when none.
    std::string loanNumber;

    // The heading. The initial deposit is the initial balance the form shows; the first payment
    // is its month, with its year when the year text is one ("July 2026", or "July").
    Money monthlyPayment;
    Money cushion;
    Money initialDeposit;
    std::string firstPayment;
    Money lowPoint;
    std::string lowPointMonth;

    // "At closing" with the initial deposit, then twelve months from the first payment: each
    // month's payment, its bills item by item, and the balance after it.
    std::vector<StatementRow> rows;

    // The initial escrow payment: a line per item with reserve months or a deposit ("Hazard
    // insurance $50.00 per month for 4 mo."), the form's aggregate adjustment, and their total,
    // which is the initial deposit.
    std::vector<StatementLine> reserveLines;
    Money aggregateAdjustment;
    Money initialPaymentTotal;
};

// The statement of the form's inputs over the items' schedules. The first payment year is the
// text of its box: one to four digits; any other text leaves the months without a year.
EscrowStatement BuildStatement(const ItemSchedules& schedules, const EscrowInputs& inputs,
                               const std::string& firstPaymentYear);

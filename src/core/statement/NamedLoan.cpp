#include "core/statement/NamedLoan.h"

#include "core/money/NumberFormat.h"
#include "core/statement/PrintableText.h"

#include <algorithm>

namespace
{

// The text as one shown line: printable, without the spaces at its ends.
std::string ShownLine(const std::string& text)
{
    const std::string line = PrintableText(text);
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

// The shown lines of a text whose lines are separated by "\n"; blank lines are left out.
std::vector<std::string> ShownLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size())
    {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = ShownLine(text.substr(start, end - start));
        if (!line.empty())
            lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The closing date as a person reads it, or as typed when it is no date.
std::string ClosingDateText(const std::string& text)
{
    const std::optional<CalendarDate> date = ParseClosingDate(text);
    return date ? ReadableDate(*date) : ShownLine(text);
}

// Adds the detail with its lines; a detail without a line to show is left off.
void AddDetail(std::vector<StatementDetail>& details, const char* label,
               std::vector<std::string> lines)
{
    if (!lines.empty())
        details.push_back({label, std::move(lines)});
}

// Adds the detail of one line, unless the line is empty.
void AddDetail(std::vector<StatementDetail>& details, const char* label, const std::string& line)
{
    AddDetail(details, label, line.empty() ? std::vector<std::string>{} : std::vector{line});
}

// The monthly mortgage payment: the principal and interest as the form reads an amount, and the
// escrow payment the statement shows, each in cents, and their sum.
std::string PaymentSentence(const std::string& principalAndInterest, const Money& escrow)
{
    const Money loan = MoneyOf(ParseMoney(principalAndInterest));
    return "Your monthly mortgage payment for the coming year will be $" +
           MoneyText(loan + escrow) + ", of which $" + MoneyText(loan) +
           " will be for principal and interest and $" + MoneyText(escrow) +
           " will go into your escrow account.";
}

} // namespace

void NameTheLoan(EscrowStatement& statement, const ClosingDetails& details,
                 const CalendarDate& madeOn)
{
    statement.details.clear();
    statement.paymentSentence.clear();
    statement.loanNumber.clear();
    std::vector<StatementDetail> shown;
    const std::string loanNumber = ShownLine(details.loanNumber);
    AddDetail(shown, "Borrower(s)", ShownLine(details.borrowers));
    AddDetail(shown, "Property address", ShownLines(details.propertyAddress));
    AddDetail(shown, "Loan number", loanNumber);
    AddDetail(shown, "Lender or servicer", ShownLine(details.lender));
    AddDetail(shown, "Closing date", ClosingDateText(details.closingDate));
    const bool paymentGiven = !ShownLine(details.principalAndInterest).empty();
    if (shown.empty() && !paymentGiven)
        return;
    AddDetail(shown, "Statement date", ReadableDate(madeOn));
    statement.details = std::move(shown);
    statement.loanNumber = loanNumber;
    statement.paymentSentence =
        paymentGiven ? PaymentSentence(details.principalAndInterest, statement.monthlyPayment) : "";
}

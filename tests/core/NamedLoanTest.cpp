#include "core/statement/NamedLoan.h"

#include "AppendixE.h"
#include "core/statement/StatementHtml.h"
#include "core/statement/StatementText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

const CalendarDate kMadeOn{2026, 3, 10};

// A statement of one bill of `yearly` in June: its monthly escrow payment is a twelfth of it.
EscrowStatement StatementOfAYear(double yearly)
{
    ItemSchedules schedules{};
    schedules[0][5] = yearly;
    EscrowInputs inputs;
    inputs.firstPaymentMonth = "7";
    return BuildStatement(schedules, inputs, "2026");
}

ClosingDetails EveryDetail()
{
    return {"LN-2026-0042",
            "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1"
            "ez and Zo\xC3\xAB \xC3\x86r\xC3\xB8",
            "221 Main Street\r\n\nApartment 4B\nSpringfield, IL 62701\n",
            "First Federal Savings",
            "2026-03-15",
            "$1,182.10"};
}

TEST(NameTheLoan, PutsTheDetailsAndThePaymentSentenceOnTheStatement)
{
    const std::vector<StatementDetail> everyDetail{
        {"Borrower(s)",
         {"Jos\xC3\xA9 N\xC3\xBA\xC3\xB1"
          "ez and Zo\xC3\xAB \xC3\x86r\xC3\xB8"}},
        {"Property address", {"221 Main Street", "Apartment 4B", "Springfield, IL 62701"}},
        {"Loan number", {"LN-2026-0042"}},
        {"Lender or servicer", {"First Federal Savings"}},
        {"Closing date", {"March 15, 2026"}},
        {"Statement date", {"March 10, 2026"}},
    };
    const auto with = [](auto change) {
        ClosingDetails details = EveryDetail();
        change(details);
        return details;
    };
    const struct
    {
        const char* name;
        ClosingDetails details;
        double yearly;
        std::vector<StatementDetail> shown;
        std::string sentence;
        std::string loanNumber = "LN-2026-0042";
    } cases[] = {
        {"every detail", EveryDetail(), 3000, everyDetail,
         "Your monthly mortgage payment for the coming year will be $1,432.10, of which $1,182.10 "
         "will be for principal and interest and $250.00 will go into your escrow account."},
        // The escrow payment as shown (a twelfth of $1,000 is $83.33) and the principal and
        // interest in cents add up to the total shown, not the unrounded sum's $1,083.34.
        {"figures in cents", with([](ClosingDetails& d) { d.principalAndInterest = "1000.004"; }),
         1000, everyDetail,
         "Your monthly mortgage payment for the coming year will be $1,083.33, of which $1,000.00 "
         "will be for principal and interest and $83.33 will go into your escrow account."},
        {"no principal and interest",
         with([](ClosingDetails& d) { d.principalAndInterest = "  "; }), 3000, everyDetail, ""},
        {"the principal and interest alone",
         ClosingDetails{"", "", "", "", "", "950"},
         3000,
         {{"Statement date", {"March 10, 2026"}}},
         "Your monthly mortgage payment for the coming year will be $1,200.00, of which $950.00 "
         "will be for principal and interest and $250.00 will go into your escrow account.",
         ""},
        {"a date the calendar lacks, shown as typed",
         ClosingDetails{"7", "", "", "", "2026-02-30", ""},
         3000,
         {{"Loan number", {"7"}},
          {"Closing date", {"2026-02-30"}},
          {"Statement date", {"March 10, 2026"}}},
         "",
         "7"},
        {"a date in another form",
         ClosingDetails{"", "", "", "", " 15/03/2026\t", ""},
         3000,
         {{"Closing date", {"15/03/2026"}}, {"Statement date", {"March 10, 2026"}}},
         "",
         ""},
        // Control characters as spaces, a byte that is no UTF-8 as U+FFFD; no detail has a line
        // break of its own but the address.
        {"control characters and malformed bytes",
         ClosingDetails{"LN\t42\x01", "Ann\r\nBee\x7F", "\x1B[2J Main\xFF St", "", "", ""},
         3000,
         {{"Borrower(s)", {"Ann  Bee"}},
          {"Property address", {"[2J Main\xEF\xBF\xBD St"}},
          {"Loan number", {"LN 42"}},
          {"Statement date", {"March 10, 2026"}}},
         "",
         "LN 42"},
    };
    for (const auto& c : cases)
    {
        EscrowStatement statement = StatementOfAYear(c.yearly);
        NameTheLoan(statement, c.details, kMadeOn);
        EXPECT_EQ(statement.details, c.shown) << c.name;
        EXPECT_EQ(statement.paymentSentence, c.sentence) << c.name;
        EXPECT_EQ(statement.loanNumber, c.loanNumber) << c.name;
    }
}

// Details that are all blank add nothing: the statement renders byte for byte as one never named.
// Naming a statement again replaces what it showed.
TEST(NameTheLoan, BlankDetailsLeaveTheStatementAsBuilt)
{
    const EscrowStatement built =
        BuildStatement(AppendixE::Schedules(), AppendixE::Inputs(), "2026");
    for (const ClosingDetails& blank :
         {ClosingDetails{}, ClosingDetails{" ", "\t", "\n \n", " ", "", "  "}})
    {
        EscrowStatement statement = built;
        NameTheLoan(statement, EveryDetail(), kMadeOn);
        NameTheLoan(statement, blank, kMadeOn);
        EXPECT_TRUE(statement.details.empty());
        EXPECT_EQ(statement.paymentSentence, "");
        EXPECT_EQ(statement.loanNumber, "");
        EXPECT_EQ(StatementText(statement), StatementText(built));
        EXPECT_EQ(StatementHtmlDocument(statement), StatementHtmlDocument(built));
    }
}

} // namespace

#include "core/statement/ClipboardHtml.h"
#include "core/statement/NamedLoan.h"
#include "core/statement/StatementHtml.h"
#include "core/statement/StatementText.h"

#include "AppendixE.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

EscrowStatement AppendixEStatement(const std::string& year = "2026")
{
    return BuildStatement(AppendixE::Schedules(), AppendixE::Inputs(), year);
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(StatementText, ReadsAsLinesOfTabSeparatedCells)
{
    EXPECT_EQ(StatementText(AppendixEStatement()),
              "Initial escrow account statement\r\n"
              "\r\n"
              "Monthly escrow payment\t$130.00\r\n"
              "Cushion\t$260.00\r\n"
              "Initial deposit\t$1,040.00\r\n"
              "First payment\tJuly 2026\r\n"
              "Low point\t$260.00 in December 2026\r\n"
              "\r\n"
              "Month\tDescription\tTo escrow\tFrom escrow\tBalance\r\n"
              "At closing\tInitial deposit\t1,040.00\t\t1,040.00\r\n"
              "July 2026\tMonthly escrow payment\t130.00\r\n"
              "\tCounty property taxes\t\t500.00\t670.00\r\n"
              "August 2026\tMonthly escrow payment\t130.00\t\t800.00\r\n"
              "September 2026\tMonthly escrow payment\t130.00\r\n"
              "\tOther\t\t360.00\t570.00\r\n"
              "October 2026\tMonthly escrow payment\t130.00\t\t700.00\r\n"
              "November 2026\tMonthly escrow payment\t130.00\t\t830.00\r\n"
              "December 2026\tMonthly escrow payment\t130.00\r\n"
              "\tCounty property taxes\t\t700.00\t260.00\tlow point\r\n"
              "January 2027\tMonthly escrow payment\t130.00\t\t390.00\r\n"
              "February 2027\tMonthly escrow payment\t130.00\t\t520.00\r\n"
              "March 2027\tMonthly escrow payment\t130.00\t\t650.00\r\n"
              "April 2027\tMonthly escrow payment\t130.00\t\t780.00\r\n"
              "May 2027\tMonthly escrow payment\t130.00\t\t910.00\r\n"
              "June 2027\tMonthly escrow payment\t130.00\t\t1,040.00\r\n"
              "\r\n"
              "Initial escrow payment at closing\r\n"
              "County property taxes $100.00 per month for 8 mo.\t800.00\r\n"
              "Other $30.00 per month for 11 mo.\t330.00\r\n"
              "Aggregate adjustment\t-90.00\r\n"
              "Total\t1,040.00\r\n");
}

TEST(StatementText, WarningsComeRightAfterTheTitle)
{
    EscrowInputs inputs = AppendixE::Inputs();
    inputs.reserveMonths = {};
    inputs.firstPaymentMonth = "7th";
    const std::string text = StatementText(BuildStatement(AppendixE::Schedules(), inputs, ""));
    EXPECT_EQ(text.substr(0, text.find("Monthly escrow payment\t")),
              "Initial escrow account statement\r\n"
              "The aggregate adjustment is above zero: the reserves collected are less than the "
              "account needs.\r\n"
              "The first payment month is not 1 to 12; the projection starts in July.\r\n"
              "\r\n");
    EXPECT_NE(text.find("\r\nDecember\tMonthly escrow payment\t130.00\r\n"
                        "\tCounty property taxes\t\t700.00\t260.00\tlow point\r\n"),
              std::string::npos);
}

// The details that name the loan come after the warnings, a line each (the address's further lines
// under an empty label), then the payment's sentence on its own, then the heading as before.
TEST(StatementText, NamesTheLoanBeforeTheHeading)
{
    EscrowInputs inputs = AppendixE::Inputs();
    inputs.firstPaymentMonth = "13";
    EscrowStatement statement = BuildStatement(AppendixE::Schedules(), inputs, "2026");
    NameTheLoan(
        statement,
        {"LN-7", "Zo\xC3\xAB \xC3\x86r\xC3\xB8", "1 Elm Row\nKent", "Bank", "2026-05-04", "1,000"},
        {2026, 4, 30});
    const std::string text = StatementText(statement);
    EXPECT_EQ(text.substr(0, text.find("Cushion\t")),
              "Initial escrow account statement\r\n"
              "The first payment month is not 1 to 12; the projection starts in January.\r\n"
              "\r\n"
              "Borrower(s)\tZo\xC3\xAB \xC3\x86r\xC3\xB8\r\n"
              "Property address\t1 Elm Row\r\n"
              "\tKent\r\n"
              "Loan number\tLN-7\r\n"
              "Lender or servicer\tBank\r\n"
              "Closing date\tMay 4, 2026\r\n"
              "Statement date\tApril 30, 2026\r\n"
              "\r\n"
              "Your monthly mortgage payment for the coming year will be $1,130.00, of which "
              "$1,000.00 will be for principal and interest and $130.00 will go into your escrow "
              "account.\r\n"
              "\r\n"
              "Monthly escrow payment\t$130.00\r\n");
}

// Every detail a user types is text in the HTML, whatever characters it holds; a detail of several
// lines is one cell.
TEST(StatementHtml, EscapesTheDetails)
{
    EscrowStatement statement = AppendixEStatement();
    NameTheLoan(statement,
                {"<b>1</b>", "<script>alert(1)</script>", "'Rose' Cottage\n\x01<br>Lane & Co",
                 "\"Q&A\" Bank\x0B", "", "1"},
                {2026, 4, 30});
    const std::string html = StatementHtmlDocument(statement);
    EXPECT_EQ(Count(html, "<script"), 0u);
    EXPECT_EQ(Count(html, "<b>"), 0u);
    EXPECT_EQ(html.find_first_of(std::string("\x01\x0B", 2)), std::string::npos);
    const std::string cell =
        "<td style=\"border:1px solid #808080;padding:1pt 6pt;text-align:left\">";
    for (const std::string& row : {
             ">Borrower(s)</th>" + cell + "&lt;script&gt;alert(1)&lt;/script&gt;</td></tr>\r\n",
             ">Property address</th>" + cell +
                 "&#39;Rose&#39; Cottage<br>&lt;br&gt;Lane &amp; Co</td>",
             ">Loan number</th>" + cell + "&lt;b&gt;1&lt;/b&gt;</td>",
             ">Lender or servicer</th>" + cell + "&quot;Q&amp;A&quot; Bank</td>",
         })
        EXPECT_EQ(Count(html, row), 1u) << row;
    EXPECT_EQ(Count(html,
                    "<p style=\"margin:0 0 6pt\">Your monthly mortgage payment for the coming "
                    "year will be $131.00, of which $1.00 will be for principal and interest "
                    "and $130.00 will go into your escrow account.</p>"),
              1u);
}

// The year is the one text of the form's boxes that a statement may show: in a warning, quoted.
TEST(StatementHtml, EscapesTheTypedYear)
{
    const std::string hostile = "</td><script>alert('x&y')</script>\"";
    const EscrowStatement statement = AppendixEStatement(hostile);
    const std::string escaped =
        "&lt;/td&gt;&lt;script&gt;alert(&#39;x&amp;y&#39;)&lt;/script&gt;&quot;";
    for (const std::string& html :
         {StatementHtmlFragment(statement), StatementHtmlDocument(statement)})
    {
        EXPECT_EQ(Count(html, "<script"), 0u);
        EXPECT_EQ(Count(html, "The first payment year &quot;" + escaped + "&quot; is not a year"),
                  1u);
    }
}

TEST(StatementHtml, TheDocumentIsTheFragmentInAPageOfItsOwn)
{
    const EscrowStatement statement = AppendixEStatement();
    const std::string fragment = StatementHtmlFragment(statement);
    const std::string document = StatementHtmlDocument(statement);
    EXPECT_EQ(document.rfind("<!DOCTYPE html>\r\n<html lang=\"en\">\r\n<head>\r\n"
                             "<meta charset=\"utf-8\">\r\n",
                             0),
              0u);
    EXPECT_NE(document.find("<body>\r\n" + fragment + "\r\n</body>\r\n</html>\r\n"),
              std::string::npos);
    // The styles the fragment needs stand on its own elements, so it looks the same pasted.
    EXPECT_EQ(Count(fragment, "<style"), 0u);

    // One row a line of the heading, the column headings, a row of the running balance and a line
    // of the initial escrow payment; the low point's row in bold.
    EXPECT_EQ(Count(fragment, "<tr"), 5 + 1 + statement.rows.size() + 4);
    EXPECT_EQ(Count(fragment, "<tr style=\"font-weight:bold\">"), 1u);
    const std::size_t lowRow = fragment.find("<tr style=\"font-weight:bold\">");
    const std::string row = fragment.substr(lowRow, fragment.find("</tr>", lowRow) - lowRow);
    EXPECT_NE(row.find(">County property taxes<"), std::string::npos);
    EXPECT_NE(row.find(">260.00<"), std::string::npos);
    EXPECT_NE(row.find(">low point<"), std::string::npos);
}

// Reads the ten digits after "Name:" at the start of a header line.
std::size_t HeaderOffset(const std::string& clipboard, const std::string& name)
{
    const std::size_t at = clipboard.find("\r\n" + name + ":");
    EXPECT_NE(at, std::string::npos) << name;
    const std::string digits = clipboard.substr(at + name.size() + 3, 12);
    EXPECT_EQ(digits.substr(10), "\r\n") << name;
    return std::stoul(digits.substr(0, 10));
}

TEST(StatementClipboardHtml, OffsetsPointAtWhatTheyName)
{
    for (const std::string& fragment :
         {std::string(), std::string("<b>caf\xC3\xA9 \xE2\x82\xAC</b>"),
          StatementHtmlFragment(AppendixEStatement())})
    {
        const std::string clipboard = ClipboardHtml(fragment);
        EXPECT_EQ(clipboard.rfind("Version:0.9\r\nStartHTML:", 0), 0u);
        const std::size_t startHtml = HeaderOffset(clipboard, "StartHTML");
        const std::size_t endHtml = HeaderOffset(clipboard, "EndHTML");
        const std::size_t startFragment = HeaderOffset(clipboard, "StartFragment");
        const std::size_t endFragment = HeaderOffset(clipboard, "EndFragment");

        EXPECT_EQ(clipboard.substr(startHtml, 6), "<html>");
        EXPECT_EQ(clipboard.find('<'), startHtml);
        EXPECT_EQ(endHtml, clipboard.size());
        EXPECT_EQ(clipboard.substr(endHtml - 9), "</html>\r\n");
        ASSERT_LE(startFragment, endFragment);
        EXPECT_EQ(clipboard.substr(startFragment, endFragment - startFragment), fragment);
        const std::string start = "<!--StartFragment-->";
        EXPECT_EQ(clipboard.substr(startFragment - start.size(), start.size()), start);
        EXPECT_EQ(clipboard.substr(endFragment, 18), "<!--EndFragment-->");
    }
}

} // namespace

#include "core/statement/EscrowStatement.h"

#include "AppendixE.h"
#include "core/statement/StatementCells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace
{

using AppendixE::kCounty;
using AppendixE::kSchool;

// Each month's label and the balance after it, in cents.
std::vector<std::pair<std::string, long long>> MonthEndBalances(const EscrowStatement& statement)
{
    std::vector<std::pair<std::string, long long>> balances;
    std::string month;
    for (std::size_t i = 1; i < statement.rows.size(); ++i)
    {
        const StatementRow& row = statement.rows[i];
        month = row.when.empty() ? month : row.when;
        if (row.balance)
            balances.emplace_back(month, row.balance->cents.value_or(-1));
    }
    return balances;
}

TEST(EscrowStatement, AppendixEComesOutToTheCent)
{
    const EscrowStatement statement =
        BuildStatement(AppendixE::Schedules(), AppendixE::Inputs(), "2026");

    EXPECT_EQ(statement.warnings, std::vector<std::string>{});
    EXPECT_EQ(statement.monthlyPayment.cents, 13000);
    EXPECT_EQ(statement.cushion.cents, 26000);
    EXPECT_EQ(statement.initialDeposit.cents, 104000);
    EXPECT_EQ(statement.firstPayment, "July 2026");
    EXPECT_EQ(statement.lowPoint.cents, 26000);
    EXPECT_EQ(statement.lowPointMonth, "December 2026");

    const StatementRow& closing = statement.rows.front();
    EXPECT_EQ(closing.when, "At closing");
    EXPECT_EQ(closing.toEscrow->cents, 104000);
    EXPECT_EQ(closing.balance->cents, 104000);

    const std::vector<std::pair<std::string, long long>> expected{
        {"July 2026", 67000},    {"August 2026", 80000},   {"September 2026", 57000},
        {"October 2026", 70000}, {"November 2026", 83000}, {"December 2026", 26000},
        {"January 2027", 39000}, {"February 2027", 52000}, {"March 2027", 65000},
        {"April 2027", 78000},   {"May 2027", 91000},      {"June 2027", 104000},
    };
    EXPECT_EQ(MonthEndBalances(statement), expected);

    // The low point is marked on December's last row, the county's bill, and nowhere else.
    int marked = 0;
    for (const StatementRow& row : statement.rows)
        marked += row.lowPoint ? 1 : 0;
    EXPECT_EQ(marked, 1);
    const auto december = std::find_if(statement.rows.begin(), statement.rows.end(),
                                       [](const StatementRow& row) { return row.lowPoint; });
    ASSERT_NE(december, statement.rows.end());
    EXPECT_EQ(
        RunningBalanceRowCells(*december),
        (RunningBalanceCells{"", "County property taxes", "", "700.00", "260.00", "low point"}));
    EXPECT_EQ(
        RunningBalanceRowCells(*(december - 1)),
        (RunningBalanceCells{"December 2026", "Monthly escrow payment", "130.00", "", "", ""}));

    ASSERT_EQ(statement.reserveLines.size(), 2u);
    EXPECT_EQ(statement.reserveLines[0].text, "County property taxes $100.00 per month for 8 mo.");
    EXPECT_EQ(statement.reserveLines[0].amount.cents, 80000);
    EXPECT_EQ(statement.reserveLines[1].text, "Other $30.00 per month for 11 mo.");
    EXPECT_EQ(statement.reserveLines[1].amount.cents, 33000);
    EXPECT_EQ(statement.aggregateAdjustment.cents, -9000);
    EXPECT_EQ(statement.initialPaymentTotal.cents, 104000);
}

TEST(EscrowStatement, MonthsCountOnFromTheFirstPaymentPastDecember)
{
    const ItemSchedules schedules{};
    const struct
    {
        std::string month;
        std::string year;
        std::string first;
        std::string second;
        std::string last;
    } cases[] = {
        {"12", "2026", "December 2026", "January 2027", "November 2027"},
        {"12", " 2026 ", "December 2026", "January 2027", "November 2027"},
        {"12", "9999", "December 9999", "January 10000", "November 10000"},
        {"1", "2026", "January 2026", "February 2026", "December 2026"},
        {"12", "", "December", "January", "November"},
        {"12", "26", "December 26", "January 27", "November 27"},
        {"12", "2026x", "December", "January", "November"},
        {"12", "20266", "December", "January", "November"},
        {"12", "-2026", "December", "January", "November"},
    };
    for (const auto& c : cases)
    {
        EscrowInputs inputs;
        inputs.firstPaymentMonth = c.month;
        const EscrowStatement statement = BuildStatement(schedules, inputs, c.year);
        // With nothing to disburse, a month is its payment's row alone.
        ASSERT_EQ(statement.rows.size(), 13u) << c.year;
        EXPECT_EQ(statement.firstPayment, c.first) << c.year;
        EXPECT_EQ(statement.rows[1].when, c.first) << c.year;
        EXPECT_EQ(statement.rows[2].when, c.second) << c.year;
        EXPECT_EQ(statement.rows[12].when, c.last) << c.year;
        // Every balance is zero: the low point is the first month's.
        EXPECT_EQ(statement.lowPointMonth, c.first) << c.year;
        EXPECT_TRUE(statement.rows[1].lowPoint) << c.year;
    }
}

// Two items pay out in the same month: each bill is a row of its own, in item order whatever
// their amounts, and the month's balance stands on its last row.
TEST(EscrowStatement, BillsOfOneMonthAreRowsInItemOrder)
{
    ItemSchedules schedules{};
    schedules[7][2] = 50;     // "Other", item 8
    schedules[0][2] = 600;    // "Hazard insurance"
    schedules[2][2] = 400.25; // "City property taxes"
    schedules[2][5] = 0.004;  // rounds to no cent: no row
    EscrowInputs inputs;
    inputs.firstPaymentMonth = "3";
    const EscrowStatement statement = BuildStatement(schedules, inputs, "2026");

    // A twelfth of $1,050.254 is $87.52 as the form shows it; the account starts with the
    // $1,050.25 - $87.52 it lacks after March.
    EXPECT_EQ(statement.initialDeposit.cents, 96273);
    const std::vector<RunningBalanceCells> march{
        {"At closing", "Initial deposit", "962.73", "", "962.73", ""},
        {"March 2026", "Monthly escrow payment", "87.52", "", "", ""},
        {"", "Hazard insurance", "", "600.00", "", ""},
        {"", "City property taxes", "", "400.25", "", ""},
        {"", "Other", "", "50.00", "0.00", "low point"},
        {"April 2026", "Monthly escrow payment", "87.52", "", "87.52", ""},
    };
    for (std::size_t i = 0; i < march.size(); ++i)
        EXPECT_EQ(RunningBalanceRowCells(statement.rows[i]), march[i]) << i;
    // The bill of less than half a cent in June makes no row; eleven payments after March bring
    // the balance to eleven times $87.52.
    EXPECT_EQ(statement.rows.size(), 1u + 12u + 3u);
    EXPECT_EQ(statement.rows.back().balance->cents, 11 * 8752);
}

// Each warning from the form it is about: Appendix E's inputs, one thing changed.
TEST(EscrowStatement, WarnsOfWhatTheFormGetsWrong)
{
    const std::string positive = "The aggregate adjustment is above zero: the reserves collected "
                                 "are less than the account needs.";
    const std::string cushion = "The cushion is more than one sixth of the year's disbursements.";
    const struct
    {
        const char* change;
        std::function<void(EscrowInputs&, std::string&)> apply;
        std::vector<std::string> warnings;
    } cases[] = {
        {"none", [](EscrowInputs&, std::string&) {}, {}},
        {"no reserves",
         [](EscrowInputs& inputs, std::string&) {
             inputs.reserveMonths = {};
             inputs.monthlyDeposits = {};
         },
         {positive}},
        {"a cushion of one sixth and a cent",
         [](EscrowInputs& inputs, std::string&) { inputs.cushion = "$260.01"; },
         {cushion}},
        {"reserves for an item that pays nothing",
         [](EscrowInputs& inputs, std::string&) {
             inputs.reserveMonths[0] = "2";
             inputs.monthlyDeposits[0] = "50";
         },
         {"Hazard insurance has reserves but no disbursement in the year."}},
        {"months but no deposit for an item that pays nothing",
         [](EscrowInputs& inputs, std::string&) { inputs.reserveMonths[0] = "2"; },
         {}},
        {"month 13",
         [](EscrowInputs& inputs, std::string&) { inputs.firstPaymentMonth = "13"; },
         {"The first payment month is not 1 to 12; the projection starts in January."}},
        {"month 0",
         [](EscrowInputs& inputs, std::string&) { inputs.firstPaymentMonth = "0"; },
         {"The first payment month is not 1 to 12; the projection starts in December."}},
        {"month \"7th\"",
         [](EscrowInputs& inputs, std::string&) { inputs.firstPaymentMonth = "7th"; },
         {"The first payment month is not 1 to 12; the projection starts in July."}},
        {"month \" 7 \"",
         [](EscrowInputs& inputs, std::string&) { inputs.firstPaymentMonth = " 7 "; },
         {}},
        {"year \"20x6\"",
         [](EscrowInputs&, std::string& year) { year = "20x6"; },
         {"The first payment year \"20x6\" is not a year; the months are shown without one."}},
        {"no year", [](EscrowInputs&, std::string& year) { year = " "; }, {}},
        // Half a month of a cent for two items: each line shows a cent, the form's reserves, added
        // first and rounded once, a cent in all.
        {"reserves in fractions of a cent",
         [](EscrowInputs& inputs, std::string&) {
             inputs.reserveMonths = {};
             inputs.monthlyDeposits = {};
             for (const int item : {kCounty, kSchool})
             {
                 inputs.reserveMonths[item] = "0.5";
                 inputs.monthlyDeposits[item] = "0.01";
             }
         },
         {positive,
          "The initial escrow payment lines add up to $1,040.01, not to the initial deposit: "
          "each reserve line is rounded to the cent on its own."}},
    };
    for (const auto& c : cases)
    {
        EscrowInputs inputs = AppendixE::Inputs();
        std::string year = "2026";
        c.apply(inputs, year);
        EXPECT_EQ(BuildStatement(AppendixE::Schedules(), inputs, year).warnings, c.warnings)
            << c.change;
    }
}

// The cap on the cushion is one sixth of the year's bills, rounded to the cent: the form's "two
// months" cushion of the same bills never passes it.
TEST(EscrowStatement, TheCushionCapIsOneSixthOfTheYearToTheCent)
{
    const auto warns = [](double year, const std::string& cushion) {
        ItemSchedules schedules{};
        schedules[0][0] = year;
        EscrowInputs inputs;
        inputs.firstPaymentMonth = "1";
        inputs.cushion = cushion;
        const std::vector<std::string> warnings = BuildStatement(schedules, inputs, "").warnings;
        return std::count(warnings.begin(), warnings.end(),
                          "The cushion is more than one sixth of the year's disbursements.") == 1;
    };
    const struct
    {
        double year;
        std::string cushion;
        bool above;
    } cases[] = {
        {1200, "200.00", false},   {1200, "200.01", true},     {1000.01, "166.67", false},
        {1000.01, "166.68", true}, {1000.03, "166.67", false}, {1000.03, "166.68", true},
        {0.03, "0.01", false},     {0.03, "0.02", true},       {0, "0.01", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(warns(c.year, c.cushion), c.above) << c.year << " " << c.cushion;
    for (const double year : {1200.0, 1000.01, 1000.03, 1000.05, 1234.56, 0.03, 0.09})
        EXPECT_FALSE(warns(year, TwoMonthsCushionText(year / 12))) << year;
}

// Amounts beyond the cents the statement counts in show as the form shows them, and the statement
// says so; nothing is read into an integer that cannot hold it.
TEST(EscrowStatement, FiguresBeyondCentsShowAsOnTheForm)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::string beyond = "Some figures are too large to count in cents; they show as on "
                               "the form (\"inf\", \"nan\") and may not add up.";
    const auto hasWarning = [&](const EscrowStatement& statement) {
        return std::count(statement.warnings.begin(), statement.warnings.end(), beyond) == 1;
    };

    // A bill of infinity: the payment is infinite and the balances are no number.
    ItemSchedules schedules{};
    schedules[kCounty][8] = inf;
    EscrowInputs inputs;
    inputs.firstPaymentMonth = "7";
    EscrowStatement statement = BuildStatement(schedules, inputs, "2026");
    EXPECT_TRUE(hasWarning(statement));
    EXPECT_EQ(MoneyText(statement.monthlyPayment), "inf");
    EXPECT_EQ(MoneyText(statement.initialDeposit), "nan");
    EXPECT_EQ(RunningBalanceRowCells(statement.rows[4]),
              (RunningBalanceCells{"", "County property taxes", "", "inf", "nan", ""}));

    // A bill below the range, and one far past ninety trillion dollars.
    schedules[kCounty][8] = -inf;
    EXPECT_EQ(MoneyText(BuildStatement(schedules, inputs, "").monthlyPayment), "-inf");
    schedules[kCounty][8] = 1.2e300;
    statement = BuildStatement(schedules, inputs, "");
    EXPECT_TRUE(hasWarning(statement));
    const std::string payment = MoneyText(statement.monthlyPayment);
    EXPECT_GT(payment.size(), 300u);
    EXPECT_EQ(payment.substr(payment.size() - 3), ".00");

    // An infinite deposit and an infinite cushion.
    inputs.reserveMonths[0] = "2";
    inputs.monthlyDeposits[0] = "1e999";
    inputs.cushion = "1e400";
    statement = BuildStatement(ItemSchedules{}, inputs, "");
    EXPECT_TRUE(hasWarning(statement));
    EXPECT_EQ(statement.reserveLines.at(0).text, "Hazard insurance $inf per month for 2 mo.");
    EXPECT_EQ(MoneyText(statement.reserveLines.at(0).amount), "inf");
    EXPECT_EQ(MoneyText(statement.initialDeposit), "inf");
    EXPECT_EQ(MoneyText(statement.rows.back().balance.value()), "inf");

    // Within the cents, even at ninety trillion dollars, there is no such warning.
    schedules = {};
    schedules[0][0] = 90071992547409.92;
    inputs = {};
    inputs.firstPaymentMonth = "1";
    statement = BuildStatement(schedules, inputs, "");
    EXPECT_FALSE(hasWarning(statement));
    EXPECT_EQ(MoneyText(statement.rows.at(2).fromEscrow.value()), "90,071,992,547,409.92");
}

// The borrower pays whole cents. At the collected payment the balance of these forms leaves the
// cushion by a cent: the statement says where, by how much and what deposit fits, and with the
// whole-cent payment the low point is the cushion exactly and nothing is said.
TEST(EscrowStatement, ThePaymentAsCollectedIsWarnedOfUntilItIsTheAnalysisPayment)
{
    struct Bill
    {
        int item;  // 0 to 7
        int month; // 0 = January
        double amount;
    };
    const struct
    {
        const char* what;
        std::vector<Bill> bills;
        const char* firstPaymentMonth;
        bool twoMonths;
        const char* warning;
        long long wholeCentDeposit;
        const char* wholeCentLowPointMonth;
    } cases[] = {
        {"falls below a zero cushion",
         {{0, 4, 710}, {3, 3, 540}, {5, 7, 2000}},
         "6",
         false,
         "At $270.83 a month (one twelfth of $3,250.00 is $270.8333), the balance falls $0.01 "
         "below the cushion in August 2026; in whole cents the initial deposit is $1,187.51.",
         118751,
         "August 2026"},
        {"stays above one sixth with a two months' cushion",
         {{2, 5, 625.31},
          {2, 11, 625.31},
          {4, 3, 657.83},
          {4, 9, 657.83},
          {6, 5, 346.46},
          {6, 11, 346.45}},
         "1",
         true,
         "At $271.60 a month (one twelfth of $3,259.19 is $271.5992), the balance at its low "
         "point in June 2026 lies $0.01 above one sixth of the year's disbursements; in whole "
         "cents the initial deposit is $543.19.",
         54319,
         "June 2026"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        ItemSchedules schedules{};
        for (const Bill& bill : c.bills)
            schedules[bill.item][bill.month] = bill.amount;
        EscrowInputs inputs;
        inputs.firstPaymentMonth = c.firstPaymentMonth;
        inputs.twoMonths = c.twoMonths;

        const EscrowStatement atTheTwelfth = BuildStatement(schedules, inputs, "2026");
        ASSERT_FALSE(atTheTwelfth.warnings.empty());
        EXPECT_EQ(atTheTwelfth.warnings.front(), c.warning);

        inputs.wholeCentPayment = true;
        const EscrowStatement inWholeCents = BuildStatement(schedules, inputs, "2026");
        EXPECT_EQ(inWholeCents.initialDeposit.cents, c.wholeCentDeposit);
        EXPECT_EQ(inWholeCents.lowPoint.cents, inWholeCents.cushion.cents);
        EXPECT_EQ(inWholeCents.lowPointMonth, c.wholeCentLowPointMonth);
        for (const std::string& warning : inWholeCents.warnings)
            EXPECT_EQ(warning.find("At $"), std::string::npos) << warning;
    }
}

} // namespace

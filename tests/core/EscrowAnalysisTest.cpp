#include "core/EscrowAnalysis.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// A working folder with schedule files written as the schedule dialog would store them.
class EscrowAnalysisTest : public ::testing::Test
{
protected:
    void WriteSchedule(int item, const std::vector<std::string>& months)
    {
        std::string bytes;
        for (const std::string& month : months)
            bytes += month + "\r\n";
        WriteBytes(folder / ScheduleFileName(item), bytes);
    }

    // The worked example: hazard insurance 600.00 in March (a three-line file), mortgage
    // insurance 1200 in June and $1,200.00 in December; items 1 and 2 reserved 4 x $50.00 and
    // 6 x $200.00; first payment in May.
    EscrowInputs WorkedExample()
    {
        WriteSchedule(1, {"", "", "600.00"});
        WriteSchedule(2, {"", "", "", "", "", "1200", "", "", "", "", "", "$1,200.00"});
        EscrowInputs inputs;
        inputs.reserveMonths[0] = "4";
        inputs.monthlyDeposits[0] = "$50.00";
        inputs.reserveMonths[1] = "6";
        inputs.monthlyDeposits[1] = "$200.00";
        inputs.firstPaymentMonth = "05";
        return inputs;
    }

    TempFolder temp;
    FilePath folder = temp.Path();
};

TEST_F(EscrowAnalysisTest, WorkedExampleComesOutExactly)
{
    EscrowInputs inputs = WorkedExample();
    const MonthAmounts combined = CombinedSchedule(folder);
    EXPECT_EQ(combined, (MonthAmounts{0, 0, 600, 0, 0, 1200, 0, 0, 0, 0, 0, 1200}));
    EXPECT_EQ(MonthlyPayment(combined), 250);

    inputs.cushion = TwoMonthsCushionText(MonthlyPayment(combined));
    EXPECT_EQ(inputs.cushion, "500.00");

    const EscrowFigures figures = AnalyzeEscrow(folder, inputs);
    EXPECT_EQ(figures.monthlyPayment, 250);
    EXPECT_EQ(figures.lowPoint, -700);
    EXPECT_EQ(figures.initialBalance, 1200);
    EXPECT_EQ(figures.reserves, 1400);
    EXPECT_EQ(figures.adjustment, -200);
    EXPECT_EQ(ResultText(figures), "-200.00 = $1200.00 - $1400.00");
    EXPECT_EQ(ItemTotalText(folder / "part1.txt"), "$600.00");
    EXPECT_EQ(ItemTotalText(folder / "part2.txt"), "$2,400.00");

    // The six missing schedule files are left behind empty, and still count 0.
    for (int item = 3; item <= 8; ++item)
        EXPECT_EQ(std::filesystem::file_size(folder / ScheduleFileName(item)), 0u) << item;
    EXPECT_EQ(ResultText(AnalyzeEscrow(folder, inputs)), "-200.00 = $1200.00 - $1400.00");
}

TEST_F(EscrowAnalysisTest, NoSchedulesLeaveTheCushionAsInitialBalance)
{
    EscrowInputs inputs;
    inputs.reserveMonths[0] = "4";
    inputs.monthlyDeposits[0] = "50";
    EscrowFigures figures = AnalyzeEscrow(folder, inputs);
    EXPECT_EQ(figures.monthlyPayment, 0);
    EXPECT_EQ(figures.lowPoint, 0);
    EXPECT_EQ(ResultText(figures), "-200.00 = $0.00 - $200.00");

    inputs.cushion = "300";
    figures = AnalyzeEscrow(folder, inputs);
    EXPECT_EQ(figures.initialBalance, 300);
}

TEST_F(EscrowAnalysisTest, ProjectionStartsInTheFirstPaymentMonthAndWraps)
{
    // January alone disburses 1200; the payment is 100 a month.
    MonthAmounts combined{};
    combined[0] = 1200;
    const struct
    {
        std::string month;
        double low;
    } cases[] = {
        {"1", -1100}, {"01", -1100}, {"13", -1100}, {"12", -1000}, {"2", 0},
        {"0", -1000}, {"", -1000},   {"-1", -900},  {"5th", -300}, {"5.9", -300},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProjectLowPoint(combined, 100, FirstPaymentMonthIndex(c.month)), c.low)
            << '"' << c.month << '"';
}

TEST_F(EscrowAnalysisTest, FirstPaymentMonthIndexStaysWithinTheYear)
{
    for (const std::string text :
         {"-2147483648", "-99999999999", "2147483647", "99999999999", "-12", "-13", "24", "25"})
    {
        const int index = FirstPaymentMonthIndex(text);
        EXPECT_GE(index, 0) << text;
        EXPECT_LT(index, 12) << text;
    }
    EXPECT_EQ(FirstPaymentMonthIndex("-11"), 0);
    EXPECT_EQ(FirstPaymentMonthIndex("25"), 0);
}

TEST_F(EscrowAnalysisTest, AmountsAreReadAsMoneyText)
{
    EscrowInputs inputs;
    inputs.reserveMonths[4] = "2.5";
    inputs.monthlyDeposits[4] = "$100.00";
    inputs.reserveMonths[7] = "1";
    inputs.monthlyDeposits[7] = "$1,200.00";
    inputs.reserveMonths[2] = "abc";
    inputs.monthlyDeposits[2] = "500";
    EXPECT_EQ(ReservesAtClosing(inputs), 1450);

    // The cushion is money text like every other amount.
    for (const auto& [cushion, value] : {std::pair<std::string, double>{"$500.00", 500},
                                         {"1,500.00", 1500},
                                         {"500", 500},
                                         {"", 0},
                                         {"x", 0}})
    {
        inputs.cushion = cushion;
        EXPECT_EQ(AnalyzeEscrow(folder, inputs).cushion, value) << cushion;
    }
}

TEST_F(EscrowAnalysisTest, ScheduleLinesFollowTheReadingRules)
{
    // Line 1 is 499 characters: its empty rest becomes February and every later month moves
    // down, so the twelfth line is never read.
    std::vector<std::string> months(12, "1");
    months[0] = "5" + std::string(498, ' ');
    months[11] = "1000";
    WriteSchedule(3, months);
    MonthAmounts expected{};
    expected.fill(1);
    expected[0] = 5;
    expected[1] = 0;
    EXPECT_EQ(ReadScheduleAmounts(folder / "part3.txt"), expected);

    WriteSchedule(4, {"$1,200.00", "abc", "", "\"7\"", "1 2", "", "", "", "", "", "", "1", "99"});
    EXPECT_EQ(ReadScheduleAmounts(folder / "part4.txt"),
              (MonthAmounts{1200, 0, 0, 7, 1, 0, 0, 0, 0, 0, 0, 1}));
}

TEST_F(EscrowAnalysisTest, HalfCentPaymentRoundsAwayFromZero)
{
    WriteSchedule(6, {"14809.5"});
    EscrowFigures figures = AnalyzeEscrow(folder, EscrowInputs{});
    EXPECT_EQ(figures.monthlyPayment, 1234.125);
    EXPECT_EQ(TwoMonthsCushionText(100.0625), "200.13");
}

TEST_F(EscrowAnalysisTest, ItemTotals)
{
    WriteSchedule(5, {"-1234.5"});
    EXPECT_EQ(ItemTotalText(folder / "part5.txt"), "$-1,234.50");
    EXPECT_EQ(ItemTotalText(folder / "part7.txt"), "$0.00");
    EXPECT_EQ(ItemTotalText(std::nullopt), "$0.00");
}

TEST_F(EscrowAnalysisTest, WithoutAWorkingFolderEverythingCountsZero)
{
    EscrowInputs inputs;
    inputs.cushion = "100";
    const EscrowFigures figures = AnalyzeEscrow(std::nullopt, inputs);
    EXPECT_EQ(ResultText(figures), "100.00 = $100.00 - $0.00");
    EXPECT_EQ(AnalyzeEscrow(folder / "missing", inputs).initialBalance, 100);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

// A figure beyond the range of a double (about 1.8e308, typed or reached by adding) shows as inf
// or -inf, and one that is no number at all (infinity less infinity) as nan: never a
// plausible-looking 0.00 and never a text like 1.#INF.
TEST_F(EscrowAnalysisTest, FiguresBeyondTheRangeShowAsInfOrNan)
{
    const struct
    {
        const char* what;
        std::vector<std::string> january; // the schedule of item 1
        const char* months1;
        const char* deposit1;
        const char* deposit2;
        const char* cushion;
        const char* result;
        const char* item1;
        const char* twoMonths;
    } cases[] = {
        {"a disbursement of 1e400", {"1e400"}, "", "", "", "", "nan = $nan - $0.00", "$inf", "inf"},
        {"reserve months of 1e400",
         {},
         "1e400",
         "50",
         "",
         "",
         "-inf = $0.00 - $inf",
         "$0.00",
         "0.00"},
        {"a deposit of -1e400", {}, "2", "-1e400", "", "", "inf = $0.00 - $-inf", "$0.00", "0.00"},
        {"two deposits adding past the range",
         {},
         "1",
         "1e308",
         "1e308",
         "",
         "-inf = $0.00 - $inf",
         "$0.00",
         "0.00"},
        {"a cushion of 1e400", {}, "", "", "", "1e400", "inf = $inf - $0.00", "$0.00", "0.00"},
        {"a cushion of 1e400 less reserves of 1e400",
         {},
         "1e400",
         "1",
         "",
         "1e400",
         "nan = $inf - $inf",
         "$0.00",
         "0.00"},
    };
    for (const auto& c : cases)
    {
        std::filesystem::remove(folder / "part1.txt");
        WriteSchedule(1, c.january);
        EscrowInputs inputs;
        inputs.firstPaymentMonth = "1";
        inputs.reserveMonths[0] = c.months1;
        inputs.monthlyDeposits[0] = c.deposit1;
        inputs.reserveMonths[1] = "1";
        inputs.monthlyDeposits[1] = c.deposit2;
        inputs.cushion = c.cushion;
        const EscrowFigures figures = AnalyzeEscrow(folder, inputs);
        EXPECT_EQ(ResultText(figures), c.result) << c.what;
        EXPECT_EQ(ItemTotalText(folder / "part1.txt"), c.item1) << c.what;
        EXPECT_EQ(TwoMonthsCushionText(figures.monthlyPayment), c.twoMonths) << c.what;
    }
}

} // namespace

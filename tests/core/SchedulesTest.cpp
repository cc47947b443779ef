#include "core/escrow/Schedules.h"

#include "core/escrow/EscrowAnalysis.h"

#include "FormFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// A working folder with schedule files written as the schedule dialog would store them.
class SchedulesTest : public ::testing::Test
{
protected:
    void WriteSchedule(int item, const std::vector<std::string>& months)
    {
        std::string bytes;
        for (const std::string& month : months)
            bytes += month + "\r\n";
        WriteBytes(folder / ScheduleFileName(item), bytes);
    }

    TempFolder temp;
    FilePath folder = temp.Path();
};

TEST(Schedules, FileNames)
{
    EXPECT_EQ(ScheduleFileName(1), "part1.txt");
    EXPECT_EQ(ScheduleFileName(8), "part8.txt");
    EXPECT_EQ(ScheduleFilePath(FilePath("current"), 3), FilePath("current") / "part3.txt");
    EXPECT_FALSE(ScheduleFilePath(std::nullopt, 3));
}

// The worked example's files: hazard insurance 600.00 in March (a three-line file), mortgage
// insurance 1200 in June and $1,200.00 in December.
TEST_F(SchedulesTest, WorkedExampleFilesCombineIntoItsMonthTable)
{
    WriteSchedule(1, {"", "", "600.00"});
    WriteSchedule(2, {"", "", "", "", "", "1200", "", "", "", "", "", "$1,200.00"});
    const ItemSchedules items = ReadItemSchedules(folder);
    EXPECT_EQ(CombinedSchedule(items), (MonthAmounts{0, 0, 600, 0, 0, 1200, 0, 0, 0, 0, 0, 1200}));
    EXPECT_EQ(ItemTotalText(items[0]), "$600.00");
    EXPECT_EQ(ItemTotalText(items[1]), "$2,400.00");

    // The six missing schedule files are left behind empty, and still count 0.
    for (int item = 3; item <= 8; ++item)
        EXPECT_EQ(std::filesystem::file_size(folder / ScheduleFileName(item)), 0u) << item;
    EscrowInputs inputs = WorkedExample::Inputs();
    inputs.cushion = "500.00";
    EXPECT_EQ(ResultText(AnalyzeEscrow(CombinedSchedule(ReadItemSchedules(folder)), inputs)),
              "-200.00 = $1200.00 - $1400.00");
}

TEST_F(SchedulesTest, EachItemsFileLandsInItsOwnPlace)
{
    for (int item = 1; item <= kEscrowItems; ++item)
        WriteSchedule(item, {std::to_string(item)});
    const ItemSchedules items = ReadItemSchedules(folder);
    for (int item = 1; item <= kEscrowItems; ++item)
        EXPECT_EQ(items[item - 1][0], item) << item;
}

TEST_F(SchedulesTest, ScheduleLinesFollowTheReadingRules)
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
    EXPECT_EQ(ScheduleAmounts(ReadBytes(folder / "part3.txt")), expected);

    WriteSchedule(4, {"$1,200.00", "abc", "", "\"7\"", "1 2", "", "", "", "", "", "", "1", "99"});
    const MonthAmounts fourth{1200, 0, 0, 7, 1, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(ReadScheduleAmounts(folder / "part4.txt"), fourth);
    EXPECT_EQ(ScheduleAmounts(ReadBytes(folder / "part4.txt")), fourth);
}

TEST_F(SchedulesTest, ItemTotals)
{
    WriteSchedule(5, {"-1234.5"});
    EXPECT_EQ(ItemTotalText(ReadScheduleAmounts(folder / "part5.txt")), "$-1,234.50");
    EXPECT_EQ(ItemTotalText(ReadScheduleAmounts(folder / "part7.txt")), "$0.00");
    EXPECT_EQ(ItemTotalText(ReadScheduleAmounts(std::nullopt)), "$0.00");
}

TEST_F(SchedulesTest, WithoutAWorkingFolderEverythingCountsZero)
{
    EscrowInputs inputs;
    inputs.cushion = "100";
    EXPECT_EQ(ReadItemSchedules(std::nullopt), ItemSchedules{});
    const EscrowFigures figures =
        AnalyzeEscrow(CombinedSchedule(ReadItemSchedules(std::nullopt)), inputs);
    EXPECT_EQ(ResultText(figures), "100.00 = $100.00 - $0.00");
    EXPECT_EQ(AnalyzeEscrow(CombinedSchedule(ReadItemSchedules(folder / "missing")), inputs)
                  .initialBalance,
              100);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

// The totals add in one fixed order, so that the same schedules always show the same cents: at
// 1e16 a double holds only even numbers, so 1e16 + 1 + 1 stays 1e16 while 1 + 1 + 1e16 is
// 1e16 + 2.
TEST(Schedules, TotalsAddInItemAndMonthOrder)
{
    const struct
    {
        const char* what;
        double first;
        double second;
        double third;
        double total;
    } cases[] = {
        {"the large amount first", 1e16, 1, 1, 1e16},
        {"the large amount last", 1, 1, 1e16, 1e16 + 2},
    };
    for (const auto& c : cases)
    {
        ItemSchedules items{};
        items[0][4] = c.first;
        items[3][4] = c.second;
        items[7][4] = c.third;
        EXPECT_EQ(CombinedSchedule(items)[4], c.total) << "items: " << c.what;

        MonthAmounts schedule{};
        schedule[0] = c.first;
        schedule[6] = c.second;
        schedule[11] = c.third;
        EXPECT_EQ(AnnualTotal(schedule), c.total) << "months: " << c.what;
    }
}

} // namespace

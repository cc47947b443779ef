#include "core/escrow/ScheduleClipboard.h"

#include "core/escrow/ItemHeadings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace
{

using Cells = std::vector<std::string>;

TEST(ScheduleClipboard, PastedTextsCutIntoCells)
{
    const struct
    {
        const char* what;
        std::string text;
        Cells cells;
    } cases[] = {
        // A spreadsheet's row, its empty cells kept.
        {"a row with empty cells",
         "1,234.56\t\t\t\t\t\t\t\t\t\t1,234.56",
         {"1,234.56", "", "", "", "", "", "", "", "", "", "1,234.56"}},
        {"a row as a spreadsheet copies it", "100\t200\t300\r\n", {"100", "200", "300"}},
        {"a row ending in empty cells", "100\t\t\r\n", {"100", "", ""}},
        {"a tab alone", "\t", {"", ""}},
        // A column, with either line end; CR LF is one line end, and so is a lone CR.
        {"a column, CR LF", "100\r\n200\r\n300\r\n", {"100", "200", "300"}},
        {"a column, LF", "100\n\n300\n", {"100", "", "300"}},
        {"a column, CR", "100\r200", {"100", "200"}},
        {"a column without its last line end", "100\r\n200", {"100", "200"}},
        {"an empty line inside a column", "100\r\n\r\n300", {"100", "", "300"}},
        {"an empty line at the end of a column", "100\r\n200\r\n\r\n", {"100", "200", ""}},
        // Rows of a block, one after the other.
        {"two rows", "1\t2\r\n3\t4\r\n", {"1", "2", "3", "4"}},
        // Cells keep their text, trimmed of spaces; with tabs, spaces do not cut.
        {"money text kept", "$1,000.00\t$2,000.00", {"$1,000.00", "$2,000.00"}},
        {"trimmed", " 100 \t  $2,000.00\t", {"100", "$2,000.00", ""}},
        {"a blank cell between tabs is empty", "100\t   \t300", {"100", "", "300"}},
        {"spaces inside a cell of a row", "1 000\t2 000", {"1 000", "2 000"}},
        {"spaces inside a line of a column",
         "$1,000.00 $2,000.00\n3",
         {"$1,000.00 $2,000.00", "3"}},
        {"no-break spaces trimmed",
         "\xC2\xA0"
         "100\xC2\xA0\t200",
         {"100", "200"}},
        // Without tabs and line ends, runs of spaces cut, and there are no empty cells.
        {"amounts between spaces", "$1,000.00 $2,000.00", {"$1,000.00", "$2,000.00"}},
        {"a run of spaces", "  100    200  300 ", {"100", "200", "300"}},
        {"between spaces, with a closing line end", "100 200\r\n", {"100", "200"}},
        {"no-break spaces cut",
         "100\xC2\xA0\xC2\xA0"
         "200",
         {"100", "200"}},
        {"other characters are the cell's",
         "\xC3\xA9t\xC3\xA9 1\xC2\xB0",
         {"\xC3\xA9t\xC3\xA9", "1\xC2\xB0"}},
        // One cell or none: the edit box pastes it itself.
        {"one amount", "1,234.56", {"1,234.56"}},
        {"one cell of a spreadsheet", "1,234.56\r\n", {"1,234.56"}},
        {"one amount with spaces around it", "  1,234.56 ", {"1,234.56"}},
        {"nothing", "", {}},
        {"blank", "   ", {}},
        {"a line end alone", "\r\n", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PastedAmounts(c.text), c.cells) << c.what;
}

TEST(ScheduleClipboard, AmountsThatDoNotFitAreCountedFromTheMonthPastedInto)
{
    EXPECT_EQ(AmountsDoNotFitMessage(14, 0),
              "2 of the 14 amounts do not fit after December when pasted into January; nothing "
              "was pasted.");
    EXPECT_EQ(AmountsDoNotFitMessage(3, 10),
              "1 of the 3 amounts does not fit after December when pasted into November; nothing "
              "was pasted.");
    EXPECT_EQ(AmountsDoNotFitMessage(2, 11),
              "1 of the 2 amounts does not fit after December when pasted into December; nothing "
              "was pasted.");
}

TEST(ScheduleClipboard, TheTwelveMonthsAsARowThenAsAColumn)
{
    EXPECT_EQ(ScheduleClipboardText(
                  {"1", "", "$3.00", "4", "5", "6", "7", "8", "9", "10", "11", "1,200.00"}),
              "1\t\t$3.00\t4\t5\t6\t7\t8\t9\t10\t11\t1,200.00\r\n"
              "1\r\n\r\n$3.00\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n1,200.00\r\n");
    std::string empty = std::string(11, '\t') + "\r\n";
    for (int month = 0; month < 12; ++month)
        empty += "\r\n";
    EXPECT_EQ(ScheduleClipboardText({}), empty);
}

// A schedule copied from its dialog pastes into another as its twelve months, not as the
// twenty-four cells of its row and its column; a text that only looks like one stays as it is.
TEST(ScheduleClipboard, AScheduleCopiedPastesAsItsTwelveMonths)
{
    const Cells months{"1", "", "$3.00", "4", "5", "6", "7", "8", "9", "10", "11", "1,200.00"};
    std::array<std::string, 12> schedule;
    std::copy(months.begin(), months.end(), schedule.begin());
    const std::string copied = ScheduleClipboardText(schedule);
    EXPECT_EQ(PastedAmounts(copied), months);
    EXPECT_EQ(PastedAmounts(ScheduleClipboardText({})), Cells(12, ""));

    // The row followed by a column of other amounts is twenty-four cells.
    std::string otherColumn = copied;
    otherColumn.replace(otherColumn.rfind("1,200.00"), 8, "1,300.00");
    EXPECT_EQ(PastedAmounts(otherColumn).size(), 24u);
    // The copy without its closing line end, as an editor may keep it, is still the copy.
    EXPECT_EQ(PastedAmounts(copied.substr(0, copied.size() - 2)), months);

    // Months typed with spaces around them are copied as typed; the copy still pastes as its
    // twelve months, each trimmed as every pasted cell is.
    std::array<std::string, 12> spaced = schedule;
    spaced[0] = " 1";
    spaced[2] = "$3.00  ";
    spaced[11] = "\xC2\xA0"
                 "1,200.00";
    EXPECT_EQ(PastedAmounts(ScheduleClipboardText(spaced)), months);
}

TEST(ScheduleClipboard, TheCaptionNamesTheItemAsTheFormDoes)
{
    EXPECT_EQ(ItemLineHeading(1), "1001.  Hazard insurance");
    EXPECT_EQ(ScheduleCaption(4), "Disbursement schedule - 1004.  County property taxes");
    EXPECT_EQ(ScheduleCaption(8), "Disbursement schedule - 1008.  Other");
}

} // namespace

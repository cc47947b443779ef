// Edit boxes and date pickers moved to and from the lines of a file: real controls, the bytes a
// save would store and files read back through the program's line reader.
#include "TempFolder.h"
#include "WorkingFolderTest.h"

#include "fields/EditBoxText.h"
#include "framework/Controls.h"

#include <commctrl.h>

#include <string>

namespace
{
class EditBoxTextTest : public WorkingFolderTest
{
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
        ASSERT_TRUE(::InitCommonControlsEx(&classes));
    }

    void SetUp() override
    {
        WorkingFolderTest::SetUp();
        m_hParent = ::CreateWindowExA(0, "STATIC", "Edit box text", WS_POPUP | WS_VISIBLE, 10, 10,
                                      400, 300, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_hParent, nullptr);
        m_first.m_hWnd = Child("EDIT", ES_AUTOHSCROLL, 10, 200);
        m_second.m_hWnd = Child("EDIT", ES_AUTOHSCROLL, 40, 200);
        // Narrow and without horizontal scrolling, so that a long line wraps onto several rows.
        m_multi.m_hWnd = Child("EDIT", ES_MULTILINE | ES_AUTOVSCROLL, 70, 60, 100);
        m_picker.m_hWnd = Child(DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT | DTS_SHOWNONE, 180, 150);
        m_target.m_hWnd = Child(DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT | DTS_SHOWNONE, 210, 150);
    }

    void TearDown() override
    {
        ::DestroyWindow(m_hParent);
        WorkingFolderTest::TearDown();
    }

    HWND Child(const char* windowClass, DWORD style, int y, int width, int height = 22)
    {
        HWND child =
            ::CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | WS_BORDER | style, 10, y,
                              width, height, m_hParent, nullptr, nullptr, nullptr);
        EXPECT_NE(child, nullptr) << windowClass;
        return child;
    }

    // A reader over a file that holds the bytes.
    FilePath FileOf(const std::string& bytes)
    {
        const FilePath file = File("lines.txt");
        WriteBytes(file, bytes);
        return file;
    }

    static std::string TextOf(const CWnd& box)
    {
        CString text;
        box.GetWindowText(text);
        return text.str();
    }

    HWND m_hParent = nullptr;
    CEdit m_first;
    CEdit m_second;
    CEdit m_multi;
    CDateTimeCtrl m_picker;
    CDateTimeCtrl m_target;
};

TEST_F(EditBoxTextTest, ReadsALineWithoutItsCarriageReturns)
{
    struct
    {
        const char* file;
        const char* text;
    } const cases[] = {
        {"12\r34\r\n", "1234"},                     // a lone CR inside the line goes too
        {"  1,200.00 \r\nnext\r\n", "  1,200.00 "}, // spaces stay, the next line waits
        {"1,200.00", "1,200.00"},                   // a last line without its line end is whole
        {"", ""},                                   // past the end of the file the box is emptied
    };
    for (const auto& c : cases)
    {
        m_first.SetWindowText("old");
        LineReader in(FileOf(c.file));
        ReadEditBoxText(m_first, in);
        EXPECT_EQ(TextOf(m_first), c.text) << c.file;
    }
}

TEST_F(EditBoxTextTest, WritesOneLinePerBoxAnEmptyBoxToo)
{
    LineWriter out;
    m_first.SetWindowText("");
    WriteEditBoxText(m_first, out);
    EXPECT_EQ(out.Bytes(), "\r\n");

    m_first.SetWindowText("$2,400.00");
    WriteEditBoxPair(m_first, m_second, out);
    EXPECT_EQ(out.Bytes(), "\r\n$2,400.00\r\n\r\n");
}

TEST_F(EditBoxTextTest, ReadsAPairFirstBoxFirst)
{
    LineReader in(FileOf("first\r\nsecond"));
    ReadEditBoxPair(m_first, m_second, in);
    EXPECT_EQ(TextOf(m_first), "first");
    EXPECT_EQ(TextOf(m_second), "second");
}

TEST_F(EditBoxTextTest, WritesAMultiLineBoxAsACountedBlock)
{
    struct
    {
        const char* text;
        const char* bytes;
    } const cases[] = {
        {"", "0\r\n"},
        {"one", "1\r\none\r\n"},
        // Each inner break reaches the disk as a text-mode stream stores CR LF: CR CR LF.
        {"a\r\nb\r\n", "3\r\na\r\r\nb\r\r\n\r\n"},
        // A line longer than the box is wide wraps on screen but counts as one.
        {"a line far too long for the narrow box\r\nb",
         "2\r\na line far too long for the narrow box\r\r\nb\r\n"},
    };
    for (const auto& c : cases)
    {
        m_multi.SetWindowText(c.text);
        LineWriter out;
        WriteMultiLineEditBox(m_multi, out);
        EXPECT_EQ(out.Bytes(), c.bytes) << c.text;
    }
    EXPECT_GT(m_multi.SendMessage(EM_GETLINECOUNT), 2) << "the long line wraps in this box";
}

TEST_F(EditBoxTextTest, ReadsACountedBlockBackAsWritten)
{
    const char* const texts[] = {"one", "a\r\nb\r\n", "a line far too long for the box\r\nb"};
    for (const char* text : texts)
    {
        m_multi.SetWindowText(text);
        LineWriter out;
        WriteMultiLineEditBox(m_multi, out);
        out.WriteLine("after");
        m_multi.SetWindowText("");
        LineReader in(FileOf(out.Bytes()));
        ReadMultiLineEditBox(m_multi, in);
        EXPECT_EQ(TextOf(m_multi), text);
        EXPECT_EQ(in.ReadLine(), "after") << "the block takes exactly its own lines";
    }
}

TEST_F(EditBoxTextTest, LeavesTheBoxWhenTheCountIsNone)
{
    const char* const files[] = {"0\r\nx\r\n", "many\r\nx\r\n", "-3\r\nx\r\n", ""};
    for (const char* file : files)
    {
        m_multi.SetWindowText("kept\r\ntext");
        LineReader in(FileOf(file));
        ReadMultiLineEditBox(m_multi, in);
        EXPECT_EQ(TextOf(m_multi), "kept\r\ntext") << file;
    }
}

TEST_F(EditBoxTextTest, StopsACountPastTheEndOfTheFileThere)
{
    m_multi.SendMessage(EM_SETLIMITTEXT, 1000);
    LineReader in(FileOf("2147483647\r\nx\r\ny\r\n"));
    const DWORD start = ::GetTickCount();
    ReadMultiLineEditBox(m_multi, in);
    EXPECT_LT(::GetTickCount() - start, 1000u);
    EXPECT_EQ(TextOf(m_multi), "x\r\ny");
}

TEST_F(EditBoxTextTest, FormatsTwoDecimals)
{
    struct
    {
        double value;
        const char* text;
    } const cases[] = {
        {1234.5, "1234.50"}, {-200, "-200.00"}, {1234.125, "1234.13"},
        {0.005, "0.01"},     {-0.004, "-0.00"}, {1e6, "1000000.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTwoDecimals(c.value).str(), c.text) << c.value;
}

// A date a picker is set to or expected to hold, and whether it holds it or only shows it.
struct PickerDate
{
    int year;
    int month;
    int day;
    bool holdsDate;
};

SYSTEMTIME SystemTimeOf(const PickerDate& date)
{
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    return time;
}

void Set(CDateTimeCtrl& picker, const PickerDate& date)
{
    SYSTEMTIME time = SystemTimeOf(date);
    ASSERT_TRUE(::SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&time));
    if (!date.holdsDate)
    {
        ASSERT_TRUE(::SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_NONE, (LPARAM)&time));
    }
}

// The picker's state, and the date it shows, as the locale's short date text.
std::string Shown(const CDateTimeCtrl& picker)
{
    SYSTEMTIME time;
    const LRESULT state = ::SendMessageA(picker, DTM_GETSYSTEMTIME, 0, (LPARAM)&time);
    char text[64] = "";
    ::GetWindowTextA(picker, text, sizeof text);
    return std::string(state == GDT_VALID  ? "date "
                       : state == GDT_NONE ? "none "
                                           : "error ") +
           text;
}

std::string Expected(const PickerDate& date)
{
    const SYSTEMTIME time = SystemTimeOf(date);
    char text[64] = "";
    ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text);
    return std::string(date.holdsDate ? "date " : "none ") + text;
}

PickerDate Today(bool holdsDate)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, holdsDate};
}

TEST_F(EditBoxTextTest, WritesAPickersFlagAndDateLines)
{
    struct
    {
        PickerDate date;
        const char* bytes;
    } const cases[] = {
        {{2004, 3, 7, true}, "1\r\n 3- 7-2004\r\n"},
        {{2004, 3, 7, false}, "0\r\n 3- 7-2004\r\n"},
        {{1999, 12, 31, true}, "1\r\n12-31-1999\r\n"},
    };
    for (const auto& c : cases)
    {
        Set(m_picker, c.date);
        LineWriter out;
        WriteDatePicker(m_picker, out);
        EXPECT_EQ(out.Bytes(), c.bytes);
    }
}

TEST_F(EditBoxTextTest, ReadsAPickerClampedToADateItTakes)
{
    struct
    {
        const char* file;
        PickerDate date;
    } const cases[] = {
        {"1\r\n 3- 7-2004\r\n", {2004, 3, 7, true}},
        {"0\r\n 3- 7-2004\r\n", {2004, 3, 7, false}},
        {"7\r\n12-31-1999\r\n", {1999, 12, 31, true}}, // any flag but 0 holds the date
        {"1\r\nno date\r\n", {2003, 1, 1, true}},      // unreadable
        {"1\r\n 1- 1-1800\r\n", {2003, 1, 1, true}},   // a year before 1900 becomes 2003
        {"1\r\n 2-29-1896\r\n", {2003, 2, 28, true}},  // ...and 29 February the nearest day
        {"1\r\n 2-30-2004\r\n", {2004, 2, 29, true}},  // no such day: the month's last
        {"1\r\n 4-31-2004\r\n", {2004, 4, 30, true}},
        {"1\r\n 3- 7-12345\r\n", {9999, 3, 7, true}}, // past the picker's last year
        {"1\r\n13-40-2004\r\n", {2004, 1, 1, true}},  // month and day out of bounds
        {"1\r\n3/7/2004\r\n", {2003, 1, 1, true}},    // not the line's own form
        {"1\r\n 3- 7\r\n", {2003, 1, 1, true}},       // cut short
    };
    for (const auto& c : cases)
    {
        Set(m_picker, {2010, 10, 10, true});
        LineReader in(FileOf(c.file));
        ReadDatePicker(m_picker, in);
        EXPECT_EQ(Shown(m_picker), Expected(c.date)) << c.file;
    }
}

TEST_F(EditBoxTextTest, ReadsAnEmptyDateLineAsToday)
{
    LineReader in(FileOf(""));
    ReadDatePicker(m_picker, in);
    EXPECT_EQ(Shown(m_picker), Expected(Today(false)));
}

TEST_F(EditBoxTextTest, ReadsADateOutsideThePickersRangeAsTheNearestItTakes)
{
    SYSTEMTIME range[2] = {SystemTimeOf({2000, 1, 1, true}), SystemTimeOf({2010, 12, 31, true})};
    ASSERT_TRUE(::SendMessageA(m_picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, (LPARAM)range));
    struct
    {
        const char* file;
        PickerDate date;
    } const cases[] = {
        {"1\r\n 3- 7-2050\r\n", {2010, 12, 31, true}},
        {"0\r\n 3- 7-1950\r\n", {2000, 1, 1, false}},
    };
    for (const auto& c : cases)
    {
        LineReader in(FileOf(c.file));
        ReadDatePicker(m_picker, in);
        EXPECT_EQ(Shown(m_picker), Expected(c.date)) << c.file;
    }
}

TEST_F(EditBoxTextTest, InitialisesAPickerToTodayHoldingNoDate)
{
    Set(m_picker, {2004, 3, 7, true});
    InitDatePicker(m_picker);
    EXPECT_EQ(Shown(m_picker), Expected(Today(false)));
}

TEST_F(EditBoxTextTest, CopiesAPickersDateAndItsNoDateState)
{
    const PickerDate dates[] = {{2004, 3, 7, true}, {2004, 3, 7, false}, {2031, 11, 30, true}};
    for (const PickerDate& date : dates)
    {
        Set(m_picker, date);
        Set(m_target, {2010, 10, 10, !date.holdsDate});
        CopyDatePicker(m_picker, m_target);
        EXPECT_EQ(Shown(m_target), Expected(date));
    }
}

TEST_F(EditBoxTextTest, CopiesAPickerOnlyWhenBothAreGiven)
{
    Set(m_picker, {2004, 3, 7, true});
    Set(m_target, {2010, 10, 10, true});
    CopyDatePickerChecked(nullptr, &m_target);
    CopyDatePickerChecked(&m_picker, nullptr);
    EXPECT_EQ(Shown(m_target), Expected({2010, 10, 10, true}));
    CopyDatePickerChecked(&m_picker, &m_target);
    EXPECT_EQ(Shown(m_target), Expected({2004, 3, 7, true}));
}

TEST_F(EditBoxTextTest, WritesAndReadsAPickerBackToTheSameDate)
{
    const PickerDate dates[] = {{2004, 3, 7, true}, {2024, 2, 29, false}, {1900, 1, 1, true}};
    for (const PickerDate& date : dates)
    {
        Set(m_picker, date);
        LineWriter out;
        WriteDatePicker(m_picker, out);
        LineReader in(FileOf(out.Bytes()));
        ReadDatePicker(m_target, in);
        EXPECT_EQ(Shown(m_target), Expected(date)) << out.Bytes();
    }
}
} // namespace

// The disbursement schedule dialog over an owner window, driven from inside its own loop: what it
// shows from item 5's schedule file, and the file's bytes after each way out.
#include "DialogItems.h"
#include "ModalDriver.h"
#include "SaveMessage.h"
#include "TempFolder.h"
#include "WorkingFolderTest.h"

#include "core/escrow/Schedules.h"
#include "core/files/TextLines.h"
#include "dialogs/Disbursements.h"
#include "framework/TextEncoding.h"
#include "res/resource.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
// The month edits in calendar order, January first.
const int kMonthIds[12] = {IDC_JANUARY,   IDC_FEBRUARY, IDC_MARCH,    IDC_APRIL,
                           IDC_MAY,       IDC_JUNE,     IDC_JULY,     IDC_AUGUST,
                           IDC_SEPTEMBER, IDC_OCTOBER,  IDC_NOVEMBER, IDC_DECEMBER};

std::string Lines(int count)
{
    std::string bytes;
    for (int line = 0; line < count; ++line)
        bytes += "\r\n";
    return bytes;
}

std::string Month(HWND dialog, int month)
{
    return Text(dialog, kMonthIds[month]);
}

// The twelve months on screen, January first, each followed by "|".
std::string Months(HWND dialog)
{
    std::string months;
    for (int month = 0; month < 12; ++month)
        months += Month(dialog, month) + "|";
    return months;
}

class DisbursementsTest : public WorkingFolderTest
{
protected:
    void SetUp() override
    {
        WorkingFolderTest::SetUp();
        m_hOwner =
            ::CreateWindowExA(0, "STATIC", "Escrow adjustment", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                              50, 50, 600, 400, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_hOwner, nullptr);
    }

    void TearDown() override
    {
        ::DestroyWindow(m_hOwner);
        WorkingFolderTest::TearDown();
    }

    // Runs the schedule dialog of the item over the owner; the steps get the dialog's window.
    INT_PTR Run(const std::function<void(HWND)>& steps, int item = 5)
    {
        CWnd owner(m_hOwner);
        CDisbursements dialog(&owner, item);
        return RunModal(dialog, [&] { steps(dialog.m_hWnd); });
    }

    FilePath Schedule() const { return File("part5.txt"); }

    HWND m_hOwner = nullptr;
};

TEST_F(DisbursementsTest, OpensCentredOverItsOwnerWithItsCaptionAndTheFocusOnOK)
{
    // The caption names the item's line as the form labels it.
    const struct
    {
        int item;
        const char* caption;
    } cases[] = {
        {1, "Disbursement schedule - 1001.  Hazard insurance"},
        {4, "Disbursement schedule - 1004.  County property taxes"},
        {8, "Disbursement schedule - 1008.  Other"},
    };
    for (const auto& [item, expectedCaption] : cases)
    {
        HWND owner = nullptr;
        RECT placed{};
        std::string caption;
        bool focusOnOK = false;
        const INT_PTR result = Run(
            [&](HWND dialog) {
                owner = ::GetWindow(dialog, GW_OWNER);
                ::GetWindowRect(dialog, &placed);
                caption = WindowText(dialog);
                focusOnOK = ::GetFocus() == ::GetDlgItem(dialog, IDOK);
                Click(dialog, IDCANCEL);
            },
            item);
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(owner, m_hOwner) << item;
        RECT form;
        ::GetWindowRect(m_hOwner, &form);
        EXPECT_NEAR(placed.left + placed.right, form.left + form.right, 1) << "centred across";
        EXPECT_NEAR(placed.top + placed.bottom, form.top + form.bottom, 1) << "centred down";
        EXPECT_EQ(caption, expectedCaption) << item;
        EXPECT_TRUE(focusOnOK) << item;
    }
}

TEST_F(DisbursementsTest, OpensEmptyWithoutAFileAndWritesOneOnlyOnOK)
{
    std::string months;
    bool existedWhileOpen = true;
    const INT_PTR result = Run([&](HWND dialog) {
        months = Months(dialog);
        existedWhileOpen = std::filesystem::exists(Schedule());
        Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(months, "||||||||||||");
    EXPECT_FALSE(existedWhileOpen) << "no file while the dialog is open";
    EXPECT_EQ(ReadBytes(Schedule()), Lines(12)) << "twelve empty lines, 24 bytes";
}

TEST_F(DisbursementsTest, EnterInAMonthSavesItAsTypedAndItComesBack)
{
    const INT_PTR result = Run([&](HWND dialog) {
        HWND march = ::GetDlgItem(dialog, IDC_MARCH);
        ::SetFocus(march);
        for (char ch : std::string("1,200.00"))
            ::SendMessageA(march, WM_CHAR, static_cast<WPARAM>(ch), 1);
        PostKey(march, VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
    const std::string bytes = "\r\n\r\n1,200.00\r\n" + Lines(9);
    EXPECT_EQ(ReadBytes(Schedule()), bytes);
    EXPECT_EQ(bytes.size(), 32u);

    std::string months;
    Run([&](HWND dialog) {
        months = Months(dialog);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(months, "||1,200.00||||||||||");
}

TEST_F(DisbursementsTest, LoadsLineKIntoMonthK)
{
    WriteBytes(Schedule(),
               "l1\r\nl2\r\nl3\r\nl4\r\nl5\r\nl6\r\nl7\r\nl8\r\nl9\r\nl10\r\nl11\r\nl12\r\n");
    const struct
    {
        int id;
        const char* text;
    } expected[] = {
        {1010, "l1"}, {1011, "l2"}, {1012, "l3"}, {1022, "l4"},  {1023, "l5"},  {1024, "l6"},
        {1025, "l7"}, {1026, "l8"}, {1027, "l9"}, {1028, "l10"}, {1029, "l11"}, {1030, "l12"},
    };
    Run([&](HWND dialog) {
        for (const auto& e : expected)
            EXPECT_EQ(Text(dialog, e.id), e.text) << e.id;
        Click(dialog, IDCANCEL);
    });
}

TEST_F(DisbursementsTest, OpensAShortFileWithTheRestEmptyAndOKRewritesTwelveLines)
{
    WriteBytes(Schedule(), "100\r\n200\r\n 300 \r\nx\r\n500");
    std::string months;
    Run([&](HWND dialog) {
        months = Months(dialog);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(months, "100|200| 300 |x|500||||||||");
    EXPECT_EQ(ReadBytes(Schedule()), "100\r\n200\r\n 300 \r\nx\r\n500\r\n" + Lines(7));
}

struct WayOut
{
    const char* name;
    void (*end)(HWND dialog);
};

const WayOut kWaysOut[] = {
    {"cancel", [](HWND d) { Click(d, IDCANCEL); }},
    {"escape", [](HWND d) { PostKey(::GetDlgItem(d, IDC_MARCH), VK_ESCAPE); }},
    {"close box", [](HWND d) { ::PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

TEST_F(DisbursementsTest, LeavesTheFileByteForByteWithoutOK)
{
    // Bytes this program would not write itself: LF line ends and no last line end.
    const std::string stored = "10\n20\r\n\r\n40";
    for (const WayOut& way : kWaysOut)
    {
        WriteBytes(Schedule(), stored);
        const INT_PTR result = Run([&](HWND dialog) {
            ::SetFocus(::GetDlgItem(dialog, IDC_MARCH));
            SetText(dialog, IDC_MARCH, "999");
            SetText(dialog, IDC_JANUARY, "");
            way.end(dialog);
        });
        EXPECT_EQ(result, IDCANCEL) << way.name;
        EXPECT_EQ(ReadBytes(Schedule()), stored) << way.name;
    }
}

TEST_F(DisbursementsTest, ResetClearsTheMonthsOnScreenButNotTheFile)
{
    const std::string stored = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n";
    WriteBytes(Schedule(), stored);
    std::string months;
    std::string fileAfterReset;
    Run([&](HWND dialog) {
        Click(dialog, IDC_SCHEDULE_RESET);
        months = Months(dialog);
        fileAfterReset = ReadBytes(Schedule());
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(months, "||||||||||||");
    EXPECT_EQ(fileAfterReset, stored);
    EXPECT_EQ(ReadBytes(Schedule()), stored);

    Run([&](HWND dialog) {
        Click(dialog, IDC_SCHEDULE_RESET);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(ReadBytes(Schedule()), Lines(12)) << "OK after Reset stores the cleared months";
}

TEST_F(DisbursementsTest, OKWithoutTheWorkingFolderCreatesItAndSaves)
{
    std::filesystem::remove_all(m_folder);
    std::string months;
    const INT_PTR result = Run([&](HWND dialog) {
        months = Months(dialog);
        SetText(dialog, IDC_MARCH, "1,200.00");
        Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(months, "||||||||||||");
    EXPECT_EQ(ReadBytes(Schedule()), "\r\n\r\n1,200.00\r\n" + Lines(9));
}

// A save that fails is told, and the months stay on screen as typed until a save succeeds.
TEST_F(DisbursementsTest, OKOnAReadOnlyFileLeavesItWholeAndKeepsTheMonths)
{
    const std::string stored = "keep\r\n";
    WriteBytes(Schedule(), stored);
    ASSERT_TRUE(::SetFileAttributesW(Schedule().c_str(), FILE_ATTRIBUTE_READONLY));
    std::string told;
    bool openAfterFailure = false;
    std::string marchAfterFailure;
    const INT_PTR result = Run([&](HWND dialog) {
        // Shown as its own loop would show it once idle: an ended dialog is hidden at once.
        ::ShowWindow(dialog, SW_SHOW);
        SetText(dialog, IDC_MARCH, "1,200.00");
        WhenMessageOpens(told);
        Click(dialog, IDOK);
        openAfterFailure = ::IsWindowVisible(dialog) != FALSE;
        marchAfterFailure = Month(dialog, 2);
        EXPECT_EQ(ReadBytes(Schedule()), stored);
        ::SetFileAttributesW(Schedule().c_str(), FILE_ATTRIBUTE_NORMAL);
        Click(dialog, IDOK);
    });
    ::SetFileAttributesW(Schedule().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(NamesFileAndReason(told, "part5.txt", "read-only"));
    EXPECT_TRUE(openAfterFailure);
    EXPECT_EQ(marchAfterFailure, "1,200.00");
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadBytes(Schedule()), "keep\r\n\r\n1,200.00\r\n" + Lines(9));
}

TEST_F(DisbursementsTest, AMonthTypedOrPastedTooLongNeverRunsIntoTheNext)
{
    const std::string typed(600, '7');
    const std::string pasted(600, '8');
    size_t marchLength = 0;
    size_t aprilLength = 0;
    Run([&](HWND dialog) {
        HWND march = ::GetDlgItem(dialog, IDC_MARCH);
        for (char ch : typed)
            ::SendMessageA(march, WM_CHAR, static_cast<WPARAM>(ch), 1);
        ASSERT_TRUE(WriteClipboardText(dialog, std::wstring(pasted.begin(), pasted.end())));
        ::SendMessageA(::GetDlgItem(dialog, IDC_APRIL), WM_PASTE, 0, 0);
        marchLength = static_cast<size_t>(::GetWindowTextLengthA(march));
        aprilLength = static_cast<size_t>(::GetWindowTextLengthA(::GetDlgItem(dialog, IDC_APRIL)));
        Click(dialog, IDOK);
    });
    EXPECT_EQ(marchLength, kLineWriteLimit);
    EXPECT_EQ(aprilLength, kLineWriteLimit);
    EXPECT_EQ(ReadBytes(Schedule()), "\r\n\r\n" + typed.substr(0, kLineWriteLimit) + "\r\n" +
                                         pasted.substr(0, kLineWriteLimit) + "\r\n" + Lines(8));

    std::string months;
    Run([&](HWND dialog) {
        for (int month = 0; month < 12; ++month)
            months += std::to_string(Month(dialog, month).size()) + "|";
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(months, "0|0|498|498|0|0|0|0|0|0|0|0|");
}
// The schedule the paste tests start from: 1 in January ... 12 in December.
const std::string kNumbered = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n";
const std::string kNumberedMonths = "1|2|3|4|5|6|7|8|9|10|11|12|";

// Amounts copied from a spreadsheet or a web page, pasted into a month box: they fill that month
// and the months after it, in order; when they run past December the user is told and no month
// changes.
TEST_F(DisbursementsTest, PastedAmountsFillTheMonthAndTheMonthsAfterIt)
{
    const struct
    {
        const char* what;
        std::string copied; // UTF-8
        int month;          // the box pasted into, 0 = January
        std::string months; // the twelve months after the paste
        std::string told;   // the message; empty when none
        std::string total;  // the year's total shown after the paste
    } cases[] = {
        {"a spreadsheet's row with empty cells, into January",
         "1,234.56\t\t\t\t\t\t\t\t\t\t1,234.56", 0, "1,234.56||||||||||1,234.56|12|", "",
         "$2,481.12"},
        {"amounts between spaces from a web page, into November", "$1,000.00 $2,000.00", 10,
         "1|2|3|4|5|6|7|8|9|10|$1,000.00|$2,000.00|", "", "$3,055.00"},
        {"a spreadsheet's column, into October", "100\r\n200\r\n300\r\n", 9,
         "1|2|3|4|5|6|7|8|9|100|200|300|", "", "$645.00"},
        {"a column ended by LF, into March", " 7 \n\n9\n", 2, "1|2|7||9|6|7|8|9|10|11|12|", "",
         "$82.00"},
        {"amounts between no-break spaces",
         "100\xC2\xA0"
         "200",
         0, "100|200|3|4|5|6|7|8|9|10|11|12|", "", "$375.00"},
        {"twelve fill the year", "a\tb\tc\td\te\tf\tg\th\ti\tj\tk\t$1.50", 0,
         "a|b|c|d|e|f|g|h|i|j|k|$1.50|", "", "$1.50"},
        {"fourteen into January", "10\t20\t30\t40\t50\t60\t70\t80\t90\t100\t110\t120\t130\t140", 0,
         kNumberedMonths,
         "2 of the 14 amounts do not fit after December when pasted into January; nothing was "
         "pasted.",
         "$78.00"},
        {"two into December", "1 2", 11, kNumberedMonths,
         "1 of the 2 amounts does not fit after December when pasted into December; nothing was "
         "pasted.",
         "$78.00"},
    };
    for (const auto& c : cases)
    {
        WriteBytes(Schedule(), kNumbered);
        std::string months;
        std::string told;
        std::string total;
        Run([&](HWND dialog) {
            ASSERT_TRUE(WriteClipboardText(dialog, WideFromUtf8(c.copied)));
            if (!c.told.empty())
                WhenMessageOpens(told);
            ::SendMessageA(::GetDlgItem(dialog, kMonthIds[c.month]), WM_PASTE, 0, 0);
            months = Months(dialog);
            total = Text(dialog, IDC_SCHEDULE_TOTAL);
            Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(months, c.months) << c.what;
        EXPECT_EQ(told, c.told) << c.what;
        EXPECT_EQ(total, c.total) << c.what;
    }
}

// Ctrl+V reaches the box as a WM_PASTE of its own; the pasted months are saved on OK as they read.
TEST_F(DisbursementsTest, CtrlVPastesTheAmountsAndOKSavesThem)
{
    WriteBytes(Schedule(), kNumbered);
    const INT_PTR result = Run([&](HWND dialog) {
        ASSERT_TRUE(WriteClipboardText(dialog, L"$1,000.00 $2,000.00"));
        HWND november = ::GetDlgItem(dialog, IDC_NOVEMBER);
        ::SetFocus(november);
        ::SendMessageA(november, WM_CHAR, 0x16, 1); // Ctrl+V, as the keyboard sends it
        Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadBytes(Schedule()),
              "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n$1,000.00\r\n$2,000.00\r\n");
}

// The edit box's own context menu pastes through WM_PASTE too: its Paste, chosen by its key once
// the menu's loop runs, fills the months.
void CALLBACK ChoosePaste(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    ::PostMessageA(::GetFocus(), WM_CHAR, 'p', 1);
}

TEST_F(DisbursementsTest, TheContextMenusPasteFillsTheMonths)
{
    WriteBytes(Schedule(), kNumbered);
    std::string months;
    Run([&](HWND dialog) {
        ASSERT_TRUE(WriteClipboardText(dialog, L"100\t200"));
        HWND may = ::GetDlgItem(dialog, IDC_MAY);
        ::ShowWindow(dialog, SW_SHOW);
        ::SetFocus(may);
        ::SetTimer(nullptr, 0, 0, ChoosePaste);
        RECT box;
        ::GetWindowRect(may, &box);
        ::SendMessageA(may, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(may),
                       MAKELPARAM(box.left + 5, box.top + 5));
        months = Months(dialog);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(months, "1|2|3|4|100|200|7|8|9|10|11|12|");
}

// One amount, or one cell copied from a spreadsheet, is the box's own paste: it goes in at the
// caret, or over the selection, and the other months stay.
TEST_F(DisbursementsTest, OneAmountPastesAsInAnyEditBox)
{
    WriteBytes(Schedule(), kNumbered);
    std::string months;
    std::string total;
    Run([&](HWND dialog) {
        HWND march = ::GetDlgItem(dialog, IDC_MARCH);
        ASSERT_TRUE(WriteClipboardText(dialog, L"5"));
        ::SendMessageA(march, EM_SETSEL, 1, 1);
        ::SendMessageA(march, WM_PASTE, 0, 0);
        HWND april = ::GetDlgItem(dialog, IDC_APRIL);
        ASSERT_TRUE(WriteClipboardText(dialog, L"1,234.56\r\n"));
        ::SendMessageA(april, EM_SETSEL, 0, -1);
        ::SendMessageA(april, WM_PASTE, 0, 0);
        months = Months(dialog);
        total = Text(dialog, IDC_SCHEDULE_TOTAL);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(months, "1|2|35|1,234.56|5|6|7|8|9|10|11|12|");
    EXPECT_EQ(total, "$1,340.56");
}

TEST_F(DisbursementsTest, APastedAmountIsHeldToWhatAMonthKeeps)
{
    std::string months;
    Run([&](HWND dialog) {
        ASSERT_TRUE(WriteClipboardText(dialog, std::wstring(600, L'8') + L"\t1"));
        ::SendMessageA(::GetDlgItem(dialog, IDC_MAY), WM_PASTE, 0, 0);
        for (int month = 0; month < 12; ++month)
            months += std::to_string(Month(dialog, month).size()) + "|";
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(months, "0|0|0|0|498|1|0|0|0|0|0|0|");
}

// Counts the texts set on one window of this thread while it lives.
class SetTextCounter
{
public:
    explicit SetTextCounter(HWND window)
    {
        s_window = window;
        s_count = 0;
        m_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, Seen, nullptr, ::GetCurrentThreadId());
    }
    ~SetTextCounter() { ::UnhookWindowsHookEx(m_hook); }
    SetTextCounter(const SetTextCounter&) = delete;
    SetTextCounter& operator=(const SetTextCounter&) = delete;

    int Count() const { return s_count; }

private:
    static LRESULT CALLBACK Seen(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->hwnd == s_window && message->message == WM_SETTEXT)
            ++s_count;
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline HWND s_window = nullptr;
    static inline int s_count = 0;
    HHOOK m_hook;
};

// The total under the months is money text as the item's button shows it, of the months read as
// amounts; it follows each change of a month, and is set again only when its text changes.
TEST_F(DisbursementsTest, TheTotalFollowsTheTyping)
{
    WriteBytes(Schedule(), "100\r\n$1,200.00\r\n");
    std::vector<std::string> totals;
    int setWhileTyping = 0;
    std::string afterReset;
    std::string lastShown;
    Run([&](HWND dialog) {
        HWND total = ::GetDlgItem(dialog, IDC_SCHEDULE_TOTAL);
        totals.push_back(WindowText(total));
        HWND march = ::GetDlgItem(dialog, IDC_MARCH);
        ::SetFocus(march);
        {
            const SetTextCounter counter(total);
            for (char ch : std::string("1,10x0"))
            {
                ::SendMessageA(march, WM_CHAR, static_cast<WPARAM>(ch), 1);
                totals.push_back(WindowText(total));
            }
            setWhileTyping = counter.Count();
        }
        Click(dialog, IDC_SCHEDULE_RESET);
        afterReset = WindowText(total);
        SetText(dialog, IDC_DECEMBER, "-$1,234.50");
        lastShown = WindowText(total);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(totals, (std::vector<std::string>{"$1,300.00", "$1,301.00", "$1,301.00", "$1,311.00",
                                                "$1,410.00", "$1,410.00", "$1,410.00"}));
    EXPECT_EQ(setWhileTyping, 3) << "set only when the total changed";
    EXPECT_EQ(afterReset, "$0.00");
    EXPECT_EQ(lastShown, "$-1,234.50");
    EXPECT_EQ(lastShown, ItemTotalText(ReadScheduleAmounts(Schedule())))
        << "the total the item's button shows once saved";
}

// Copy puts the twelve months on the clipboard as a row, then as a column; so does Ctrl+C in a
// month with nothing selected, while a selection is copied as in any edit box.
TEST_F(DisbursementsTest, CopyPutsTheMonthsOnTheClipboard)
{
    WriteBytes(Schedule(), "100\r\n\r\n$1,200.00\r\n");
    std::wstring byButton;
    std::wstring byKeys;
    std::wstring selection;
    Run([&](HWND dialog) {
        ASSERT_TRUE(WriteClipboardText(dialog, L"before"));
        Click(dialog, IDC_SCHEDULE_COPY);
        byButton = ReadClipboardText();

        ASSERT_TRUE(WriteClipboardText(dialog, L"before"));
        HWND march = ::GetDlgItem(dialog, IDC_MARCH);
        ::SetFocus(march);
        ::SendMessageA(march, EM_SETSEL, 2, 2);
        ::SendMessageA(march, WM_CHAR, 0x03, 1); // Ctrl+C, as the keyboard sends it
        byKeys = ReadClipboardText();

        ::SendMessageA(march, EM_SETSEL, 1, 6);
        ::SendMessageA(march, WM_CHAR, 0x03, 1);
        selection = ReadClipboardText();
        Click(dialog, IDCANCEL);
    });
    std::wstring expected =
        L"100\t\t$1,200.00" + std::wstring(9, L'\t') + L"\r\n100\r\n\r\n$1,200.00\r\n";
    for (int month = 4; month <= 12; ++month)
        expected += L"\r\n";
    EXPECT_EQ(byButton, expected);
    EXPECT_EQ(byKeys, expected);
    EXPECT_EQ(selection, L"1,200");
}
} // namespace

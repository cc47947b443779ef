// The escrow adjustment form in a real window: start-up with and without a form file, the
// fields that run the analysis, the "two months" box, the item buttons, Reset, closing, and the
// about box.
#include "DialogItems.h"
#include "FormFile.h"
#include "ModalDriver.h"
#include "SaveMessage.h"
#include "TempFolder.h"
#include "WorkingFolderTest.h"

#include "core/escrow/ItemHeadings.h"
#include "core/escrow/Schedules.h"
#include "core/files/WorkingFolder.h"
#include "core/money/NumberFormat.h"
#include "dialogs/FormItems.h"
#include "dialogs/TallyvaneDlg.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{

// Answers the question Reset asks with the button.
void AnswerTheResetQuestion(int button)
{
    WhenDialogOpens("Tallyvane",
                    [button](HWND box) { ::PostMessageA(box, WM_COMMAND, button, 0); });
}

// The form over an empty working folder of its own.
class TallyvaneDlgTest : public WorkingFolderTest
{
protected:
    bool FolderIsEmpty() const { return std::filesystem::is_empty(m_folder); }

    CTallyvaneDlg m_form;
};

TEST_F(TallyvaneDlgTest, StartsClearedWithoutAFormFileAndSavesTheDefaultsOnClose)
{
    // A save cut short by a crash left its temporary file; start-up removes it.
    WriteBytes(File("main.txt.tmp"), "half a sa");
    const INT_PTR result = RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        for (int index = 0; index < kEscrowItems; ++index)
        {
            const FormItem& item = kFormItems[index];
            SCOPED_TRACE(kItemHeadings[index]);
            EXPECT_EQ(Text(form, item.monthsBox), "");
            EXPECT_EQ(Text(form, item.depositBox), "");
            EXPECT_EQ(Text(form, item.button), "$0.00");
        }
        EXPECT_EQ(Text(form, IDC_FIRST_PAYMENT_MONTH), "01");
        EXPECT_EQ(Text(form, IDC_FIRST_PAYMENT_YEAR), "2004");
        EXPECT_EQ(Text(form, IDC_CUSHION), "");
        EXPECT_EQ(Text(form, IDC_MONTHLY_PAYMENT), "");
        EXPECT_EQ(Text(form, IDC_ADJUSTMENT), "");
        EXPECT_FALSE(Checked(form, IDC_TWO_MONTHS));
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(form, IDC_MONTHS1));
        EXPECT_TRUE(FolderIsEmpty())
            << "no schedule file is read or created on a cleared start, no stray file left";
        ::PostMessageA(form, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    std::string defaults;
    for (int line = 1; line <= 16; ++line)
        defaults += "\r\n";
    EXPECT_EQ(ReadBytes(File("main.txt")), defaults + "01\r\n2004\r\n0\r\n\r\n");
    EXPECT_EQ(ReadBytes(File("main.txt")).size(), 47u);
}

// Each of the eighteen analysis inputs runs the analysis when it loses the focus; the year does
// not, and neither does a result box.
TEST_F(TallyvaneDlgTest, LeavingAnInputRunsTheAnalysis)
{
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        SetText(form, IDC_MONTHS1, WorkedExample::kMonths1);
        SetText(form, IDC_PER_MONTH1, WorkedExample::kDeposit1);
        const struct
        {
            int id;
            bool runs;
        } cases[] = {
            {IDC_CUSHION, true},
            {IDC_FIRST_PAYMENT_MONTH, true},
            {IDC_MONTHS1, true},
            {IDC_MONTHS2, true},
            {IDC_MONTHS3, true},
            {IDC_MONTHS4, true},
            {IDC_MONTHS5, true},
            {IDC_MONTHS6, true},
            {IDC_MONTHS7, true},
            {IDC_MONTHS8, true},
            {IDC_PER_MONTH1, true},
            {IDC_PER_MONTH2, true},
            {IDC_PER_MONTH3, true},
            {IDC_PER_MONTH4, true},
            {IDC_PER_MONTH5, true},
            {IDC_PER_MONTH6, true},
            {IDC_PER_MONTH7, true},
            {IDC_PER_MONTH8, true},
            {IDC_FIRST_PAYMENT_YEAR, false},
            {IDC_ADJUSTMENT, false},
            {IDC_MONTHLY_PAYMENT, false},
        };
        for (const auto& c : cases)
        {
            ::SetFocus(::GetDlgItem(form, c.id));
            SetText(form, IDC_ADJUSTMENT, "stale");
            ::SetFocus(::GetDlgItem(form, IDC_RESET));
            EXPECT_EQ(Text(form, IDC_ADJUSTMENT),
                      c.runs ? WorkedExample::kItem1AloneAdjustment : "stale")
                << c.id;
        }
        m_form.EndDialog(IDOK);
    });
}

TEST_F(TallyvaneDlgTest, TwoMonthsSetsTheCushionOnlyWhenSwitchedOn)
{
    WriteBytes(File("part1.txt"), "1200\r\n");
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        Click(form, IDC_TWO_MONTHS);
        EXPECT_TRUE(Checked(form, IDC_TWO_MONTHS));
        EXPECT_EQ(Text(form, IDC_MONTHLY_PAYMENT), "100.00");
        EXPECT_EQ(Text(form, IDC_CUSHION), "200.00");
        EXPECT_EQ(Text(form, IDC_ADJUSTMENT), "1300.00 = $1300.00 - $0.00");

        // Switching off keeps the cushion and runs nothing; switching on again renews it.
        WriteBytes(File("part1.txt"), "2400\r\n");
        Click(form, IDC_TWO_MONTHS);
        EXPECT_FALSE(Checked(form, IDC_TWO_MONTHS));
        EXPECT_EQ(Text(form, IDC_CUSHION), "200.00");
        EXPECT_EQ(Text(form, IDC_ADJUSTMENT), "1300.00 = $1300.00 - $0.00");
        Click(form, IDC_TWO_MONTHS);
        EXPECT_EQ(Text(form, IDC_CUSHION), "400.00");
        EXPECT_EQ(Text(form, IDC_ADJUSTMENT), "2600.00 = $2600.00 - $0.00");
        m_form.EndDialog(IDOK);
    });
}

// While "two months" is on, every analysis first sets the cushion to two months of the payment of
// the schedules as they are now, and the cushion box takes no typing; off, the last cushion stays
// and can be typed over again.
TEST_F(TallyvaneDlgTest, TwoMonthsFollowsThePaymentWhileOn)
{
    WriteBytes(File("part1.txt"), "1200\r\n");
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        const auto cushionReadOnly = [&] {
            return (::GetWindowLongA(::GetDlgItem(form, IDC_CUSHION), GWL_STYLE) & ES_READONLY) !=
                   0;
        };
        const auto saveSchedule = [&](const char* january) {
            WhenDialogOpens(ScheduleCaption(1).c_str(), [january](HWND schedule) {
                SetText(schedule, IDC_JANUARY, january);
                ::PostMessageA(schedule, WM_COMMAND, IDOK, 0);
            });
            Click(form, IDC_ITEM1);
        };
        EXPECT_FALSE(cushionReadOnly());
        Click(form, IDC_TWO_MONTHS);
        EXPECT_TRUE(cushionReadOnly());
        EXPECT_EQ(Text(form, IDC_CUSHION), "200.00");

        saveSchedule("2400");
        EXPECT_EQ(Text(form, IDC_CUSHION), "400.00");
        EXPECT_EQ(Text(form, IDC_ADJUSTMENT), "2600.00 = $2600.00 - $0.00");

        // Leaving a box runs the analysis, which puts the cushion back.
        SetText(form, IDC_CUSHION, "5");
        ::SetFocus(::GetDlgItem(form, IDC_CUSHION));
        ::SetFocus(::GetDlgItem(form, IDC_MONTHS1));
        EXPECT_EQ(Text(form, IDC_CUSHION), "400.00");

        Click(form, IDC_TWO_MONTHS);
        EXPECT_FALSE(cushionReadOnly());
        saveSchedule("1200");
        EXPECT_EQ(Text(form, IDC_CUSHION), "400.00");
        EXPECT_EQ(Text(form, IDC_ADJUSTMENT), "1500.00 = $1500.00 - $0.00");
        m_form.EndDialog(IDOK);
    });
}

// A form file saved with "two months" on starts with the cushion of its schedules, read-only.
TEST_F(TallyvaneDlgTest, TwoMonthsFromTheFormFileSetsTheCushionAtStartUp)
{
    WriteBytes(File("part1.txt"), "1200\r\n");
    WriteBytes(File("main.txt"), FormFile("", "1", "77"));
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        EXPECT_TRUE(Checked(form, IDC_TWO_MONTHS));
        EXPECT_EQ(Text(form, IDC_CUSHION), "200.00");
        EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(form, IDC_CUSHION), GWL_STYLE) & ES_READONLY);
        // January's 1,200.00 is paid from May's start: 300.00 short at the low point.
        EXPECT_EQ(Text(form, IDC_ADJUSTMENT), "500.00 = $500.00 - $0.00");
        m_form.EndDialog(IDOK);
    });
}

TEST_F(TallyvaneDlgTest, ItemButtonRunsTheScheduleAndRecomputesWhateverItsOutcome)
{
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        // Cancel on an item without a schedule: the caption is still rebuilt, from nothing.
        SetText(form, IDC_ITEM4, "Button4");
        WhenDialogOpens(ScheduleCaption(4).c_str(), [](HWND schedule) {
            SetText(schedule, IDC_JANUARY, "999");
            ::PostMessageA(schedule, WM_COMMAND, IDCANCEL, 0);
        });
        Click(form, IDC_ITEM4);
        EXPECT_EQ(Text(form, IDC_ITEM4), "$0.00");
        EXPECT_EQ(Text(form, IDC_MONTHLY_PAYMENT), "0.00");
        EXPECT_EQ(ReadBytes(File("part4.txt")), "");

        WhenDialogOpens(ScheduleCaption(4).c_str(), [](HWND schedule) {
            SetText(schedule, IDC_JANUARY, "$2,400.00");
            ::PostMessageA(schedule, WM_COMMAND, IDOK, 0);
        });
        Click(form, IDC_ITEM4);
        EXPECT_EQ(Text(form, IDC_ITEM4), "$2,400.00");
        EXPECT_EQ(Text(form, IDC_MONTHLY_PAYMENT), "200.00");
        EXPECT_EQ(Text(form, IDC_ADJUSTMENT), "2200.00 = $2200.00 - $0.00");
        m_form.EndDialog(IDOK);
    });
}

// Each item's button opens that item's schedule, names its file, and shows that item's total; the
// figures follow every schedule saved so far. Item N's schedule holds N x 100 in January.
TEST_F(TallyvaneDlgTest, EachItemButtonEditsItsOwnSchedule)
{
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        int saved = 0;
        for (int item = 1; item <= kEscrowItems; ++item)
        {
            const FormItem& row = kFormItems[item - 1];
            const char* const heading = kItemHeadings[item - 1];
            SCOPED_TRACE(heading);
            const std::string january = std::to_string(item * 100);
            WhenDialogOpens(ScheduleCaption(item).c_str(), [&](HWND schedule) {
                SetText(schedule, IDC_JANUARY, january.c_str());
                ::PostMessageA(schedule, WM_COMMAND, IDOK, 0);
            });
            Click(form, row.button);
            saved += item * 100;
            EXPECT_EQ(ReadBytes(File(ScheduleFileName(item))).substr(0, january.size() + 2),
                      january + "\r\n");
            EXPECT_EQ(Text(form, row.button), "$" + january + ".00");
            EXPECT_EQ(Text(form, IDC_MONTHLY_PAYMENT), TwoDecimalText(saved / 12.0));
            // The line the button belongs to carries the item's heading, as its schedule's caption
            // names it.
            EXPECT_TRUE(::FindWindowExA(form, nullptr, "Static", ItemLineHeading(item).c_str()));
        }
        for (int item = 1; item <= kEscrowItems; ++item)
            EXPECT_EQ(Text(form, kFormItems[item - 1].button),
                      "$" + std::to_string(item * 100) + ".00");
        m_form.EndDialog(IDOK);
    });
}

TEST_F(TallyvaneDlgTest, ResetDeletesTheTextFilesAndKeepsTheTwoMonthsBox)
{
    for (int item = 1; item <= 8; ++item)
        WriteBytes(File(ScheduleFileName(item)), "1\r\n");
    WriteBytes(File("main.txt"), FormFile("4\r\n$50.00\r\n", "1", "77"));
    WriteBytes(File("notes.txt"), "kept?");
    WriteBytes(File("part1.bak"), "kept");
    std::filesystem::create_directories(File("old"));
    WriteBytes(File("old/part1.txt"), "kept");
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        EXPECT_TRUE(Checked(form, IDC_TWO_MONTHS));
        // "Two months" is on: the cushion loaded is two months of the schedules' payment,
        // 8 x 1 / 12 a month.
        EXPECT_EQ(Text(form, IDC_CUSHION), "1.33");
        AnswerTheResetQuestion(IDYES);
        Click(form, IDC_RESET);
        EXPECT_TRUE(Checked(form, IDC_TWO_MONTHS));
        EXPECT_EQ(Text(form, IDC_CUSHION), "");
        EXPECT_EQ(Text(form, IDC_MONTHS1), "");
        EXPECT_EQ(Text(form, IDC_ITEM1), "$0.00");
        EXPECT_EQ(Text(form, IDC_MONTHLY_PAYMENT), "");
        EXPECT_EQ(Text(form, IDC_ADJUSTMENT), "");
        for (const auto& entry : std::filesystem::directory_iterator(m_folder))
            EXPECT_NE(entry.path().extension(), ".txt") << entry.path();
        EXPECT_EQ(ReadBytes(File("part1.bak")), "kept");
        EXPECT_EQ(ReadBytes(File("old/part1.txt")), "kept");
        // The box is still on: the next click switches it off and leaves the cushion empty.
        Click(form, IDC_TWO_MONTHS);
        EXPECT_FALSE(Checked(form, IDC_TWO_MONTHS));
        EXPECT_EQ(Text(form, IDC_CUSHION), "");
        ::PostMessageA(form, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(ReadBytes(File("main.txt")).size(), 47u);
}

// Reset asks before it deletes anything; No, the default button, changes nothing.
TEST_F(TallyvaneDlgTest, ResetAsksFirstAndNoKeepsEverything)
{
    WriteBytes(File("part1.txt"), "1200\r\n");
    WriteBytes(File("main.txt"), FormFile("4\r\n$50.00\r\n", "0", "300"));
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        std::string question;
        UINT style = 0;
        WhenDialogOpens("Tallyvane", [&](HWND box) {
            question = Text(box, kMessageBoxText);
            style = ::GetWindowLongA(::GetDlgItem(box, IDNO), GWL_STYLE) & BS_TYPEMASK;
            PostKey(box, VK_RETURN);
        });
        Click(form, IDC_RESET);
        EXPECT_EQ(question, "Clear the form and delete all disbursement schedules?");
        EXPECT_EQ(style, static_cast<UINT>(BS_DEFPUSHBUTTON)) << "No is the default button";
        EXPECT_EQ(Text(form, IDC_MONTHS1), "4");
        EXPECT_EQ(Text(form, IDC_CUSHION), "300");
        EXPECT_EQ(Text(form, IDC_ITEM1), "$1,200.00");
        EXPECT_EQ(Text(form, IDC_ADJUSTMENT), "400.00 = $600.00 - $200.00");
        EXPECT_EQ(ReadBytes(File("part1.txt")), "1200\r\n");
        m_form.EndDialog(IDOK);
    });
}

// A file that cannot be deleted stays; the others still go and the form is cleared.
TEST_F(TallyvaneDlgTest, ResetGoesOnPastAFileItCannotDelete)
{
    WriteBytes(File("part1.txt"), "1\r\n");
    WriteBytes(File("part2.txt"), "2\r\n");
    ASSERT_TRUE(::SetFileAttributesW(File("part1.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    RunModal(m_form, [&] {
        SetText(m_form.m_hWnd, IDC_MONTHS1, "4");
        AnswerTheResetQuestion(IDYES);
        Click(m_form.m_hWnd, IDC_RESET);
        EXPECT_EQ(Text(m_form.m_hWnd, IDC_MONTHS1), "");
        m_form.EndDialog(IDOK);
    });
    ::SetFileAttributesW(File("part1.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(File("part1.txt")), "1\r\n");
    EXPECT_FALSE(std::filesystem::exists(File("part2.txt")));
}

// Whatever the form file holds comes back as it stood; a short or empty file empties the rest.
// No schedule holds an amount, so the figures are the cushion loaded less the reserves loaded.
TEST_F(TallyvaneDlgTest, LoadsTheFormFileAsItStands)
{
    const struct
    {
        std::string bytes;
        std::string months1, month, year, cushion;
        bool twoMonths;
        std::string adjustment;
    } cases[] = {
        {"", "", "", "", "", false, "0.00 = $0.00 - $0.00"},
        {FormFile(" 4 \r\nabc\r\n", "1", "$500.00"), " 4 ", "05", "2004", "0.00", true,
         "0.00 = $0.00 - $0.00"},
        {FormFile("", "0", "$500.00"), "", "05", "2004", "$500.00", false,
         "500.00 = $500.00 - $0.00"},
        {FormFile("1\r\n", "7", ""), "1", "05", "2004", "", false, "0.00 = $0.00 - $0.00"},
        {FormFile("4\r\n$50.00\r\n", "0", ""), "4", "05", "2004", "", false,
         "-200.00 = $0.00 - $200.00"},
        {"12\r34\r\n", "1234", "", "", "", false, "0.00 = $0.00 - $0.00"},
    };
    for (const auto& c : cases)
    {
        WriteBytes(File("main.txt"), c.bytes);
        CTallyvaneDlg form;
        RunModal(form, [&] {
            EXPECT_EQ(Text(form.m_hWnd, IDC_MONTHS1), c.months1);
            EXPECT_EQ(Text(form.m_hWnd, IDC_FIRST_PAYMENT_MONTH), c.month);
            EXPECT_EQ(Text(form.m_hWnd, IDC_FIRST_PAYMENT_YEAR), c.year);
            EXPECT_EQ(Text(form.m_hWnd, IDC_CUSHION), c.cushion);
            EXPECT_EQ(Checked(form.m_hWnd, IDC_TWO_MONTHS), c.twoMonths);
            EXPECT_EQ(Text(form.m_hWnd, IDC_ITEM8), "$0.00");
            EXPECT_NE(Text(form.m_hWnd, IDC_ADJUSTMENT), "") << "the analysis ran";
            EXPECT_EQ(Text(form.m_hWnd, IDC_ADJUSTMENT), c.adjustment) << c.bytes;
            form.EndDialog(IDOK);
        });
    }
}

// No way out of the form loses the figures, and no box takes more than a line keeps.
TEST_F(TallyvaneDlgTest, EveryWayOutSavesTheForm)
{
    const UINT ways[] = {WM_CLOSE, IDOK, IDCANCEL};
    for (UINT way : ways)
    {
        std::filesystem::remove(File("main.txt"));
        CTallyvaneDlg form;
        RunModal(form, [&] {
            const std::string longText(600, '7');
            SetText(form.m_hWnd, IDC_PER_MONTH2, "typed");
            ::SendDlgItemMessageA(form.m_hWnd, IDC_CUSHION, EM_REPLACESEL, TRUE,
                                  reinterpret_cast<LPARAM>(longText.c_str()));
            EXPECT_EQ(Text(form.m_hWnd, IDC_CUSHION).size(), 498u);
            if (way == WM_CLOSE)
                ::PostMessageA(form.m_hWnd, WM_CLOSE, 0, 0);
            else
                ::PostMessageA(form.m_hWnd, WM_COMMAND, way, 0);
        });
        const std::string saved = ReadBytes(File("main.txt"));
        EXPECT_NE(saved.find("\r\ntyped\r\n"), std::string::npos) << way;
        EXPECT_NE(saved.find("\r\n" + std::string(498, '7') + "\r\n"), std::string::npos) << way;
    }
}

// A form file that cannot be written is told at closing: Escape goes back to the form, Retry saves
// again, and "Close without saving" closes with the old file whole.
TEST_F(TallyvaneDlgTest, AFailedSaveAtClosingIsToldAndAnswered)
{
    WriteBytes(File("main.txt"), FormFile("", "0", "old"));
    const std::string stored = ReadBytes(File("main.txt"));
    ASSERT_TRUE(::SetFileAttributesW(File("main.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    std::string told;
    const INT_PTR retried = RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        SetText(form, IDC_CUSHION, "new");
        WhenDialogOpens("Tallyvane", [&](HWND question) {
            told = Text(question, IDC_SAVE_FAILED_MESSAGE);
            ::PostMessageA(question, WM_COMMAND, IDCANCEL, 0);
        });
        ::SendMessageA(form, WM_CLOSE, 0, 0);
        EXPECT_TRUE(::IsWindowVisible(form)) << "Escape goes back to the form";
        EXPECT_EQ(ReadBytes(File("main.txt")), stored);
        WhenDialogOpens("Tallyvane", [&](HWND question) {
            ::SetFileAttributesW(File("main.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
            ::PostMessageA(question, WM_COMMAND, IDRETRY, 0);
        });
        ::PostMessageA(form, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(retried, IDCANCEL);
    EXPECT_TRUE(NamesFileAndReason(told, "main.txt", "read-only"));
    EXPECT_EQ(ReadBytes(File("main.txt")), FormFile("", "0", "new"));

    ASSERT_TRUE(::SetFileAttributesW(File("main.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    CTallyvaneDlg form;
    const INT_PTR closed = RunModal(form, [&] {
        SetText(form.m_hWnd, IDC_CUSHION, "lost");
        WhenDialogOpens("Tallyvane", [](HWND question) {
            ::PostMessageA(question, WM_COMMAND, IDC_CLOSE_WITHOUT_SAVING, 0);
        });
        ::PostMessageA(form.m_hWnd, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(closed, IDOK);
    EXPECT_EQ(ReadBytes(File("main.txt")), FormFile("", "0", "new"));
    ::SetFileAttributesW(File("main.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(TallyvaneDlgTest, SavingCreatesAMissingWorkingFolder)
{
    std::filesystem::remove_all(m_folder);
    RunModal(m_form, [&] {
        SetText(m_form.m_hWnd, IDC_MONTHS8, "kept");
        ::PostMessageA(m_form.m_hWnd, WM_CLOSE, 0, 0);
    });
    std::string expected;
    for (int line = 1; line <= 14; ++line)
        expected += "\r\n";
    EXPECT_EQ(ReadBytes(File("main.txt")), expected + "kept\r\n\r\n01\r\n2004\r\n0\r\n\r\n");
}

TEST_F(TallyvaneDlgTest, AboutBoxFromTheSystemMenu)
{
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        HMENU menu = ::GetSystemMenu(form, FALSE);
        char text[100] = {};
        ::GetMenuStringA(menu, ID_SYSCMD_ABOUT, text, sizeof text, MF_BYCOMMAND);
        EXPECT_STREQ(text, "&About Tallyvane...");
        for (WPARAM command : {WPARAM{ID_SYSCMD_ABOUT}, WPARAM{ID_SYSCMD_ABOUT | 0x000F}})
        {
            bool opened = false;
            WhenDialogOpens("About Tallyvane", [&](HWND about) {
                opened = true;
                EXPECT_EQ(::GetWindow(about, GW_OWNER), form);
                EXPECT_EQ(Text(about, IDC_ABOUT_VERSION), "Tallyvane Version " TALLYVANE_VERSION);
                ::PostMessageA(about, WM_COMMAND, IDOK, 0);
            });
            ::SendMessageA(form, WM_SYSCOMMAND, command, 0);
            EXPECT_TRUE(opened) << command;
        }
        m_form.EndDialog(IDOK);
    });
}

// Typing "1", "2", "0", "0" into item 1's deposit shows the new adjustment after each character,
// without leaving the box; a text the program sets itself runs no analysis, and nothing is saved
// until the focus leaves.
TEST_F(TallyvaneDlgTest, TheResultFollowsTheTypingKeyByKey)
{
    WorkedExample::Write(m_folder);
    const std::string formFile = ReadBytes(File("main.txt"));
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        const HWND deposit = ::GetDlgItem(form, IDC_PER_MONTH1);
        ::SetFocus(deposit);
        ::SendMessageW(deposit, EM_SETSEL, 0, -1);
        const struct
        {
            wchar_t key;
            const char* result;
        } typed[] = {
            // Four months of the deposit typed so far, and item 2's six months of $200.00.
            {L'1', "-504.00 = $700.00 - $1204.00"},
            {L'2', "-548.00 = $700.00 - $1248.00"},
            {L'0', "-980.00 = $700.00 - $1680.00"},
            {L'0', "-5300.00 = $700.00 - $6000.00"},
        };
        for (const auto& key : typed)
        {
            ::PostMessageW(deposit, WM_CHAR, key.key, 0);
            PumpPending();
            EXPECT_EQ(Text(form, IDC_ADJUSTMENT), key.result) << "after " << char(key.key);
        }
        EXPECT_EQ(::GetFocus(), deposit);
        EXPECT_EQ(ReadBytes(File("main.txt")), formFile) << "saving waits for the focus to leave";
        m_form.EndDialog(IDOK);
    });
}

} // namespace

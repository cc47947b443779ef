// The disbursement schedule dialog over an owner window, driven from inside its own loop: what it
// shows from item 5's schedule file, and the file's bytes after each way out.
#include "DialogItems.h"
#include "ModalDriver.h"
#include "SaveMessage.h"
#include "TempFolder.h"
#include "WorkingFolderTest.h"

#include "core/files/TextLines.h"
#include "dialogs/Disbursements.h"
#include "res/resource.h"

#include <cstring>
#include <functional>
#include <string>

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
    for (int item : {1, 5, 8})
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
        EXPECT_EQ(caption, "Disbursement Schedule") << item;
        EXPECT_TRUE(focusOnOK) << item;
    }
}

TEST_F(DisbursementsTest, OpensEmptyWithoutAFileAndWritesOneOnlyOnOK)
{
    std::string months;
    bool existedWhileOpen = true;
    const INT_PTR result = Run([&](HWND dialog) {
        for (int month = 0; month < 12; ++month)
            months += Month(dialog, month) + "|";
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
        for (int month = 0; month < 12; ++month)
            months += Month(dialog, month) + "|";
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
        for (int month = 0; month < 12; ++month)
            months += Month(dialog, month) + "|";
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
        for (int month = 0; month < 12; ++month)
            months += Month(dialog, month) + "|";
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
        for (int month = 0; month < 12; ++month)
            months += Month(dialog, month) + "|";
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

// Puts the text on the clipboard, owned by the window.
bool CopyToClipboard(HWND owner, const std::string& text)
{
    if (!::OpenClipboard(owner))
        return false;
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
    const bool put = ::SetClipboardData(CF_TEXT, memory) != nullptr;
    ::CloseClipboard();
    return put;
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
        ASSERT_TRUE(CopyToClipboard(dialog, pasted));
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
} // namespace

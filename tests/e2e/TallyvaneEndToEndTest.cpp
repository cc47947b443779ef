// The built program in a scratch folder with its own working folder, driven from outside the way
// a closing agent uses it: typing, leaving fields, the "two months" box, a schedule edited in its
// dialog, the statement window, closing and starting again, Reset.
#include "app/OneCopyPerFolder.h"
#include "BuiltFile.h"
#include "FileHolder.h"
#include "FormFile.h"
#include "ProgramTest.h"
#include "SaveMessage.h"
#include "ScreenReader.h"
#include "TempFolder.h"

#include "core/closing/ClosingFile.h"
#include "core/files/WorkingFolder.h"
#include "res/resource.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <optional>
#include <string>

namespace
{

class TallyvaneEndToEnd : public ProgramTest
{
protected:
    void SetUp() override
    {
        static int counter = 0;
        m_place = std::filesystem::temp_directory_path() /
                  ("tallyvane-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                   std::to_string(counter++));
        // Process numbers come round again: a folder left by an earlier run goes first.
        std::filesystem::remove_all(m_place);
        std::filesystem::create_directories(Current());
        std::filesystem::copy_file(BuiltFile(TALLYVANE_PROGRAM), m_place / "Tallyvane.exe");
    }

    void TearDown() override
    {
        m_program.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_place, ignored);
    }

    FilePath File(const std::string& name) const { return Current() / name; }

    // Waits for the program to end by itself.
    void ExpectEnded() const { EXPECT_EQ(WaitForExit(), 0u); }
};

// The worked example: two schedules on disk, the figures in the form file; switching "two months"
// on sets the cushion and the result.
TEST_F(TallyvaneEndToEnd, WorkedExampleFromFilesToTheResult)
{
    WorkedExample::Write(Current());
    RemoteDialog form = Start();
    EXPECT_FALSE(form.IsChecked(IDC_TWO_MONTHS));
    EXPECT_EQ(form.Text(IDC_ITEM1), WorkedExample::kItem1);
    EXPECT_EQ(form.Text(IDC_ITEM2), WorkedExample::kItem2);
    EXPECT_EQ(form.Text(IDC_ITEM3), "$0.00");
    EXPECT_EQ(form.Text(IDC_MONTHLY_PAYMENT), WorkedExample::kMonthlyPayment);
    EXPECT_EQ(form.Text(IDC_ADJUSTMENT), WorkedExample::kAdjustment);

    form.Click(IDC_TWO_MONTHS);
    form.Sync();
    EXPECT_TRUE(form.IsChecked(IDC_TWO_MONTHS));
    EXPECT_EQ(form.Text(IDC_CUSHION), WorkedExample::kTwoMonthsCushion);
    EXPECT_EQ(form.Text(IDC_ADJUSTMENT), WorkedExample::kTwoMonthsAdjustment);

    // Switching it off changes nothing else.
    form.Click(IDC_TWO_MONTHS);
    form.Sync();
    EXPECT_FALSE(form.IsChecked(IDC_TWO_MONTHS));
    EXPECT_EQ(form.Text(IDC_CUSHION), WorkedExample::kTwoMonthsCushion);
    EXPECT_EQ(form.Text(IDC_ADJUSTMENT), WorkedExample::kTwoMonthsAdjustment);
}

// A screen reader is a program of its own: what it hears comes across from the program's process.
TEST_F(TallyvaneEndToEnd, AScreenReaderInAnotherProcessHearsTheFormsNamesAndFigures)
{
    WorkedExample::Write(Current());
    RemoteDialog form = Start();
    const Heard deposit = AskLikeAScreenReader(form.Control(IDC_PER_MONTH4));
    ASSERT_TRUE(deposit.answered);
    EXPECT_EQ(AsciiText(deposit.name), "1004. County property taxes, per month");
    EXPECT_EQ(deposit.role, ROLE_SYSTEM_TEXT);

    const Heard button = AskLikeAScreenReader(form.Control(IDC_ITEM1));
    EXPECT_EQ(AsciiText(button.name), "1001. Hazard insurance schedule");
    EXPECT_EQ(button.role, ROLE_SYSTEM_PUSHBUTTON);

    const Heard result = AskLikeAScreenReader(form.Control(IDC_ADJUSTMENT));
    EXPECT_EQ(AsciiText(result.name), "Aggregate escrow adjustment");
    EXPECT_EQ(AsciiText(result.value), WorkedExample::kAdjustment);

    form.Click(IDC_TWO_MONTHS);
    form.Sync();
    const Heard twoMonths = AskLikeAScreenReader(form.Control(IDC_TWO_MONTHS));
    EXPECT_EQ(twoMonths.role, ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_TRUE(twoMonths.state & STATE_SYSTEM_CHECKED);
}

TEST_F(TallyvaneEndToEnd, TypingAndLeavingFieldsRecomputes)
{
    RemoteDialog form = Start();
    EXPECT_EQ(form.FocusedControl(), form.Control(IDC_MONTHS1));
    EXPECT_EQ(form.Text(IDC_ADJUSTMENT), "");
    form.SetText(IDC_MONTHS1, WorkedExample::kMonths1);
    form.SetText(IDC_PER_MONTH1, WorkedExample::kDeposit1);
    form.Focus(IDC_PER_MONTH1);
    form.Focus(IDC_MONTHS2);
    EXPECT_EQ(form.Text(IDC_MONTHLY_PAYMENT), "0.00");
    EXPECT_EQ(form.Text(IDC_ADJUSTMENT), WorkedExample::kItem1AloneAdjustment);

    // The year is only stored: leaving it runs nothing.
    form.SetText(IDC_MONTHS2, "1");
    form.SetText(IDC_PER_MONTH2, "100");
    form.Focus(IDC_FIRST_PAYMENT_YEAR);
    form.SetText(IDC_FIRST_PAYMENT_YEAR, "2027");
    form.Focus(IDC_CUSHION);
    EXPECT_EQ(form.Text(IDC_ADJUSTMENT), "-300.00 = $0.00 - $300.00");
    form.SetText(IDC_CUSHION, "$1,000.00");
    form.PressKey(VK_TAB);
    form.Sync();
    EXPECT_EQ(form.Text(IDC_ADJUSTMENT), "700.00 = $1000.00 - $300.00");
}

TEST_F(TallyvaneEndToEnd, ScheduleEditedInItsDialog)
{
    RemoteDialog form = Start();
    RemoteDialog schedule = OpenSchedule(form, IDC_ITEM5);
    EXPECT_EQ(schedule.FocusedControl(), schedule.Control(IDOK));
    schedule.SetText(IDC_MARCH, "1,200.00");
    schedule.PressKey(VK_RETURN);
    ASSERT_TRUE(schedule.WaitUntilGone(kWait));
    form.Sync();
    EXPECT_EQ(ReadBytes(File("part5.txt")),
              "\r\n\r\n1,200.00\r\n" + std::string("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(form.Text(IDC_ITEM5), "$1,200.00");
    EXPECT_EQ(form.Text(IDC_MONTHLY_PAYMENT), "100.00");

    // Cancel keeps the file as it was; the caption is recomputed all the same.
    schedule = OpenSchedule(form, IDC_ITEM5);
    EXPECT_EQ(schedule.Text(IDC_MARCH), "1,200.00");
    schedule.SetText(IDC_MARCH, "9");
    schedule.PressKey(VK_ESCAPE);
    ASSERT_TRUE(schedule.WaitUntilGone(kWait));
    form.Sync();
    EXPECT_EQ(form.Text(IDC_ITEM5), "$1,200.00");
    EXPECT_EQ(ReadBytes(File("part5.txt")).substr(0, 14), "\r\n\r\n1,200.00\r\n");
}

TEST_F(TallyvaneEndToEnd, CloseAndRestartShowsTheSameFigures)
{
    WriteBytes(File("part3.txt"), "100\r\n200\r\n");
    RemoteDialog form = Start();
    form.SetText(IDC_MONTHS3, " 2.5 ");
    form.SetText(IDC_PER_MONTH3, "$100.00");
    form.SetText(IDC_FIRST_PAYMENT_MONTH, "3");
    form.SetText(IDC_CUSHION, "not a number");
    form.Click(IDC_TWO_MONTHS);
    form.Sync();
    form.PostClose();
    ExpectEnded();

    form = Start();
    EXPECT_EQ(form.Text(IDC_MONTHS3), " 2.5 ");
    EXPECT_EQ(form.Text(IDC_PER_MONTH3), "$100.00");
    EXPECT_EQ(form.Text(IDC_FIRST_PAYMENT_MONTH), "3");
    EXPECT_TRUE(form.IsChecked(IDC_TWO_MONTHS));
    EXPECT_EQ(form.Text(IDC_CUSHION), "50.00");
    EXPECT_EQ(form.Text(IDC_ITEM3), "$300.00");
    EXPECT_EQ(form.Text(IDC_MONTHLY_PAYMENT), "25.00");
}

// "Tallyvane.exe PATH", as a double-click on a closing file starts it: the form opens on that
// closing, names its file in the caption, and the next start without a path shows it again.
TEST_F(TallyvaneEndToEnd, AClosingFileOnTheCommandLineOpensAtStart)
{
    const FilePath closing = m_place / "Loan 2026-0142.tallyvane";
    ClosingContents contents;
    contents.details.loanNumber = "2026-0142";
    contents.formFile = FormFile("4\r\n$50.00\r\n", "0", "100.00");
    contents.scheduleFiles[0] = "\r\n\r\n600.00\r\n";
    ASSERT_EQ(SaveClosingFile(closing, contents), SaveFailure::None);

    RemoteDialog form = StartWith(closing);
    EXPECT_EQ(form.Text(IDC_MONTHS1), "4");
    EXPECT_EQ(form.Text(IDC_ITEM1), "$600.00");
    EXPECT_EQ(form.Text(IDC_CUSHION), "100.00");
    EXPECT_EQ(ReadBytes(File("part1.txt")), "\r\n\r\n600.00\r\n");
    form.PostClose();
    ExpectEnded();

    m_program =
        std::make_unique<RemoteProgram>((m_place / "Tallyvane.exe").wstring(), m_place.wstring());
    form = RemoteDialog::WaitFor(std::string("Loan 2026-0142.tallyvane - ") + kFormCaption,
                                 m_program->ProcessId(), kWait);
    ASSERT_TRUE(form) << "the next start names the same closing";
    form.Sync();
    EXPECT_EQ(form.Text(IDC_MONTHS1), "4");
    form.PostClose();
    ExpectEnded();
}

// One closing file, two program folders: while one program has the closing open, the other is
// told who has it and does not open it; once the first closes it, or when the lock names a
// program of this computer that died, the other opens it.
TEST_F(TallyvaneEndToEnd, AClosingIsOpenInOnePlace)
{
    const FilePath closing = m_place / "Loan.tallyvane";
    ClosingContents contents;
    contents.formFile = FormFile("4\r\n$50.00\r\n", "0", "");
    ASSERT_EQ(SaveClosingFile(closing, contents), SaveFailure::None);
    const FilePath second = m_place / "second";
    std::filesystem::create_directories(second / "current");
    std::filesystem::copy_file(m_place / "Tallyvane.exe", second / "Tallyvane.exe");
    const std::string named = std::string("Loan.tallyvane - ") + kFormCaption;
    const auto startSecond = [&] {
        return std::make_unique<RemoteProgram>((second / "Tallyvane.exe").wstring(),
                                               second.wstring(), L"\"" + closing.wstring() + L"\"");
    };

    // This user and computer, as a lock names them.
    wchar_t user[256] = {};
    DWORD userLength = 256;
    wchar_t computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD computerLength = MAX_COMPUTERNAME_LENGTH + 1;
    GetUserNameW(user, &userLength);
    GetComputerNameW(computer, &computerLength);
    char userText[256] = {};
    char computerText[64] = {};
    WideCharToMultiByte(CP_UTF8, 0, user, -1, userText, sizeof userText, nullptr, nullptr);
    WideCharToMultiByte(CP_UTF8, 0, computer, -1, computerText, sizeof computerText, nullptr,
                        nullptr);

    RemoteDialog form = StartWith(closing);
    ASSERT_TRUE(std::filesystem::exists(m_place / "~$Loan.tallyvane"));
    {
        const std::unique_ptr<RemoteProgram> other = startSecond();
        RemoteDialog told = RemoteDialog::WaitFor(kMessageCaption, other->ProcessId(), kWait);
        ASSERT_TRUE(told) << "the second program says who has the closing";
        EXPECT_EQ(told.Text(kMessageBoxText), std::string("Loan.tallyvane is open by ") + userText +
                                                  " on " + computerText + ".");
        told.PressKey(VK_RETURN);
        RemoteDialog untitled = RemoteDialog::WaitFor(kFormCaption, other->ProcessId(), kWait);
        ASSERT_TRUE(untitled) << "the second program goes on untitled";
        untitled.Sync();
        EXPECT_EQ(untitled.Text(IDC_MONTHS1), "");
        untitled.PostClose();
        EXPECT_EQ(other->WaitForExit(kWait), 0u);
    }
    form.PostClose();
    ExpectEnded();
    EXPECT_FALSE(std::filesystem::exists(m_place / "~$Loan.tallyvane")) << "closing unlocks";

    // A lock left by a program of this computer that is gone is taken over without a question:
    // its process number runs nothing now, or a program that is not this one (here the test's
    // own), as Windows gives a dead program's number to new processes.
    for (const unsigned long gone : {2147483640ul, GetCurrentProcessId()})
    {
        SCOPED_TRACE(gone);
        WriteBytes(m_place / "~$Loan.tallyvane", std::string("someone\r\n") + computerText +
                                                     "\r\n" + std::to_string(gone) + "\r\n");
        const std::unique_ptr<RemoteProgram> other = startSecond();
        RemoteDialog opened = RemoteDialog::WaitFor(named, other->ProcessId(), kWait);
        ASSERT_TRUE(opened) << "the stale lock was taken over";
        opened.Sync();
        EXPECT_EQ(opened.Text(IDC_MONTHS1), "4");
        opened.PostClose();
        EXPECT_EQ(other->WaitForExit(kWait), 0u);
    }
}

// A closing file double-clicked while the program runs on this folder opens in the running copy,
// which asks first about the untitled figures it holds; the second start ends at once.
TEST_F(TallyvaneEndToEnd, ASecondStartHandsItsClosingToTheRunningCopy)
{
    const FilePath closing = m_place / "Handed.tallyvane";
    ClosingContents contents;
    contents.formFile = FormFile("9\r\n$10.00\r\n", "0", "");
    ASSERT_EQ(SaveClosingFile(closing, contents), SaveFailure::None);
    RemoteDialog form = Start();
    form.SetText(IDC_MONTHS2, "3");
    form.Focus(IDC_MONTHS3);
    form.Sync();
    {
        RemoteProgram second((m_place / "Tallyvane.exe").wstring(), m_place.wstring(),
                             L"\"" + closing.wstring() + L"\"");
        ASSERT_TRUE(second.Started());
        EXPECT_EQ(second.WaitForExit(kWait), 0u) << "the second start ended";
    }
    RemoteDialog question = WaitForMessage();
    ASSERT_TRUE(question) << "the running copy asks about its untitled figures";
    question.Click(IDNO);
    EXPECT_TRUE(question.WaitUntilGone(kWait));
    RemoteDialog named = RemoteDialog::WaitFor(std::string("Handed.tallyvane - ") + kFormCaption,
                                               m_program->ProcessId(), kWait);
    ASSERT_TRUE(named) << "the running copy opened the closing";
    named.Sync();
    EXPECT_EQ(named.Text(IDC_MONTHS1), "9");
    EXPECT_EQ(named.Text(IDC_MONTHS2), "");
    named.PostClose();
    ExpectEnded();
}

// A closing file started while this folder is held by a copy whose form never shows (here the
// test holds it) is told after the few seconds a starting copy is given, not dropped without a
// word; the second start then ends.
TEST_F(TallyvaneEndToEnd, AClosingNoRunningCopyTakesIsTold)
{
    const FilePath closing = m_place / "Handed.tallyvane";
    ASSERT_EQ(SaveClosingFile(closing, ClosingContents{}), SaveFailure::None);
    const OneCopyPerFolder claim(m_place / "current");
    ASSERT_FALSE(claim.AnotherCopyRuns());
    RemoteProgram second((m_place / "Tallyvane.exe").wstring(), m_place.wstring(),
                         L"\"" + closing.wstring() + L"\"");
    ASSERT_TRUE(second.Started());
    RemoteDialog told = RemoteDialog::WaitFor(kMessageCaption, second.ProcessId(), 20000);
    ASSERT_TRUE(told) << "the closing that was not taken is told";
    told.Sync();
    const std::string text = told.Text(kMessageBoxText);
    EXPECT_NE(text.find("Handed.tallyvane could not be handed to the Tallyvane that runs on this "
                        "folder."),
              std::string::npos)
        << text;
    told.PressKey(VK_RETURN);
    EXPECT_EQ(second.WaitForExit(kWait), 0u);
}

// Escape and Enter end the form too, and keep what was typed.
TEST_F(TallyvaneEndToEnd, EscapeAndEnterKeepTheFigures)
{
    for (WPARAM key : {VK_ESCAPE, VK_RETURN})
    {
        RemoteDialog form = Start();
        const std::string typed = key == VK_ESCAPE ? "escape" : "enter";
        form.SetText(IDC_PER_MONTH8, typed);
        form.PressKey(key);
        ExpectEnded();
        form = Start();
        EXPECT_EQ(form.Text(IDC_PER_MONTH8), typed);
        form.PostClose();
        ExpectEnded();
    }
}

// The Statement button opens the statement over the form; Escape closes it and the form goes on.
TEST_F(TallyvaneEndToEnd, TheStatementOpensOverTheFormAndEscapeClosesIt)
{
    WorkedExample::Write(Current());
    RemoteDialog form = Start();
    form.Click(IDC_SHOW_STATEMENT);
    const RemoteDialog statement =
        RemoteDialog::WaitFor(kStatementCaption, m_program->ProcessId(), kWait);
    ASSERT_TRUE(statement) << "the statement did not appear";
    statement.Sync();
    EXPECT_EQ(statement.Caption(), kStatementCaption);
    EXPECT_EQ(GetWindow(statement.Handle(), GW_OWNER), form.Handle());
    EXPECT_FALSE(IsWindowEnabled(form.Handle())) << "the statement is modal over the form";
    statement.PressKey(VK_ESCAPE);
    ASSERT_TRUE(statement.WaitUntilGone(kWait));
    form.Sync();
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
    EXPECT_EQ(form.Text(IDC_ADJUSTMENT), WorkedExample::kAdjustment);
    form.PostClose();
    ExpectEnded();
}

TEST_F(TallyvaneEndToEnd, ResetClearsTheWorkingFolderAndTheForm)
{
    WriteBytes(File("part1.txt"), "5\r\n");
    WriteBytes(File("notes.txt"), "x");
    WriteBytes(File("part1.bak"), "x");
    RemoteDialog form = Start();
    form.SetText(IDC_MONTHS1, "4");
    form.PostClose();
    ExpectEnded();

    form = Start();
    EXPECT_EQ(form.Text(IDC_ITEM1), "$5.00");
    form.Click(IDC_RESET);
    RemoteDialog question = WaitForMessage();
    ASSERT_TRUE(question);
    question.Click(IDYES);
    // The files go once the question has gone and Reset goes on.
    EXPECT_TRUE(question.WaitUntilGone(kWait));
    form.Sync();
    EXPECT_FALSE(std::filesystem::exists(File("main.txt")));
    EXPECT_FALSE(std::filesystem::exists(File("part1.txt")));
    EXPECT_FALSE(std::filesystem::exists(File("notes.txt")));
    EXPECT_TRUE(std::filesystem::exists(File("part1.bak")));
    EXPECT_EQ(form.Text(IDC_MONTHS1), "");
    EXPECT_EQ(form.Text(IDC_ITEM1), "$0.00");
    EXPECT_EQ(form.Text(IDC_FIRST_PAYMENT_MONTH), "01");
    EXPECT_EQ(form.Text(IDC_FIRST_PAYMENT_YEAR), "2004");
}

// Windows logging off asks the program whether it may end, then tells it that it does and ends
// the process: the answer is yes, and the form typed so far is in the form file.
TEST_F(TallyvaneEndToEnd, TheEndOfTheSessionSavesTheForm)
{
    RemoteDialog form = Start();
    form.SetText(IDC_MONTHS1, "4");
    form.SetText(IDC_PER_MONTH1, "$50.00");
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(form.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                    SMTO_ABORTIFHUNG, kWait, &answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    ASSERT_TRUE(SendMessageTimeoutA(form.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                    SMTO_ABORTIFHUNG, kWait, &answer));
    m_program.reset();
    std::string emptyItems;
    for (int line = 3; line <= 16; ++line)
        emptyItems += "\r\n";
    EXPECT_EQ(ReadBytes(File("main.txt")),
              "4\r\n$50.00\r\n" + emptyItems + "01\r\n2004\r\n0\r\n\r\n");
}

// A save that fails as the session ends asks nothing, since nobody is there to answer, and
// leaves the old file whole.
TEST_F(TallyvaneEndToEnd, AFailedSaveAtTheEndOfTheSessionAsksNothing)
{
    WriteBytes(File("main.txt"), "old\r\n");
    RemoteDialog form = Start();
    form.SetText(IDC_MONTHS1, "typed");
    {
        FileHolder holder(BuiltFile(TALLYVANE_HOLD_FILE), File("main.txt"), 60000);
        ASSERT_TRUE(holder.Holding());
        DWORD_PTR answer = 0;
        ASSERT_TRUE(SendMessageTimeoutA(form.Handle(), WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG,
                                        kWait, &answer));
        EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
        EXPECT_TRUE(SendMessageTimeoutA(form.Handle(), WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG,
                                        kWait, &answer))
            << "the form answered the end of the session";
        EXPECT_FALSE(RemoteDialog::WaitFor(kMessageCaption, m_program->ProcessId(), 1000))
            << "a question was asked";
        m_program.reset();
    }
    EXPECT_EQ(ReadBytes(File("main.txt")), "old\r\n");
    EXPECT_FALSE(std::filesystem::exists(File("main.txt.tmp")));
}

// A second start on the same working folder brings the running form forward and ends at once,
// writing nothing; a copy in another folder runs as usual.
TEST_F(TallyvaneEndToEnd, OneCopyPerWorkingFolder)
{
    RemoteDialog form = Start();
    form.SetText(IDC_MONTHS1, "first");
    ShowWindow(form.Handle(), SW_MINIMIZE);
    {
        RemoteProgram second((m_place / "Tallyvane.exe").wstring(), m_place.wstring());
        ASSERT_TRUE(second.Started());
        EXPECT_EQ(second.WaitForExit(kWait), 0u) << "the second copy ended";
    }
    form.Sync();
    EXPECT_FALSE(IsIconic(form.Handle()));
    EXPECT_EQ(GetForegroundWindow(), form.Handle());
    EXPECT_EQ(form.Text(IDC_MONTHS1), "first");
    // The running copy saved its box as it lost the focus; the second copy saved nothing over it.
    for (int wait = 0; wait < 100 && !std::filesystem::exists(File("main.txt")); ++wait)
        Sleep(20);
    EXPECT_EQ(ReadBytes(File("main.txt")).substr(0, 7), "first\r\n");

    const FilePath elsewhere = m_place / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    std::filesystem::copy_file(m_place / "Tallyvane.exe", elsewhere / "Tallyvane.exe");
    RemoteProgram other((elsewhere / "Tallyvane.exe").wstring(), elsewhere.wstring());
    RemoteDialog otherForm = RemoteDialog::WaitFor(kFormCaption, other.ProcessId(), kWait);
    ASSERT_TRUE(otherForm) << "a copy in another folder runs";
    otherForm.PostClose();
    EXPECT_EQ(other.WaitForExit(kWait), 0u);
    EXPECT_TRUE(std::filesystem::exists(elsewhere / "current" / "main.txt"));

    form.PostClose();
    ExpectEnded();
    EXPECT_TRUE(std::filesystem::exists(File("main.txt")));
}

// Another program holds the form file all the while: closing asks within seconds, naming the
// other program as the reason, and "Close without saving" leaves the old file whole.
TEST_F(TallyvaneEndToEnd, ClosingWhileAnotherProgramHoldsTheFormFile)
{
    WriteBytes(File("main.txt"), "old\r\n");
    RemoteDialog form = Start();
    form.SetText(IDC_MONTHS1, "typed");
    {
        FileHolder holder(BuiltFile(TALLYVANE_HOLD_FILE), File("main.txt"), 60000);
        ASSERT_TRUE(holder.Holding());
        const ULONGLONG start = GetTickCount64();
        form.PostClose();
        RemoteDialog question = WaitForMessage();
        ASSERT_TRUE(question);
        EXPECT_LT(GetTickCount64() - start, 5000u);
        const std::string told = question.Text(IDC_SAVE_FAILED_MESSAGE);
        EXPECT_TRUE(NamesFileAndReason(told, "main.txt", "another program is using the file"));
        question.Click(IDC_CLOSE_WITHOUT_SAVING);
        ExpectEnded();
    }
    EXPECT_EQ(ReadBytes(File("main.txt")), "old\r\n");
    EXPECT_FALSE(std::filesystem::exists(File("main.txt.tmp")));
}

// The program in a folder whose name holds characters outside the ANSI code page keeps its
// figures like anywhere else.
TEST_F(TallyvaneEndToEnd, WorksFromAForeignFolderName)
{
    const FilePath place = m_place / L"Escrow \u00c9t\u00e9 \u65e5\u672c \u0416";
    std::filesystem::create_directories(place);
    std::filesystem::copy_file(m_place / "Tallyvane.exe", place / "Tallyvane.exe");
    for (int run = 1; run <= 2; ++run)
    {
        RemoteProgram program((place / "Tallyvane.exe").wstring(), place.wstring());
        RemoteDialog form = RemoteDialog::WaitFor(kFormCaption, program.ProcessId(), kWait);
        ASSERT_TRUE(form) << "run " << run;
        if (run == 1)
        {
            form.SetText(IDC_MONTHS1, "4");
            form.SetText(IDC_PER_MONTH1, "50");
            form.Focus(IDC_CUSHION);
        }
        EXPECT_EQ(form.Text(IDC_MONTHS1), "4") << "run " << run;
        EXPECT_EQ(form.Text(IDC_ADJUSTMENT), "-200.00 = $0.00 - $200.00") << "run " << run;
        form.PostClose();
        EXPECT_EQ(program.WaitForExit(kWait), 0u);
        EXPECT_TRUE(std::filesystem::exists(place / "current" / "main.txt"));
    }
}

// Whatever bytes the files hold, the program starts, shows figures it can stand by, and closes.
// It reads a line at a time, so no file makes it hold much more memory than an empty folder does.
TEST_F(TallyvaneEndToEnd, StartsOnHostileFiles)
{
    // Counted while the program runs: Wine forgets them once it has ended.
    RemoteDialog emptyFolder = Start();
    const SIZE_T emptyFolderPeak = m_program->PeakPrivateBytes();
    emptyFolder.PostClose();
    ExpectEnded();
    ASSERT_GT(emptyFolderPeak, 0u);
    constexpr SIZE_T kMoreAllowed = 4 * 1024 * 1024;

    std::string garbage(64 * 1024, '\0');
    unsigned state = 12345;
    for (char& byte : garbage)
        byte = static_cast<char>((state = state * 1103515245 + 12345) >> 16);
    std::string millionLines;
    for (int line = 0; line < 1000000; ++line)
        millionLines += "1\r\n";
    // What the first box shows follows from the reading rules: CR LF or a lone LF ends a line, a
    // lone CR stays in it, a read takes at most 499 characters, the box shows the line without its
    // CRs, up to its first NUL byte. Byte-order marks are read as text. A schedule alone leaves the
    // form as a cleared start shows it.
    const struct
    {
        const char* what;
        const char* file;
        std::string bytes;
        std::optional<std::string> months1; // what the first box shows, when worked out
    } cases[] = {
        {"10 MB single-line form file", "main.txt", std::string(10 * 1024 * 1024, '7'),
         std::string(499, '7')},
        {"schedule of NUL bytes", "part1.txt", std::string(4096, '\0'), ""},
        {"binary garbage as form file", "main.txt", garbage, std::nullopt},
        {"a million lines", "part2.txt", millionLines, ""},
        // One line: every CR stays in it, and the box drops them.
        {"CR-only form file", "main.txt", "4\r$50.00\r6\r", "4$50.006"},
        {"LF-only form file", "main.txt", "4\n$50.00\n", "4"},
        {"UTF-8 byte-order mark", "main.txt",
         "\xEF\xBB\xBF"
         "4\r\n",
         "\xEF\xBB\xBF"
         "4"},
        // The first line is FF FE '4' NUL CR NUL, ended by the LF; without its CR the box shows it
        // up to the first NUL.
        {"UTF-16 byte-order mark", "main.txt",
         std::string("\xFF\xFE"
                     "4\0\r\0\n\0",
                     8),
         "\xFF\xFE"
         "4"},
        {"amounts beyond the double range", "main.txt", "1e400\r\n1e400\r\n", "1e400"},
    };
    for (const auto& c : cases)
    {
        std::filesystem::remove_all(m_place / "current");
        std::filesystem::create_directories(m_place / "current");
        WriteBytes(File(c.file), c.bytes);
        RemoteDialog form = Start();
        ASSERT_TRUE(form) << c.what;
        if (c.months1)
        {
            EXPECT_EQ(form.Text(IDC_MONTHS1), *c.months1) << c.what;
        }
        form.Focus(IDC_CUSHION);
        form.Focus(IDC_MONTHS2);
        const std::string result = form.Text(IDC_ADJUSTMENT);
        EXPECT_NE(result, "") << c.what;
        EXPECT_EQ(result.find('#'), std::string::npos) << c.what << ": " << result;
        EXPECT_LT(m_program->PeakPrivateBytes(), emptyFolderPeak + kMoreAllowed) << c.what;
        form.PostClose();
        ExpectEnded();
    }
}

} // namespace

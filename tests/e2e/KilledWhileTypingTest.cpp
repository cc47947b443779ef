// The program killed (TerminateProcess: no chance to save) while a closing agent types: every
// figure moved on from a second before is back at the next start, in the working folder and in
// the closing file, and no file is ever torn.
#include "BuiltFile.h"
#include "ProgramTest.h"
#include "TempFolder.h"

#include "core/closing/ClosingFile.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace
{

// The captions of the process's visible top-level windows, for a failure to name what showed.
std::string WindowsOf(DWORD processId)
{
    struct Search
    {
        DWORD processId;
        std::string captions;
    } search{processId, ""};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& found = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char caption[512] = {};
            if (owner == found.processId && IsWindowVisible(window) &&
                GetWindowTextA(window, caption, sizeof caption) > 0)
                found.captions += std::string("\"") + caption + "\" ";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.captions.empty() ? "no window" : search.captions;
}

class KilledWhileTyping : public ProgramTest
{
protected:
    void SetUp() override
    {
        m_place = std::filesystem::temp_directory_path() /
                  ("tallyvane-killed-" + std::to_string(GetCurrentProcessId()));
        std::filesystem::remove_all(m_place);
        std::filesystem::create_directories(Current());
        std::filesystem::copy_file(BuiltFile(TALLYVANE_PROGRAM), m_place / "Tallyvane.exe");
        std::filesystem::remove_all(m_closing.parent_path());
        ASSERT_EQ(SaveClosingFile(m_closing, ClosingContents{}), SaveFailure::None);
    }

    void TearDown() override
    {
        m_program.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_place, ignored);
        std::filesystem::remove_all(m_closing.parent_path(), ignored);
    }

    // Starts the program again on the closing it had open.
    RemoteDialog Restart()
    {
        m_program = std::make_unique<RemoteProgram>((m_place / "Tallyvane.exe").wstring(),
                                                    m_place.wstring());
        RemoteDialog form = RemoteDialog::WaitFor(std::string("Loan.tallyvane - ") + kFormCaption,
                                                  m_program->ProcessId(), kWait);
        EXPECT_TRUE(form) << "the form came back on its closing; the program shows: "
                          << WindowsOf(m_program->ProcessId());
        form.Sync();
        return form;
    }

    // Ends the program at once, as a power cut or the task manager would.
    void Kill() { m_program.reset(); }

    // The first line of the bytes, without its line end.
    static std::string FirstLine(const std::string& bytes)
    {
        return bytes.substr(0, bytes.find('\r'));
    }

    // The form file and the closing file as they are on disk, checked whole: the form file's
    // twenty lines, and a closing file that opens.
    void ExpectWholeFiles(std::string& formFirstLine, std::string& closingFirstLine)
    {
        const std::string form = ReadBytes(Current() / "main.txt");
        std::size_t lines = 0;
        for (std::size_t at = form.find("\r\n"); at != std::string::npos;
             at = form.find("\r\n", at + 2))
            ++lines;
        EXPECT_EQ(lines, 20u) << "the form file is whole";
        EXPECT_EQ(form.substr(form.size() - 2), "\r\n");
        const ClosingFileRead closing = ReadClosingFile(m_closing);
        EXPECT_EQ(closing.problem, ClosingFileRead::Problem::None) << "the closing file opens";
        formFirstLine = FirstLine(form);
        closingFirstLine = closing.contents.formFile ? FirstLine(*closing.contents.formFile) : "";
    }

    FilePath m_closing = std::filesystem::temp_directory_path() /
                         ("tallyvane-killed-closing-" + std::to_string(GetCurrentProcessId())) /
                         "Loan.tallyvane";
};

TEST_F(KilledWhileTyping, EveryFigureMovedOnFromIsBackAfterAKill)
{
    RemoteDialog form = StartWith(m_closing);
    form.SetText(IDC_MONTHS1, "3");
    form.Focus(IDC_PER_MONTH1);
    form.SetText(IDC_PER_MONTH1, "$125.00");
    form.Focus(IDC_CUSHION);
    form.SetText(IDC_CUSHION, "250.00");
    form.Focus(IDC_FIRST_PAYMENT_YEAR);
    form.SetText(IDC_FIRST_PAYMENT_YEAR, "2027");
    form.Focus(IDC_MONTHS2);
    RemoteDialog schedule = OpenSchedule(form, IDC_ITEM3);
    schedule.SetText(IDC_MARCH, "900.00");
    schedule.PressKey(VK_RETURN);
    ASSERT_TRUE(schedule.WaitUntilGone(kWait));
    form.Sync();
    Sleep(1000);
    Kill();

    const ClosingFileRead closing = ReadClosingFile(m_closing);
    ASSERT_EQ(closing.problem, ClosingFileRead::Problem::None);
    EXPECT_EQ(closing.contents.formFile, ReadBytes(Current() / "main.txt"));
    EXPECT_EQ(closing.contents.scheduleFiles[2], ReadBytes(Current() / "part3.txt"));
    EXPECT_NE(ReadBytes(Current() / "part3.txt").find("900.00"), std::string::npos);

    form = Restart();
    EXPECT_EQ(form.Text(IDC_MONTHS1), "3");
    EXPECT_EQ(form.Text(IDC_PER_MONTH1), "$125.00");
    EXPECT_EQ(form.Text(IDC_CUSHION), "250.00");
    EXPECT_EQ(form.Text(IDC_FIRST_PAYMENT_YEAR), "2027");
    EXPECT_EQ(form.Text(IDC_ITEM3), "$900.00");
}

// A hundred kills at random moments after typing: a figure moved on from more than a second before
// the kill is never lost, the one typed just before may or may not be saved, and neither the form
// file nor the closing file is ever torn.
TEST_F(KilledWhileTyping, AHundredKillsTearNoFileAndLoseNothingOlderThanASecond)
{
    std::filesystem::create_directories(m_closing.parent_path());
    ASSERT_EQ(SaveClosingFile(m_closing, ClosingContents{}), SaveFailure::None);
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> moment(0, 300);
    RemoteDialog form = StartWith(m_closing);
    for (int round = 0; round < 100; ++round)
    {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::string older = std::to_string(round) + ".5";
        const std::string newer = std::to_string(round) + ".75";
        form.SetText(IDC_MONTHS1, older);
        form.Focus(IDC_PER_MONTH1);
        Sleep(1100);
        form.SetText(IDC_MONTHS1, newer);
        form.Focus(IDC_CUSHION);
        Sleep(static_cast<DWORD>(moment(random)));
        Kill();

        std::string onDisk, inClosing;
        ExpectWholeFiles(onDisk, inClosing);
        EXPECT_TRUE(onDisk == older || onDisk == newer) << onDisk;
        EXPECT_TRUE(inClosing == older || inClosing == newer) << inClosing;
        form = Restart();
        EXPECT_EQ(form.Text(IDC_MONTHS1), onDisk);
        if (HasFailure())
            return;
    }
}

} // namespace

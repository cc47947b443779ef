// A real full disk: the working folder is a small file system of its own (the script mounts it),
// filled here by one file that takes every block, or by empty files that take every file entry.
// A save that does not fit leaves the old file whole and no temporary file, the program says so
// and keeps what was typed, and once there is room again the same save goes through.
#include "ProgramTest.h"
#include "SaveMessage.h"
#include "TempFolder.h"

#include "core/files/SafeSave.h"
#include "res/resource.h"

#include <string>
#include <vector>

namespace
{

// Takes the room left on the disk until released.
class DiskFiller
{
public:
    enum Kind
    {
        Blocks,  // one file grown until no byte more fits
        Entries, // empty files until no file more can be made
    };

    DiskFiller(const FilePath& folder, Kind kind)
    {
        if (kind == Blocks)
            FillBlocks(folder / "filler.bin");
        else
            FillEntries(folder);
    }
    ~DiskFiller() { Release(); }
    DiskFiller(const DiskFiller&) = delete;
    DiskFiller& operator=(const DiskFiller&) = delete;

    // The error that ended the filling.
    DWORD Error() const { return m_error; }

    void Release()
    {
        for (const FilePath& file : m_files)
            DeleteFileW(file.c_str());
        m_files.clear();
    }

private:
    void FillBlocks(const FilePath& file)
    {
        const HANDLE handle =
            CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
        {
            m_error = GetLastError();
            return;
        }
        m_files.push_back(file);
        const std::string block(4096, 'f');
        for (DWORD size : {DWORD{4096}, DWORD{1}})
        {
            DWORD written = size;
            while (written == size && WriteFile(handle, block.data(), size, &written, nullptr))
            {
            }
            m_error = GetLastError();
        }
        CloseHandle(handle);
    }

    void FillEntries(const FilePath& folder)
    {
        for (int number = 0;; ++number)
        {
            const FilePath file = folder / ("entry" + std::to_string(number));
            const HANDLE handle =
                CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
            if (handle == INVALID_HANDLE_VALUE)
            {
                m_error = GetLastError();
                return;
            }
            CloseHandle(handle);
            m_files.push_back(file);
        }
    }

    std::vector<FilePath> m_files;
    DWORD m_error = ERROR_SUCCESS;
};

// Each test starts on the small disk emptied of what the tests before it left there.
class FullDisk : public PreparedPlaceTest
{
protected:
    void SetUp() override
    {
        PreparedPlaceTest::SetUp();
        for (const auto& entry : std::filesystem::directory_iterator(Current()))
            std::filesystem::remove_all(entry.path());
    }
};

TEST_F(FullDisk, ASaveThatDoesNotFitLeavesTheOldFileWhole)
{
    const std::string old = "old\r\n";
    const std::string fresh = std::string(64 * 1024, 'n') + "\r\n";
    for (DiskFiller::Kind kind : {DiskFiller::Blocks, DiskFiller::Entries})
    {
        const FilePath target = Current() / "disk.txt";
        ASSERT_EQ(SaveFileSafely(target, old), SaveFailure::None) << kind;
        DiskFiller filler(Current(), kind);
        EXPECT_EQ(filler.Error(), DWORD{ERROR_DISK_FULL}) << kind;
        EXPECT_EQ(SaveFileSafely(target, fresh), SaveFailure::DiskFull) << kind;
        EXPECT_EQ(ReadBytes(target), old) << kind;
        EXPECT_FALSE(HasTemporaryFile(Current())) << kind;

        filler.Release();
        EXPECT_EQ(SaveFileSafely(target, fresh), SaveFailure::None) << kind;
        EXPECT_EQ(ReadBytes(target), fresh) << kind;
        DeleteFileW(target.c_str());
    }
}

// At closing, the question names the full disk; Retry on a disk still full asks again, and
// Retry once there is room saves what was typed. "Close without saving" keeps the old file.
TEST_F(FullDisk, ClosingOnAFullDiskAsksAndKeepsTheOldFormFile)
{
    RemoteDialog form = Start();
    form.SetText(IDC_MONTHS1, "kept");
    {
        DiskFiller filler(Current(), DiskFiller::Blocks);
        form.PostClose();
        RemoteDialog question = WaitForMessage();
        const std::string told = question.Text(IDC_SAVE_FAILED_MESSAGE);
        EXPECT_TRUE(NamesFileAndReason(told, "main.txt", "the disk is full"));
        question.Click(IDRETRY);
        ASSERT_TRUE(question.WaitUntilGone(kWait));
        question = WaitForMessage();
        EXPECT_FALSE(HasTemporaryFile(Current()));
        filler.Release();
        question.Click(IDRETRY);
    }
    EXPECT_EQ(WaitForExit(), 0u);
    const std::string saved = ReadBytes(Current() / "main.txt");
    EXPECT_EQ(saved.substr(0, 6), "kept\r\n");

    form = Start();
    EXPECT_EQ(form.Text(IDC_MONTHS1), "kept");
    form.SetText(IDC_MONTHS1, "lost");
    DiskFiller filler(Current(), DiskFiller::Entries);
    form.PostClose();
    WaitForMessage().Click(IDC_CLOSE_WITHOUT_SAVING);
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(ReadBytes(Current() / "main.txt"), saved);
    EXPECT_FALSE(HasTemporaryFile(Current()));
}

// OK in the schedule dialog on a full disk: the message names the full disk, the dialog stays
// open with the months as typed, and OK once there is room saves them.
TEST_F(FullDisk, ScheduleOnAFullDiskStaysOpenWithTheMonths)
{
    const std::string old = "\r\n\r\n300.00\r\n";
    WriteBytes(Current() / "part3.txt", old);
    RemoteDialog form = Start();
    RemoteDialog schedule = OpenSchedule(form, IDC_ITEM3);
    schedule.SetText(IDC_MARCH, "1,200.00");
    {
        DiskFiller filler(Current(), DiskFiller::Blocks);
        schedule.Click(IDOK);
        RemoteDialog message = WaitForMessage();
        const std::string told = message.Text(kMessageBoxText);
        EXPECT_TRUE(NamesFileAndReason(told, "part3.txt", "the disk is full"));
        message.Click(IDOK);
        ASSERT_TRUE(message.WaitUntilGone(kWait));
        schedule.Sync();
        EXPECT_TRUE(schedule);
        EXPECT_EQ(schedule.Text(IDC_MARCH), "1,200.00");
        EXPECT_EQ(ReadBytes(Current() / "part3.txt"), old);
        EXPECT_FALSE(HasTemporaryFile(Current()));
    }
    schedule.Click(IDOK);
    ASSERT_TRUE(schedule.WaitUntilGone(kWait));
    EXPECT_EQ(ReadBytes(Current() / "part3.txt").substr(0, 14), "\r\n\r\n1,200.00\r\n");
    form.Sync();
    EXPECT_EQ(form.Text(IDC_ITEM3), "$1,200.00");
    form.PostClose();
    EXPECT_EQ(WaitForExit(), 0u);
}

} // namespace

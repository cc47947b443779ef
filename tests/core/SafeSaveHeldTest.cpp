// The target held open without sharing by another program: a short hold is waited out and the
// save goes through; a long one ends the save, bounded in time, with the old file whole.
#ifdef _WIN32

#include "store/SafeSave.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// Another program holding the file, started and waited for until it has it open.
class Holder
{
public:
    Holder(const FilePath& file, DWORD milliseconds)
    {
        const std::wstring event = L"TallyvaneHeld" + std::to_wstring(GetCurrentProcessId());
        m_held = CreateEventW(nullptr, TRUE, FALSE, event.c_str());
        const FilePath program = ExecutableFolder().value() / "hold_file.exe";
        std::wstring commandLine = L"\"" + program.wstring() + L"\" \"" + file.wstring() + L"\" " +
                                   std::to_wstring(milliseconds) + L" " + event;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &m_process))
            m_holding = WaitForSingleObject(m_held, 10000) == WAIT_OBJECT_0;
    }
    ~Holder()
    {
        if (m_process.hProcess)
        {
            WaitForSingleObject(m_process.hProcess, 20000);
            CloseHandle(m_process.hThread);
            CloseHandle(m_process.hProcess);
        }
        CloseHandle(m_held);
    }
    bool Holding() const { return m_holding; }

private:
    HANDLE m_held = nullptr;
    PROCESS_INFORMATION m_process{};
    bool m_holding = false;
};

TEST(SaveFileSafelyHeld, AShortHoldIsWaitedOut)
{
    TempFolder folder;
    const FilePath target = folder / "main.txt";
    WriteBytes(target, "old\r\n");
    Holder holder(target, 300);
    ASSERT_TRUE(holder.Holding());
    EXPECT_EQ(SaveFileSafely(target, "new\r\n"), SaveFailure::None);
    EXPECT_EQ(ReadBytes(target), "new\r\n");
}

TEST(SaveFileSafelyHeld, ALongHoldEndsTheSaveInTimeWithTheOldFileWhole)
{
    TempFolder folder;
    const FilePath target = folder / "main.txt";
    WriteBytes(target, "old\r\n");
    SaveFailure failure = SaveFailure::None;
    ULONGLONG took = 0;
    {
        Holder holder(target, 10000);
        ASSERT_TRUE(holder.Holding());
        const ULONGLONG start = GetTickCount64();
        failure = SaveFileSafely(target, "new\r\n");
        took = GetTickCount64() - start;
    }
    EXPECT_EQ(failure, SaveFailure::InUse);
    EXPECT_LT(took, 3000u);
    EXPECT_EQ(ReadBytes(target), "old\r\n");
    EXPECT_FALSE(std::filesystem::exists(TemporarySavePath(target)));
}

} // namespace

#endif

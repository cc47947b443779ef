// The target held open without sharing by another program: a short hold is waited out and the
// save goes through; a long one ends the save, bounded in time, with the old file whole.
#ifdef _WIN32

#include "core/files/SafeSave.h"

#include "BuiltFile.h"
#include "FileHolder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

FilePath HoldFileProgram()
{
    return BuiltFile(TALLYVANE_HOLD_FILE);
}

TEST(SaveFileSafelyHeld, AShortHoldIsWaitedOut)
{
    TempFolder folder;
    const FilePath target = folder / "main.txt";
    WriteBytes(target, "old\r\n");
    FileHolder holder(HoldFileProgram(), target, 300);
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
        FileHolder holder(HoldFileProgram(), target, 10000);
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

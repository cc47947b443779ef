#include "core/files/SafeSave.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace
{

TEST(SaveFileSafely, WritesNewAndReplacesOldFilesWhole)
{
    TempFolder folder;
    const FilePath target = folder / "main.txt";
    ASSERT_EQ(SaveFileSafely(target, "one\r\n"), SaveFailure::None);
    EXPECT_EQ(ReadBytes(target), "one\r\n");
    ASSERT_EQ(SaveFileSafely(target, "two\r\n2\r\n"), SaveFailure::None);
    EXPECT_EQ(ReadBytes(target), "two\r\n2\r\n");
    ASSERT_EQ(SaveFileSafely(target, ""), SaveFailure::None);
    EXPECT_EQ(ReadBytes(target), "");
    EXPECT_FALSE(HasTemporaryFile(folder.Path()));
}

TEST(SaveFileSafely, CreatesTheMissingWorkingFolder)
{
    TempFolder folder;
    const FilePath target = folder / "current" / "part1.txt";
    ASSERT_EQ(SaveFileSafely(target, "\r\n"), SaveFailure::None);
    EXPECT_EQ(ReadBytes(target), "\r\n");
}

TEST(SaveFileSafely, RefusesAReadOnlyTargetAndKeepsIt)
{
    TempFolder folder;
    const FilePath target = folder / "main.txt";
    WriteBytes(target, "kept\r\n");
    std::filesystem::permissions(target,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_EQ(SaveFileSafely(target, "lost\r\n"), SaveFailure::ReadOnly);
    EXPECT_EQ(ReadBytes(target), "kept\r\n");
    EXPECT_FALSE(HasTemporaryFile(folder.Path()));
    std::filesystem::permissions(target, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST(SaveFileSafely, ReportsWhereThereIsNowhereToSave)
{
    TempFolder folder;
    EXPECT_EQ(SaveFileSafely(folder / "no" / "such" / "main.txt", "x"), SaveFailure::NoFolder);
    EXPECT_FALSE(std::filesystem::exists(folder / "no"));
    EXPECT_EQ(SaveFileSafely(std::nullopt, "x"), SaveFailure::NoPath);
}

} // namespace

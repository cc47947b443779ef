#include "core/files/WorkingFolder.h"

#include <gtest/gtest.h>

namespace
{

TEST(WorkingFolder, IsCurrentBesideTheExecutable)
{
    const std::optional<FilePath> path = WorkingFilePath("main.txt");
    ASSERT_TRUE(path);
    EXPECT_EQ(path->filename(), "main.txt");
    EXPECT_EQ(path->parent_path().filename(), "current");
    const FilePath executableFolder = path->parent_path().parent_path();
    EXPECT_EQ(ExecutableFolder(), executableFolder);
#ifdef _WIN32
    EXPECT_TRUE(std::filesystem::exists(executableFolder / "core_tests.exe"));
    // The path the program composes uses the Windows separator throughout the tail.
    EXPECT_NE(path->native().find(L"\\current\\main.txt"), std::wstring::npos);
#else
    EXPECT_TRUE(std::filesystem::exists(executableFolder / "core_tests"));
#endif
}

TEST(WorkingFolder, FileExistsOnlyForAFile)
{
    EXPECT_TRUE(FileExists(ExecutableFolder().value() /
#ifdef _WIN32
                           "core_tests.exe"
#else
                           "core_tests"
#endif
                           ));
    EXPECT_FALSE(FileExists(ExecutableFolder()));
    EXPECT_FALSE(FileExists(ExecutableFolder().value() / "no such file"));
    EXPECT_FALSE(FileExists(std::nullopt));
}

#ifdef _WIN32
// A folder whose files could pass 260 characters is given the extended-length prefix, with which
// the file functions take any length; the user is shown it without.
TEST(WorkingFolder, LongPathsGetTheExtendedLengthPrefix)
{
    const std::wstring deep =
        std::wstring(100, L'a') + L"\\" + std::wstring(100, L'b') + L"\\" + std::wstring(40, L'c');
    const struct
    {
        std::wstring folder;
        std::wstring ready;
    } cases[] = {
        {L"C:\\Escrow", L"C:\\Escrow"},
        {L"C:\\" + std::wstring(224, L'x'), L"C:\\" + std::wstring(224, L'x')},
        {L"C:\\" + std::wstring(225, L'x'), L"\\\\?\\C:\\" + std::wstring(225, L'x')},
        {L"C:\\" + deep, L"\\\\?\\C:\\" + deep},
        {L"\\\\server\\share\\" + deep, L"\\\\?\\UNC\\server\\share\\" + deep},
        {L"\\\\?\\C:\\" + deep, L"\\\\?\\C:\\" + deep},
        {L"relative\\" + deep, L"relative\\" + deep},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(LongPathReady(c.folder).native(), c.ready) << c.folder.size();
        EXPECT_EQ(ShownPath(c.ready).native(),
                  c.folder.rfind(L"\\\\?", 0) == 0 ? c.ready.substr(4) : c.folder)
            << c.folder.size();
    }
}
#endif

} // namespace

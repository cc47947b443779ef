#include "core/files/SaveFailureMessage.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// The message names the file as the user knows it, and why it was not saved.
TEST(SaveFailureMessage, NamesTheFileAsTheUserKnowsItAndWhy)
{
#ifdef _WIN32
    const std::wstring deep = std::wstring(120, L'a') + L"\\" + std::wstring(120, L'b');
#endif
    const struct
    {
        std::optional<FilePath> target;
        std::string fileName;
        SaveFailure failure;
        std::wstring message;
    } cases[] = {
#ifdef _WIN32
        {FilePath(L"C:\\Escrow\\current\\main.txt"), "main.txt", SaveFailure::DiskFull,
         L"The figures could not be saved in\nC:\\Escrow\\current\\main.txt\nbecause the disk "
         L"is full."},
        {FilePath(L"\\\\?\\C:\\" + deep + L"\\current\\part3.txt"), "part3.txt", SaveFailure::InUse,
         L"The figures could not be saved in\nC:\\" + deep +
             L"\\current\\part3.txt\nbecause another program is using the file."},
        {FilePath(L"\\\\?\\UNC\\server\\share\\" + deep + L"\\current\\main.txt"), "main.txt",
         SaveFailure::ReadOnly,
         L"The figures could not be saved in\n\\\\server\\share\\" + deep +
             L"\\current\\main.txt\nbecause the file is read-only or may not be changed."},
#else
        {FilePath("/home/escrow/current/main.txt"), "main.txt", SaveFailure::DiskFull,
         L"The figures could not be saved in\n/home/escrow/current/main.txt\nbecause the disk "
         L"is full."},
#endif
        {std::nullopt, "main.txt", SaveFailure::NoPath,
         L"The figures could not be saved in\nmain.txt\nbecause the program cannot tell which "
         L"folder it runs from."},
        {std::nullopt, "part3.txt", SaveFailure::Other,
         L"The figures could not be saved in\npart3.txt\nbecause the file could not be written."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SaveFailureMessage(c.target, c.fileName, c.failure), c.message) << c.fileName;
}

} // namespace

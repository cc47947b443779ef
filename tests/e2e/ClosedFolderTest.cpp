// The program run by a user, not by root, whose working folder is closed to that user (the
// script takes away the right to make or replace files in it) and beside it a file made
// read-only: the file system itself refuses the save, as Windows does for a user without rights
// to the folder. The old files stay whole, no temporary file is left, and the program says why.
#include "ProgramTest.h"
#include "SaveMessage.h"
#include "TempFolder.h"

#include "core/files/SafeSave.h"
#include "res/resource.h"

#include <string>

namespace
{

class ClosedFolder : public PreparedPlaceTest
{
};

TEST_F(ClosedFolder, ARefusedSaveLeavesTheOldFileWhole)
{
    const struct
    {
        const char* what;
        FilePath target;
        SaveFailure failure;
    } cases[] = {
        {"a file in the closed folder", Current() / "main.txt", SaveFailure::ReadOnly},
        {"a new file in the closed folder", Current() / "new.txt", SaveFailure::ReadOnly},
        {"a read-only file", m_place / "open" / "readonly.txt", SaveFailure::ReadOnly},
        {"a folder that cannot be made", Current() / "missing" / "main.txt", SaveFailure::NoFolder},
    };
    for (const auto& c : cases)
    {
        const bool existed = std::filesystem::exists(c.target);
        const std::string old = existed ? ReadBytes(c.target) : "";
        EXPECT_EQ(SaveFileSafely(c.target, "new\r\n"), c.failure) << c.what;
        EXPECT_EQ(std::filesystem::exists(c.target), existed) << c.what;
        if (existed)
        {
            EXPECT_EQ(ReadBytes(c.target), old) << c.what;
        }
        EXPECT_FALSE(HasTemporaryFile(Current())) << c.what;
        EXPECT_FALSE(HasTemporaryFile(m_place / "open")) << c.what;
    }
}

TEST_F(ClosedFolder, ClosingTellsWhyAndKeepsTheOldFormFile)
{
    const std::string old = ReadBytes(Current() / "main.txt");
    RemoteDialog form = Start();
    form.SetText(IDC_MONTHS1, "typed");
    form.PostClose();
    RemoteDialog question = WaitForMessage();
    const std::string told = question.Text(IDC_SAVE_FAILED_MESSAGE);
    EXPECT_TRUE(NamesFileAndReason(told, "main.txt", "may not be changed"));
    question.Click(IDC_CLOSE_WITHOUT_SAVING);
    EXPECT_EQ(WaitForExit(), 0u);
    EXPECT_EQ(ReadBytes(Current() / "main.txt"), old);
    EXPECT_FALSE(HasTemporaryFile(Current()));
}

} // namespace

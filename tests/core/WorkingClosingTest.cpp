#include "core/closing/WorkingClosing.h"

#include "core/escrow/Schedules.h"
#include "core/files/WorkingFiles.h"

#include "FormFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace
{

void MakeReadOnly(const FilePath& file, bool readOnly)
{
    std::filesystem::permissions(
        file,
        std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
            std::filesystem::perms::others_write,
        readOnly ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
}

TEST(WorkingClosing, AnEmptyFolderHoldsAClosingWithoutFilesAndGetsNone)
{
    TempFolder folder;
    const std::optional<ClosingContents> read = ReadWorkingClosing(folder.Path());
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, ClosingContents{});
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));

    EXPECT_EQ(ReadWorkingClosing(folder / "missing"), ClosingContents{});
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    EXPECT_EQ(ReadWorkingClosing(std::nullopt), ClosingContents{});
}

TEST(WorkingClosing, ReadsTheFilesAsTheyAre)
{
    TempFolder folder;
    const std::string form = FormFile("4\r\n$50.00\r\n", "1", "100");
    WriteBytes(folder / "main.txt", form);
    WriteBytes(folder / "part2.txt", "");
    WriteBytes(folder / "part8.txt", std::string("\xFF\xFE\0x", 4));
    WriteBytes(folder / "details.txt", "loan number = 7\r\nlender = Bank\\x20\r\n");
    WriteBytes(folder / "wholecent.txt", "1");
    const std::optional<ClosingContents> read = ReadWorkingClosing(folder.Path());
    ASSERT_TRUE(read);
    ClosingContents expected;
    expected.formFile = form;
    expected.scheduleFiles[1] = "";
    expected.scheduleFiles[7] = std::string("\xFF\xFE\0x", 4);
    expected.details.loanNumber = "7";
    expected.details.lender = "Bank ";
    expected.wholeCentPayment = true;
    EXPECT_EQ(*read, expected);
}

// A working file that a closing file could not hold makes no closing, rather than a cut one.
TEST(WorkingClosing, AWorkingFileTooLargeForAClosingFileMakesNone)
{
    for (const char* name : {"main.txt", "part5.txt", "details.txt"})
    {
        TempFolder folder;
        WriteBytes(folder / name, std::string(kClosingFileSizeLimit + 1, '1'));
        EXPECT_FALSE(ReadWorkingClosing(folder.Path())) << name;
        WriteBytes(folder / name, std::string(kClosingFileSizeLimit, '1'));
        EXPECT_TRUE(ReadWorkingClosing(folder.Path())) << name;
    }
}

// The files of the folder, name and bytes, in name order.
std::vector<std::pair<std::string, std::string>> FolderFiles(const FilePath& folder)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files.emplace_back(entry.path().filename().u8string(), ReadBytes(entry.path()));
    std::sort(files.begin(), files.end());
    return files;
}

// One reading of the schedule files gives the analysis and the closing what reading them for the
// analysis and then reading their bytes gives: the same amounts, the same bytes, a missing file
// left behind empty in both, and no bytes for a closing when a file is too large for one.
TEST(WorkingClosing, OneReadingOfTheSchedulesGivesWhatTwoReadingsGive)
{
    const std::string a499(499, '5');
    const struct
    {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
    } cases[] = {
        {"no file at all", {}},
        {"schedules as the dialog saves them, the others missing",
         {{"part1.txt", "\r\n\r\n600.00\r\n"}, {"part3.txt", "$1,200.00\r\n"}}},
        {"lines by the reading rules",
         {{"part2.txt", "1\r2\r\n3\n4"},
          {"part4.txt", a499 + "\r\n7\r\n"},
          {"part8.txt", std::string("\xFF\xFE\0"
                                    "9",
                                    4)}}},
        {"a form, details and whole-cent file beside them",
         {{"main.txt", FormFile("4\r\n$50.00\r\n", "1", "100")},
          {"details.txt", "loan number = 7\r\n"},
          {"wholecent.txt", "1"},
          {"part5.txt", "80\r\n"}}},
        {"a schedule too large for a closing file",
         {{"part6.txt", "7\r\n8\r\n" + std::string(kClosingFileSizeLimit, '9')},
          {"part7.txt", "6\r\n"}}},
        {"a form file too large for a closing file",
         {{"main.txt", std::string(kClosingFileSizeLimit + 1, '1')}, {"part1.txt", "3\r\n"}}},
    };
    for (const auto& c : cases)
    {
        TempFolder once, twice;
        for (const auto& [name, bytes] : c.files)
        {
            WriteBytes(once / name, bytes);
            WriteBytes(twice / name, bytes);
        }
        const WorkingSchedules read = ReadWorkingSchedules(once.Path());
        EXPECT_EQ(read.amounts, ReadItemSchedules(twice.Path())) << c.what;
        EXPECT_EQ(read.files, ReadScheduleFileBytes(twice.Path())) << c.what;
        EXPECT_EQ(FolderFiles(once.Path()), FolderFiles(twice.Path())) << c.what;
    }
    // A schedule too large for a closing file still gives the analysis its first lines.
    TempFolder folder;
    WriteBytes(folder / "part6.txt", "7\r\n8\r\n" + std::string(kClosingFileSizeLimit, '9'));
    const WorkingSchedules large = ReadWorkingSchedules(folder.Path());
    EXPECT_FALSE(large.files);
    EXPECT_EQ(large.amounts[5][0], 7);
    EXPECT_EQ(large.amounts[5][1], 8);
}

// Without a folder to create them in, the missing schedules stay missing and count 0.
TEST(WorkingClosing, OneReadingWithoutAFolderCreatesNothing)
{
    TempFolder place;
    for (const std::optional<FilePath>& folder :
         {std::optional<FilePath>(place / "missing"), std::optional<FilePath>()})
    {
        const WorkingSchedules read = ReadWorkingSchedules(folder);
        EXPECT_EQ(read.amounts, ItemSchedules{});
        ASSERT_TRUE(read.files);
        EXPECT_EQ(*read.files, ScheduleFileBytes{});
    }
    EXPECT_TRUE(std::filesystem::is_empty(place.Path()));
}

TEST(WorkingClosing, TheDetailsFileHoldsTheDetailsEscaped)
{
    TempFolder folder;
    ClosingDetails details;
    details.loanNumber = "2026-0412";
    details.borrowers = "Zo\xC3\xAB \xC3\x86r\xC3\xB8 ";
    details.propertyAddress = "12 Elm Street\nSpringfield";
    details.lender = std::string("<b>\0\t\\", 6);
    details.principalAndInterest = "\xE9";
    ASSERT_EQ(WriteDetailsFile(folder.Path(), details), SaveFailure::None);
    EXPECT_EQ(ReadBytes(folder / "details.txt"),
              "loan number = 2026-0412\r\n"
              "borrowers = Zo\xC3\xAB \xC3\x86r\xC3\xB8\\x20\r\n"
              "property address = 12 Elm Street\\nSpringfield\r\n"
              "lender = <b>\\x00\\t\\\\\r\n"
              "closing date = \r\n"
              "principal and interest = \\xE9\r\n");
    EXPECT_EQ(ReadDetailsFile(folder.Path()), details);
    EXPECT_EQ(DetailsFilePath(folder.Path()), folder / "details.txt");
    EXPECT_EQ(ReadDetailsFile(folder / "missing"), ClosingDetails{});
    EXPECT_EQ(ReadDetailsFile(std::nullopt), ClosingDetails{});
    EXPECT_EQ(WriteDetailsFile(std::nullopt, details), SaveFailure::NoPath);
}

TEST(WorkingClosing, TheDetailsFileIsReadLeniently)
{
    const struct
    {
        const char* what;
        std::string bytes;
        std::string lender;
        std::string loanNumber;
    } cases[] = {
        {"empty", "", "", ""},
        {"one key", "lender = Bank\r\n", "Bank", ""},
        {"LF line ends, no last line end", "loan number = 7\nlender = Bank", "Bank", "7"},
        {"a byte-order mark", "\xEF\xBB\xBFlender = Bank\r\n", "Bank", ""},
        {"under a [details] heading", "[details]\r\nlender = Bank\r\n", "Bank", ""},
        {"another section's keys", "lender = Bank\r\n[other]\r\nlender = Other\r\n", "Bank", ""},
        {"unknown keys and other lines", "notes = x\r\njunk\r\n=\r\nlender=Bank\r\n", "Bank", ""},
        {"binary", std::string("\0\1\2\xFF\r\n", 6), "", ""},
    };
    for (const auto& c : cases)
    {
        TempFolder folder;
        WriteBytes(folder / "details.txt", c.bytes);
        const ClosingDetails details = ReadDetailsFile(folder.Path());
        EXPECT_EQ(details.lender, c.lender) << c.what;
        EXPECT_EQ(details.loanNumber, c.loanNumber) << c.what;
        EXPECT_EQ(details.borrowers, "") << c.what;
    }
}

TEST(WorkingClosing, OnlyAOneSwitchesWholeCentPaymentOn)
{
    const struct
    {
        std::string bytes;
        bool on;
    } cases[] = {
        {"1", true},
        {"1\r\n", true},
        {"1\n", true},
        {"0", false},
        {"0\r\n", false},
        {"", false},
        {" 1", false},
        {"1 ", false},
        {"11", false},
        {"1\r\n\r\n", false},
        {"yes", false},
        {"\xEF\xBB\xBF"
         "1",
         false},
        {std::string(1000, '1'), false},
    };
    for (const auto& c : cases)
    {
        TempFolder folder;
        WriteBytes(folder / "wholecent.txt", c.bytes);
        EXPECT_EQ(ReadWholeCentFile(folder.Path()), c.on) << c.bytes.substr(0, 10);
    }
    TempFolder folder;
    EXPECT_FALSE(ReadWholeCentFile(folder.Path()));
    EXPECT_FALSE(std::filesystem::exists(folder / "wholecent.txt"));
    ASSERT_EQ(WriteWholeCentFile(folder.Path(), true), SaveFailure::None);
    EXPECT_EQ(ReadBytes(folder / "wholecent.txt"), "1\r\n");
    EXPECT_TRUE(ReadWholeCentFile(folder.Path()));
    ASSERT_EQ(WriteWholeCentFile(folder.Path(), false), SaveFailure::None);
    EXPECT_EQ(ReadBytes(folder / "wholecent.txt"), "0\r\n");
    EXPECT_FALSE(ReadWholeCentFile(folder.Path()));
    EXPECT_EQ(WholeCentFilePath(folder.Path()), folder / "wholecent.txt");
    EXPECT_FALSE(ReadWholeCentFile(std::nullopt));
}

TEST(WorkingClosing, WritesEveryFileAndDeletesTheMissingOnes)
{
    TempFolder place;
    const FilePath folder = place / "current";
    std::filesystem::create_directory(folder);
    for (const char* name : {"main.txt", "part1.txt", "part2.txt", "part8.txt", "notes.txt"})
        WriteBytes(folder / name, "old\r\n");
    ClosingContents contents;
    contents.formFile = FormFile("", "0", "");
    contents.scheduleFiles[1] = "new\r\n";
    contents.scheduleFiles[6] = "";
    contents.details.lender = "Bank";
    contents.wholeCentPayment = true;

    const WorkingFileFailure written = WriteWorkingClosing(folder, contents);
    EXPECT_EQ(written.failure, SaveFailure::None);
    EXPECT_EQ(written.fileName, "");
    EXPECT_FALSE(written.file);

    EXPECT_EQ(ReadBytes(folder / "main.txt"), *contents.formFile);
    EXPECT_FALSE(std::filesystem::exists(folder / "part1.txt"));
    EXPECT_EQ(ReadBytes(folder / "part2.txt"), "new\r\n");
    EXPECT_EQ(ReadBytes(folder / "part7.txt"), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "part8.txt"));
    EXPECT_EQ(ReadBytes(folder / "details.txt").find("lender = Bank\r\n") != std::string::npos,
              true);
    EXPECT_EQ(ReadBytes(folder / "wholecent.txt"), "1\r\n");
    EXPECT_EQ(ReadBytes(folder / "notes.txt"), "old\r\n");
    EXPECT_FALSE(HasTemporaryFile(folder));
    EXPECT_EQ(ReadWorkingClosing(folder), contents);

    // A missing working folder is made.
    const FilePath fresh = place / "fresh" / "current";
    std::filesystem::create_directory(place / "fresh");
    EXPECT_EQ(WriteWorkingClosing(fresh, contents).failure, SaveFailure::None);
    EXPECT_EQ(ReadWorkingClosing(fresh), contents);
}

// The first file that cannot be written or deleted stops the writing, and is named.
TEST(WorkingClosing, TellsWhichFileCouldNotBeWritten)
{
    ClosingContents contents;
    contents.formFile = FormFile("", "0", "");
    for (auto& schedule : contents.scheduleFiles)
        schedule = std::string(12 * 2, '\n');
    contents.scheduleFiles[4].reset();
    const struct
    {
        const char* readOnly;
        const char* written; // a file before it, written
        const char* kept;    // a file after it, as it was
    } cases[] = {
        {"part3.txt", "main.txt", "part4.txt"},
        {"part5.txt", "part4.txt", "part6.txt"}, // to be deleted
        {"details.txt", "part8.txt", "wholecent.txt"},
    };
    for (const auto& c : cases)
    {
        TempFolder folder;
        for (const char* name : {c.readOnly, c.written, c.kept})
            WriteBytes(folder / name, "old\r\n");
        MakeReadOnly(folder / c.readOnly, true);
        const WorkingFileFailure written = WriteWorkingClosing(folder.Path(), contents);
        EXPECT_EQ(written.failure, SaveFailure::ReadOnly) << c.readOnly;
        EXPECT_EQ(written.fileName, c.readOnly);
        EXPECT_EQ(written.file, folder / c.readOnly);
        EXPECT_EQ(ReadBytes(folder / c.readOnly), "old\r\n") << c.readOnly;
        EXPECT_NE(ReadBytes(folder / c.written), "old\r\n") << c.readOnly;
        EXPECT_EQ(ReadBytes(folder / c.kept), "old\r\n") << c.readOnly;
        EXPECT_FALSE(HasTemporaryFile(folder.Path())) << c.readOnly;
        MakeReadOnly(folder / c.readOnly, false);
    }
    const WorkingFileFailure nowhere = WriteWorkingClosing(std::nullopt, contents);
    EXPECT_EQ(nowhere.failure, SaveFailure::NoPath);
    EXPECT_EQ(nowhere.fileName, "main.txt");
    EXPECT_FALSE(nowhere.file);
}

} // namespace

#include "core/files/WorkingFiles.h"

#include "core/files/SafeSave.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace
{

TEST(WorkingFiles, StrayTemporaryFilesAreRemoved)
{
    TempFolder folder;
    WriteBytes(folder / "main.txt", "kept");
    WriteBytes(TemporarySavePath(folder / "main.txt"), "half a sa");
    WriteBytes(TemporarySavePath(folder / "part3.txt"), "");
    WriteBytes(TemporarySavePath(folder / "part8.txt"), "");
    WriteBytes(TemporarySavePath(folder / "details.txt"), "loan number = 7\r\nlen");
    WriteBytes(TemporarySavePath(folder / "wholecent.txt"), "");
    // Files of the user's that end in ".tmp" are no save's and stay.
    const char* users[] = {"notes.tmp",          "part9.txt.tmp",    "main.tmp",
                           "part1.tmp",          "main.txt.tmp.tmp", "details.tmp",
                           "Loan.tallyvane.tmp", "wholecent.tmp"};
    for (const char* name : users)
        WriteBytes(folder / name, "the user's");
    RemoveStrayTemporaryFiles(folder.Path());
    for (const char* name :
         {"main.txt.tmp", "part3.txt.tmp", "part8.txt.tmp", "details.txt.tmp", "wholecent.txt.tmp"})
        EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
    for (const char* name : users)
        EXPECT_EQ(ReadBytes(folder / name), "the user's") << name;
    EXPECT_EQ(ReadBytes(folder / "main.txt"), "kept");
    RemoveStrayTemporaryFiles(folder / "missing");
    RemoveStrayTemporaryFiles(std::nullopt);
}

enum class Entry
{
    File,
    FolderWithAFile, // would not go even if it were tried
    EmptyFolder,
#ifndef _WIN32
    LinkToItself, // what it is cannot be looked up
#endif
};

void Make(const FilePath& path, Entry entry)
{
    switch (entry)
    {
    case Entry::File:
        WriteBytes(path, "x\r\n");
        break;
    case Entry::FolderWithAFile:
        std::filesystem::create_directory(path);
        WriteBytes(path / "inside.txt", "x\r\n");
        break;
    case Entry::EmptyFolder:
        std::filesystem::create_directory(path);
        break;
#ifndef _WIN32
    case Entry::LinkToItself:
        std::filesystem::create_symlink(path.filename(), path);
        break;
#endif
    }
}

bool Exists(const FilePath& path)
{
    return std::filesystem::symlink_status(path).type() != std::filesystem::file_type::not_found;
}

// Reset takes the program's text files, whatever the case of their extension, and nothing else.
TEST(WorkingFiles, ResetDeletesEveryTextFileAndLeavesEverythingElse)
{
    const struct
    {
        const char* name;
        Entry entry;
        bool stays;
    } cases[] = {
        {"main.txt", Entry::File, false},
        {"part1.txt", Entry::File, false},
        {"part8.txt", Entry::File, false},
        {"NOTES.TXT", Entry::File, false},
        {"Budget.Txt", Entry::File, false},
        {"main.txt.tmp", Entry::File, true},
        {"part1.txt.bak", Entry::File, true},
        {"txt", Entry::File, true},
        {"letters.txt", Entry::FolderWithAFile, true},
        {"empty.txt", Entry::EmptyFolder, true},
#ifndef _WIN32
        {"loop.txt", Entry::LinkToItself, true},
#endif
    };
    TempFolder folder;
    for (const auto& c : cases)
        Make(folder / c.name, c.entry);

    RemoveWorkingTextFiles(folder.Path());

    for (const auto& c : cases)
        EXPECT_EQ(Exists(folder / c.name), c.stays) << c.name;
    EXPECT_TRUE(Exists(folder / "letters.txt" / "inside.txt"));
    RemoveWorkingTextFiles(folder / "missing");
    RemoveWorkingTextFiles(std::nullopt);
}

// A text file the system refuses to delete, until it goes out of scope: read-only on Windows;
// natively immutable, which stops even the superuser, when this process may set that flag.
class UndeletableFile
{
public:
    explicit UndeletableFile(FilePath path) : m_path(std::move(path))
    {
        WriteBytes(m_path, "kept\r\n");
#ifdef _WIN32
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        m_undeletable = true;
#else
        m_undeletable = SetImmutable(true);
#endif
    }

    ~UndeletableFile()
    {
#ifdef _WIN32
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
#else
        if (m_undeletable)
            SetImmutable(false);
#endif
    }

    UndeletableFile(const UndeletableFile&) = delete;
    UndeletableFile& operator=(const UndeletableFile&) = delete;

    bool Undeletable() const
    {
        return m_undeletable;
    }

private:
#ifndef _WIN32
    bool SetImmutable(bool immutable)
    {
        const int file = open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        if (file < 0)
            return false;
        int flags = 0;
        bool done = ioctl(file, FS_IOC_GETFLAGS, &flags) == 0;
        if (done)
        {
            flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ioctl(file, FS_IOC_SETFLAGS, &flags) == 0;
        }
        close(file);
        return done;
    }
#endif

    FilePath m_path;
    bool m_undeletable = false;
};

// One file that cannot be deleted does not keep the others: such files are made both before and
// after the ones that go, so that listed in the order they were made or in its reverse, the
// folder shows one of them first.
TEST(WorkingFiles, ResetGoesOnPastATextFileItCannotDelete)
{
    TempFolder folder;
    const UndeletableFile first(folder / "first.txt");
    if (!first.Undeletable())
        GTEST_SKIP() << "this process may delete any file";
    const char* const deletable[] = {"main.txt", "part1.txt", "part2.txt", "part8.txt",
                                     "NOTES.TXT"};
    for (const char* name : deletable)
        WriteBytes(folder / name, "x\r\n");
    const UndeletableFile last(folder / "last.txt");

    RemoveWorkingTextFiles(folder.Path());

    for (const char* name : deletable)
        EXPECT_FALSE(Exists(folder / name)) << name;
    EXPECT_EQ(ReadBytes(folder / "first.txt"), "kept\r\n");
    EXPECT_EQ(ReadBytes(folder / "last.txt"), "kept\r\n");
}

} // namespace

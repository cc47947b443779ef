// Every call of a save fails in turn, in each of the ways a disk, a file or another program makes
// it fail: the target is then the old file or the new one, whole, never a mixture, and no
// temporary file is left.
#include "core/files/SafeSave.h"
#include "core/files/SaveFileCalls.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

namespace
{

// The system's own codes for the failures every build knows.
#ifdef _WIN32
constexpr SaveError kDiskFull = ERROR_DISK_FULL;
constexpr SaveError kAccessDenied = ERROR_ACCESS_DENIED;
constexpr SaveError kDeviceError = ERROR_IO_DEVICE;
constexpr SaveError kHeldByAnother = ERROR_SHARING_VIOLATION;
#else
constexpr SaveError kDiskFull = ENOSPC;
constexpr SaveError kAccessDenied = EACCES;
constexpr SaveError kDeviceError = EIO;
constexpr SaveError kHeldByAnother = EBUSY;
#endif

enum class FaultKind
{
    Error,       // the call fails with the error code
    ShortWrite,  // a write takes half its bytes and reports success; later writes find a full disk
    FailedFlush, // flushing the file to the disk fails with the error code
};

struct Fault
{
    const char* what;
    FaultKind kind;
    SaveError error;
};

// Which call fails, and how; counted over all the calls of one save.
struct Injection
{
    Fault fault{};
    int failAt = 0;
    int calls = 0;
    bool diskFull = false;

    // Counts the call; true when it is the one to fail.
    bool Counts() { return ++calls == failAt; }
    // Counts the call; true when it is the one to fail, and fails the way given.
    bool Fails(FaultKind kind) { return Counts() && fault.kind == kind; }
} g_injection;

bool IsReadOnly(const FilePath& file)
{
    return !g_injection.Fails(FaultKind::Error) && kSystemSaveFileCalls.isReadOnly(file);
}

SaveError CreateFolder(const FilePath& folder)
{
    return g_injection.Fails(FaultKind::Error) ? g_injection.fault.error
                                               : kSystemSaveFileCalls.createFolder(folder);
}

SaveError Create(const FilePath& file, SaveFileHandle& handle)
{
    return g_injection.Fails(FaultKind::Error) ? g_injection.fault.error
                                               : kSystemSaveFileCalls.createFile(file, handle);
}

SaveError CreateNew(const FilePath& file, SaveFileHandle& handle)
{
    return g_injection.Fails(FaultKind::Error) ? g_injection.fault.error
                                               : kSystemSaveFileCalls.createNewFile(file, handle);
}

SaveError Write(SaveFileHandle file, const char* data, std::size_t size, std::size_t& written)
{
    written = 0;
    if (g_injection.diskFull)
        return kDiskFull;
    if (g_injection.Counts())
    {
        if (g_injection.fault.kind == FaultKind::Error)
            return g_injection.fault.error;
        if (g_injection.fault.kind == FaultKind::ShortWrite)
        {
            g_injection.diskFull = true;
            return kSystemSaveFileCalls.write(file, data, size / 2, written);
        }
    }
    return kSystemSaveFileCalls.write(file, data, size, written);
}

SaveError Flush(SaveFileHandle file)
{
    if (g_injection.Counts() && g_injection.fault.kind != FaultKind::ShortWrite)
        return g_injection.fault.error;
    return kSystemSaveFileCalls.flush(file);
}

SaveError Close(SaveFileHandle file)
{
    // The handle is closed all the same: a failed close still lets go of the file.
    const bool fails = g_injection.Fails(FaultKind::Error);
    const SaveError closed = kSystemSaveFileCalls.close(file);
    return fails ? g_injection.fault.error : closed;
}

SaveError Replace(const FilePath& from, const FilePath& to)
{
    return g_injection.Fails(FaultKind::Error) ? g_injection.fault.error
                                               : kSystemSaveFileCalls.replace(from, to);
}

void Delete(const FilePath& file)
{
    if (!g_injection.Fails(FaultKind::Error))
        kSystemSaveFileCalls.remove(file);
}

constexpr SaveFileCalls kFailingCalls{IsReadOnly, CreateFolder, Create,  CreateNew, Write,
                                      Flush,      Close,        Replace, Delete};

// Puts the calls in for one save and the system's back afterwards.
SaveFailure SaveThrough(const SaveFileCalls& calls, const FilePath& target,
                        const std::string& bytes)
{
    g_saveFileCalls = calls;
    const SaveFailure failure = SaveFileSafely(target, bytes);
    g_saveFileCalls = kSystemSaveFileCalls;
    return failure;
}

TEST(SaveFileSafelyFaults, EveryFailingCallLeavesTheOldFileOrTheNewOneWhole)
{
    const Fault faults[] = {
        {"disk full", FaultKind::Error, kDiskFull},
        {"access denied", FaultKind::Error, kAccessDenied},
#ifdef _WIN32
        {"sharing violation", FaultKind::Error, ERROR_SHARING_VIOLATION},
        {"lock violation", FaultKind::Error, ERROR_LOCK_VIOLATION},
#else
        {"busy", FaultKind::Error, EBUSY},
#endif
        {"short write", FaultKind::ShortWrite, kSaveSucceeded},
        {"failed flush", FaultKind::FailedFlush, kDeviceError},
    };
    const std::string oldBytes = "old\r\n";
    // Larger than one write, so that a write can fail halfway through the file.
    const std::string newBytes = std::string(3 * kSaveWriteChunk, 'n') + "\r\n";
    for (const Fault& fault : faults)
    {
        for (int failAt = 1;; ++failAt)
        {
            TempFolder folder;
            const FilePath target = folder / "current" / "main.txt";
            std::filesystem::create_directories(target.parent_path());
            WriteBytes(target, oldBytes);

            g_injection = Injection{fault, failAt};
            const SaveFailure failure = SaveThrough(kFailingCalls, target, newBytes);

            const std::string bytes = ReadBytes(target);
            const std::string where =
                std::string(fault.what) + " at call " + std::to_string(failAt);
            EXPECT_TRUE(bytes == oldBytes || bytes == newBytes) << where;
            EXPECT_EQ(bytes == newBytes, failure == SaveFailure::None) << where;
            EXPECT_FALSE(HasTemporaryFile(target.parent_path())) << where;
            if (g_injection.calls < failAt)
                break; // the save ended before the call that was to fail
        }
    }
}

// A file written only where there is none (a lock) is there whole when it was written, and not at
// all when any of its calls failed; a file already there is left as it was.
TEST(SaveFileSafelyFaults, ANewFileIsWrittenWholeOrNotAtAll)
{
    const Fault faults[] = {
        {"disk full", FaultKind::Error, kDiskFull},
        {"access denied", FaultKind::Error, kAccessDenied},
        {"short write", FaultKind::ShortWrite, kSaveSucceeded},
        {"failed flush", FaultKind::FailedFlush, kDeviceError},
    };
    const std::string bytes = std::string(3 * kSaveWriteChunk, 'n') + "\r\n";
    for (const Fault& fault : faults)
    {
        for (int failAt = 1;; ++failAt)
        {
            TempFolder folder;
            const FilePath lock = folder / "~$Loan.tallyvane";
            g_injection = Injection{fault, failAt};
            g_saveFileCalls = kFailingCalls;
            const NewFile result = WriteNewFile(lock, bytes);
            g_saveFileCalls = kSystemSaveFileCalls;

            const std::string where =
                std::string(fault.what) + " at call " + std::to_string(failAt);
            if (result == NewFile::Written)
                EXPECT_EQ(ReadBytes(lock), bytes) << where;
            else
                EXPECT_FALSE(std::filesystem::exists(lock)) << where;
            EXPECT_NE(result, NewFile::Exists) << where;
            if (g_injection.calls < failAt)
                break;
        }
    }
    TempFolder folder;
    WriteBytes(folder / "taken", "theirs\r\n");
    EXPECT_EQ(WriteNewFile(folder / "taken", "ours\r\n"), NewFile::Exists);
    EXPECT_EQ(ReadBytes(folder / "taken"), "theirs\r\n");
}

// The failure names what the user can act on.
TEST(SaveFileSafelyFaults, FailuresSayWhy)
{
    const std::pair<SaveError, SaveFailure> cases[] = {
        {kDiskFull, SaveFailure::DiskFull},
        {kAccessDenied, SaveFailure::ReadOnly},
#ifdef _WIN32
        {ERROR_SHARING_VIOLATION, SaveFailure::InUse},
        {ERROR_LOCK_VIOLATION, SaveFailure::InUse},
#else
        {EDQUOT, SaveFailure::DiskFull},    {EROFS, SaveFailure::ReadOnly},
        {EBUSY, SaveFailure::InUse},
#endif
        {kDeviceError, SaveFailure::Other},
    };
    for (const auto& [error, expected] : cases)
    {
        TempFolder folder;
        // The third call of a save to an existing folder creates the temporary file.
        g_injection = Injection{{"", FaultKind::Error, error}, 3};
        const SaveFailure failure = SaveThrough(kFailingCalls, folder / "part1.txt", "x\r\n");
        EXPECT_EQ(failure, expected) << error;
    }
}

// Another program holding the target refuses its replacement, as long as it holds it.
int g_refusals = 0;

SaveError ReplaceWhenLetGo(const FilePath& from, const FilePath& to)
{
    if (g_refusals > 0)
    {
        --g_refusals;
        return kHeldByAnother;
    }
    return kSystemSaveFileCalls.replace(from, to);
}

// A hold is waited out for about a second, and no longer: a longer one ends the save, with the
// old file whole.
TEST(SaveFileSafelyFaults, AHeldTargetIsWaitedOutForAboutASecond)
{
    SaveFileCalls held = kSystemSaveFileCalls;
    held.replace = ReplaceWhenLetGo;
    const struct
    {
        int refusals;
        SaveFailure failure;
        const char* bytes;
    } cases[] = {
        {1, SaveFailure::None, "new\r\n"},
        {kReplaceRetries, SaveFailure::None, "new\r\n"},
        {kReplaceRetries + 1, SaveFailure::InUse, "old\r\n"},
    };
    for (const auto& c : cases)
    {
        TempFolder folder;
        const FilePath target = folder / "main.txt";
        WriteBytes(target, "old\r\n");
        g_refusals = c.refusals;
        const auto start = std::chrono::steady_clock::now();
        const SaveFailure failure = SaveThrough(held, target, "new\r\n");
        const auto took = std::chrono::steady_clock::now() - start;
        g_refusals = 0;

        EXPECT_EQ(failure, c.failure) << c.refusals;
        EXPECT_EQ(ReadBytes(target), c.bytes) << c.refusals;
        EXPECT_FALSE(HasTemporaryFile(folder.Path())) << c.refusals;
        EXPECT_GE(took, std::min(c.refusals, kReplaceRetries) * kReplacePause) << c.refusals;
        EXPECT_LT(took, std::chrono::seconds(3)) << c.refusals;
    }
}

} // namespace

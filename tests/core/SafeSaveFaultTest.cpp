// Every call of a save fails in turn, in each of the ways a disk, a file or another program makes
// it fail: the target is then the old file or the new one, whole, never a mixture, and no
// temporary file is left.
#ifdef _WIN32

#include "core/SafeSave.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace
{

enum class FaultKind
{
    Error,       // the call fails with the error code
    ShortWrite,  // a write takes half its bytes and reports success; later writes find a full disk
    FailedFlush, // flushing the file to the disk fails
};

struct Fault
{
    const char* what;
    FaultKind kind;
    DWORD error;
};

// Which call fails, and how; counted over all the calls of one save.
struct Injection
{
    Fault fault{};
    int failAt = 0;
    int calls = 0;
    bool diskFull = false;

    // Counts the call; true when it is the one to fail with the fault's error.
    bool Fails(FaultKind kind)
    {
        if (++calls != failAt || fault.kind != kind)
            return false;
        ::SetLastError(fault.error);
        return true;
    }
} g_injection;

DWORD WINAPI GetAttributes(LPCWSTR path)
{
    return g_injection.Fails(FaultKind::Error) ? INVALID_FILE_ATTRIBUTES
                                               : kSystemSaveFileCalls.getFileAttributes(path);
}

BOOL WINAPI CreateFolder(LPCWSTR path, LPSECURITY_ATTRIBUTES security)
{
    return !g_injection.Fails(FaultKind::Error) &&
           kSystemSaveFileCalls.createDirectory(path, security);
}

HANDLE WINAPI Create(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                     DWORD disposition, DWORD flags, HANDLE templateFile)
{
    if (g_injection.Fails(FaultKind::Error))
        return INVALID_HANDLE_VALUE;
    return kSystemSaveFileCalls.createFile(path, access, share, security, disposition, flags,
                                           templateFile);
}

BOOL WINAPI Write(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped)
{
    if (g_injection.diskFull)
    {
        *written = 0;
        ::SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    if (g_injection.Fails(FaultKind::Error))
        return FALSE;
    if (g_injection.calls == g_injection.failAt && g_injection.fault.kind == FaultKind::ShortWrite)
    {
        g_injection.diskFull = true;
        return kSystemSaveFileCalls.writeFile(file, data, size / 2, written, overlapped);
    }
    return kSystemSaveFileCalls.writeFile(file, data, size, written, overlapped);
}

BOOL WINAPI Flush(HANDLE file)
{
    const bool fails = g_injection.Fails(FaultKind::Error);
    if (!fails && g_injection.calls == g_injection.failAt &&
        g_injection.fault.kind == FaultKind::FailedFlush)
    {
        ::SetLastError(ERROR_IO_DEVICE);
        return FALSE;
    }
    return !fails && kSystemSaveFileCalls.flushFileBuffers(file);
}

BOOL WINAPI Close(HANDLE file)
{
    // The handle is closed all the same: a failed close still lets go of the file.
    const bool fails = g_injection.Fails(FaultKind::Error);
    const BOOL closed = kSystemSaveFileCalls.closeHandle(file);
    if (fails)
        ::SetLastError(g_injection.fault.error);
    return !fails && closed;
}

BOOL WINAPI Move(LPCWSTR from, LPCWSTR to, DWORD flags)
{
    return !g_injection.Fails(FaultKind::Error) && kSystemSaveFileCalls.moveFileEx(from, to, flags);
}

BOOL WINAPI Delete(LPCWSTR path)
{
    return !g_injection.Fails(FaultKind::Error) && kSystemSaveFileCalls.deleteFile(path);
}

constexpr SaveFileCalls kFailingCalls{GetAttributes, CreateFolder, Create, Write,
                                      Flush,         Close,        Move,   Delete};

TEST(SaveFileSafelyFaults, EveryFailingCallLeavesTheOldFileOrTheNewOneWhole)
{
    const Fault faults[] = {
        {"disk full", FaultKind::Error, ERROR_DISK_FULL},
        {"access denied", FaultKind::Error, ERROR_ACCESS_DENIED},
        {"sharing violation", FaultKind::Error, ERROR_SHARING_VIOLATION},
        {"lock violation", FaultKind::Error, ERROR_LOCK_VIOLATION},
        {"short write", FaultKind::ShortWrite, 0},
        {"failed flush", FaultKind::FailedFlush, 0},
    };
    const std::string oldBytes = "old\r\n";
    // Larger than one write, so that a write can fail halfway through the file.
    const std::string newBytes = std::string(3 * 1024 * 1024, 'n') + "\r\n";
    for (const Fault& fault : faults)
    {
        for (int failAt = 1;; ++failAt)
        {
            TempFolder folder;
            const FilePath target = folder / "current" / "main.txt";
            std::filesystem::create_directories(target.parent_path());
            WriteBytes(target, oldBytes);

            g_injection = Injection{fault, failAt};
            g_saveFileCalls = kFailingCalls;
            const SaveFailure failure = SaveFileSafely(target, newBytes);
            g_saveFileCalls = kSystemSaveFileCalls;

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

// The failure names what the user can act on.
TEST(SaveFileSafelyFaults, FailuresSayWhy)
{
    const std::pair<DWORD, SaveFailure> cases[] = {
        {ERROR_DISK_FULL, SaveFailure::DiskFull},
        {ERROR_ACCESS_DENIED, SaveFailure::ReadOnly},
        {ERROR_SHARING_VIOLATION, SaveFailure::InUse},
        {ERROR_LOCK_VIOLATION, SaveFailure::InUse},
    };
    for (const auto& [error, expected] : cases)
    {
        TempFolder folder;
        // The third call of a save to an existing folder creates the temporary file.
        g_injection = Injection{{"", FaultKind::Error, error}, 3};
        g_saveFileCalls = kFailingCalls;
        const SaveFailure failure = SaveFileSafely(folder / "part1.txt", "x\r\n");
        g_saveFileCalls = kSystemSaveFileCalls;
        EXPECT_EQ(failure, expected) << error;
    }
}

} // namespace

#endif

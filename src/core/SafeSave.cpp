#include "core/SafeSave.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

FilePath TemporarySavePath(const FilePath& target)
{
    FilePath temporary = target;
    temporary += ".tmp";
    return temporary;
}

std::string SaveFailureReason(SaveFailure failure)
{
    switch (failure)
    {
    case SaveFailure::None:
        return "nothing went wrong";
    case SaveFailure::DiskFull:
        return "the disk is full";
    case SaveFailure::ReadOnly:
        return "the file is read-only or may not be changed";
    case SaveFailure::InUse:
        return "another program is using the file";
    case SaveFailure::NoFolder:
        return "the folder cannot be created";
    case SaveFailure::NoPath:
        return "the program cannot tell which folder it runs from";
    case SaveFailure::Other:
        break;
    }
    return "the file could not be written";
}

#ifdef _WIN32

SaveFileCalls g_saveFileCalls = kSystemSaveFileCalls;

namespace
{

SaveFailure FailureOf(DWORD error)
{
    switch (error)
    {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return SaveFailure::DiskFull;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return SaveFailure::ReadOnly;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return SaveFailure::InUse;
    case ERROR_PATH_NOT_FOUND:
        return SaveFailure::NoFolder;
    default:
        return SaveFailure::Other;
    }
}

SaveFailure EnsureFolder(const FilePath& folder)
{
    if (g_saveFileCalls.createDirectory(folder.c_str(), nullptr) ||
        GetLastError() == ERROR_ALREADY_EXISTS)
        return SaveFailure::None;
    return SaveFailure::NoFolder;
}

// Writes every byte; a short count without an error (Wine on a full disk) is a full disk.
SaveFailure WriteAll(HANDLE file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!g_saveFileCalls.writeFile(file, bytes.data() + done, chunk, &written, nullptr))
            return FailureOf(GetLastError());
        if (written == 0)
            return SaveFailure::DiskFull;
        done += written;
    }
    return SaveFailure::None;
}

// Replaces the target, retrying for about a second while another program (a virus scanner, an
// indexer) briefly holds it.
SaveFailure ReplaceTarget(const FilePath& temporary, const FilePath& target)
{
    for (int attempt = 0;; ++attempt)
    {
        if (g_saveFileCalls.moveFileEx(temporary.c_str(), target.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return SaveFailure::None;
        const DWORD error = GetLastError();
        const bool transient = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                               error == ERROR_LOCK_VIOLATION;
        // The target is not read-only (that was looked at first): a refusal that outlasts the
        // retries comes from another program holding it.
        if (attempt == 20)
            return SaveFailure::InUse;
        if (!transient)
            return FailureOf(error);
        Sleep(50);
    }
}

} // namespace

SaveFailure SaveFileSafely(const std::optional<FilePath>& target, const std::string& bytes)
{
    if (!target)
        return SaveFailure::NoPath;
    // Wine lets a rename replace a read-only file and Windows does not: refuse it on both.
    const DWORD attributes = g_saveFileCalls.getFileAttributes(target->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return SaveFailure::ReadOnly;
    if (const SaveFailure folder = EnsureFolder(target->parent_path()); folder != SaveFailure::None)
        return folder;

    const FilePath temporary = TemporarySavePath(*target);
    HANDLE file = g_saveFileCalls.createFile(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FailureOf(GetLastError());
    SaveFailure failure = WriteAll(file, bytes);
    if (failure == SaveFailure::None && !g_saveFileCalls.flushFileBuffers(file))
        failure = FailureOf(GetLastError());
    if (!g_saveFileCalls.closeHandle(file) && failure == SaveFailure::None)
        failure = FailureOf(GetLastError());
    if (failure == SaveFailure::None)
        failure = ReplaceTarget(temporary, *target);
    if (failure != SaveFailure::None)
        g_saveFileCalls.deleteFile(temporary.c_str());
    return failure;
}

#else

namespace
{

SaveFailure FailureOf(int error)
{
    switch (error)
    {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return SaveFailure::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return SaveFailure::ReadOnly;
    case EBUSY:
    case ETXTBSY:
        return SaveFailure::InUse;
    case ENOENT:
    case ENOTDIR:
        return SaveFailure::NoFolder;
    default:
        return SaveFailure::Other;
    }
}

SaveFailure WriteAll(int file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const ssize_t written = write(file, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return FailureOf(errno);
        if (written == 0)
            return SaveFailure::DiskFull;
        done += static_cast<std::size_t>(written);
    }
    return SaveFailure::None;
}

} // namespace

SaveFailure SaveFileSafely(const std::optional<FilePath>& target, const std::string& bytes)
{
    if (!target)
        return SaveFailure::NoPath;
    // A file without write permission counts as read-only, as the attribute does on Windows.
    struct stat status;
    if (stat(target->c_str(), &status) == 0 && (status.st_mode & S_IWUSR) == 0)
        return SaveFailure::ReadOnly;
    const FilePath folder = target->parent_path();
    if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
        return SaveFailure::NoFolder;

    const FilePath temporary = TemporarySavePath(*target);
    const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0)
        return FailureOf(errno);
    SaveFailure failure = WriteAll(file, bytes);
    if (failure == SaveFailure::None && fsync(file) != 0)
        failure = FailureOf(errno);
    if (close(file) != 0 && failure == SaveFailure::None)
        failure = FailureOf(errno);
    if (failure == SaveFailure::None && rename(temporary.c_str(), target->c_str()) != 0)
        failure = FailureOf(errno);
    if (failure != SaveFailure::None)
        unlink(temporary.c_str());
    return failure;
}

#endif

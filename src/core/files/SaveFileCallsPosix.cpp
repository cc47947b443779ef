// The save's file-system calls natively: the POSIX calls, their errors as errno gives them.
#include "core/files/SaveFileCalls.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static_assert(kSaveFileExists == EEXIST);

namespace
{

SaveError ErrorUnless(bool succeeded)
{
    return succeeded ? kSaveSucceeded : errno;
}

// A file its owner may not write counts as read-only, as the attribute does on Windows.
bool HasNoOwnerWrite(const FilePath& file)
{
    struct stat status;
    return stat(file.c_str(), &status) == 0 && (status.st_mode & S_IWUSR) == 0;
}

SaveError MakeFolder(const FilePath& folder)
{
    return mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST ? kSaveSucceeded : errno;
}

SaveError OpenForWriting(const FilePath& file, SaveFileHandle& handle)
{
    handle = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return ErrorUnless(handle >= 0);
}

SaveError OpenNewForWriting(const FilePath& file, SaveFileHandle& handle)
{
    handle = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    return ErrorUnless(handle >= 0);
}

SaveError WriteSome(SaveFileHandle file, const char* data, std::size_t size, std::size_t& written)
{
    ssize_t count;
    do
        count = write(file, data, size);
    while (count < 0 && errno == EINTR);
    written = count < 0 ? 0 : static_cast<std::size_t>(count);
    return ErrorUnless(count >= 0);
}

SaveError FlushToDisk(SaveFileHandle file)
{
    return ErrorUnless(fsync(file) == 0);
}

SaveError CloseFile(SaveFileHandle file)
{
    return ErrorUnless(close(file) == 0);
}

SaveError MoveInPlace(const FilePath& from, const FilePath& to)
{
    return ErrorUnless(std::rename(from.c_str(), to.c_str()) == 0);
}

void DeleteOne(const FilePath& file)
{
    unlink(file.c_str());
}

} // namespace

constexpr SaveFileCalls kSystemSaveFileCalls{
    HasNoOwnerWrite, MakeFolder, OpenForWriting, OpenNewForWriting, WriteSome,
    FlushToDisk,     CloseFile,  MoveInPlace,    DeleteOne,
};

SaveFileCalls g_saveFileCalls = kSystemSaveFileCalls;

SaveFailure SaveFailureOf(SaveError error)
{
    switch (error)
    {
    case kSaveSucceeded:
        return SaveFailure::None;
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

// A busy target is the nearest a POSIX system comes to a file another program holds.
bool IsPassingSaveError(SaveError error)
{
    return error == EBUSY;
}

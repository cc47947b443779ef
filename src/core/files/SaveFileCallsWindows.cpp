// The save's file-system calls on Windows: the wide file functions, their errors as GetLastError
// gives them.
#include "core/files/SaveFileCalls.h"

#include <windows.h>

#include <type_traits>

static_assert(std::is_same_v<SaveError, DWORD> && std::is_same_v<SaveFileHandle, HANDLE>);
static_assert(kSaveFileExists == ERROR_FILE_EXISTS);

namespace
{

// The error of a call that failed. A failure that leaves no error code is still a failure.
SaveError LastError()
{
    const DWORD error = GetLastError();
    return error != kSaveSucceeded ? error : ERROR_GEN_FAILURE;
}

SaveError ErrorUnless(BOOL succeeded)
{
    return succeeded ? kSaveSucceeded : LastError();
}

bool HasReadOnlyAttribute(const FilePath& file)
{
    const DWORD attributes = GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

SaveError MakeFolder(const FilePath& folder)
{
    if (CreateDirectoryW(folder.c_str(), nullptr))
        return kSaveSucceeded;
    const SaveError error = LastError();
    return error == ERROR_ALREADY_EXISTS ? kSaveSucceeded : error;
}

SaveError OpenForWriting(const FilePath& file, SaveFileHandle& handle)
{
    handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle == INVALID_HANDLE_VALUE ? LastError() : kSaveSucceeded;
}

SaveError OpenNewForWriting(const FilePath& file, SaveFileHandle& handle)
{
    handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
    return handle == INVALID_HANDLE_VALUE ? LastError() : kSaveSucceeded;
}

SaveError WriteSome(SaveFileHandle file, const char* data, std::size_t size, std::size_t& written)
{
    DWORD done = 0;
    const BOOL succeeded = WriteFile(file, data, static_cast<DWORD>(size), &done, nullptr);
    written = done;
    return ErrorUnless(succeeded);
}

SaveError FlushToDisk(SaveFileHandle file)
{
    return ErrorUnless(FlushFileBuffers(file));
}

SaveError CloseFile(SaveFileHandle file)
{
    return ErrorUnless(CloseHandle(file));
}

// Not ReplaceFileW, which needs an existing target and is not one step under Wine.
SaveError MoveInPlace(const FilePath& from, const FilePath& to)
{
    return ErrorUnless(
        MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

void DeleteOne(const FilePath& file)
{
    DeleteFileW(file.c_str());
}

} // namespace

constexpr SaveFileCalls kSystemSaveFileCalls{
    HasReadOnlyAttribute, MakeFolder, OpenForWriting, OpenNewForWriting, WriteSome,
    FlushToDisk,          CloseFile,  MoveInPlace,    DeleteOne,
};

SaveFileCalls g_saveFileCalls = kSystemSaveFileCalls;

SaveFailure SaveFailureOf(SaveError error)
{
    switch (error)
    {
    case kSaveSucceeded:
        return SaveFailure::None;
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

bool IsPassingSaveError(SaveError error)
{
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION;
}

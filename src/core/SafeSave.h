// The one way the program writes a file: whole or not at all.
#pragma once

#include "core/WorkingFolder.h"

#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

// Why a save did not happen, in the terms the user can act on.
enum class SaveFailure
{
    None,
    DiskFull, // no room left on the disk
    ReadOnly, // the file is read-only or access is denied
    InUse,    // another program holds the file
    NoFolder, // the folder does not exist and cannot be created
    NoPath,   // the program's own location is unknown, so there is nowhere to save
    Other,
};

// Writes the bytes to the target through a temporary file in the same folder, which then
// replaces the target in one step. On any failure the old target is left whole and the
// temporary file is removed. A missing folder (one level) is created first.
SaveFailure SaveFileSafely(const std::optional<FilePath>& target, const std::string& bytes);

// Why the save failed, in plain words that complete "... because ".
std::string SaveFailureReason(SaveFailure failure);

// The temporary file a save of the target writes first.
FilePath TemporarySavePath(const FilePath& target);

#ifdef _WIN32
// The file-system calls a save makes, gathered in one place so that a test can make any of them
// fail the way a full disk, a read-only file or another program would.
struct SaveFileCalls
{
    DWORD(WINAPI* getFileAttributes)(LPCWSTR);
    BOOL(WINAPI* createDirectory)(LPCWSTR, LPSECURITY_ATTRIBUTES);
    HANDLE(WINAPI* createFile)(LPCWSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE);
    BOOL(WINAPI* writeFile)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
    BOOL(WINAPI* flushFileBuffers)(HANDLE);
    BOOL(WINAPI* closeHandle)(HANDLE);
    BOOL(WINAPI* moveFileEx)(LPCWSTR, LPCWSTR, DWORD);
    BOOL(WINAPI* deleteFile)(LPCWSTR);
};

// The system's own calls.
constexpr SaveFileCalls kSystemSaveFileCalls{
    ::GetFileAttributesW, ::CreateDirectoryW, ::CreateFileW, ::WriteFile,
    ::FlushFileBuffers,   ::CloseHandle,      ::MoveFileExW, ::DeleteFileW,
};

// The calls every save goes through: the system's, unless a test has put others in.
extern SaveFileCalls g_saveFileCalls;
#endif

// Another program that holds a file open without sharing, as a virus scanner or a backup might:
// hold_file.exe, started and waited for until it has the file open.
#pragma once
#ifdef _WIN32

#include "core/files/WorkingFolder.h"

#include <windows.h>

class FileHolder
{
public:
    // Holds the file for that long; `program` is the path of hold_file.exe.
    FileHolder(const FilePath& program, const FilePath& file, DWORD milliseconds);
    // Ends the holder if it still holds the file.
    ~FileHolder();
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

    bool Holding() const { return m_holding; }

private:
    HANDLE m_held = nullptr;
    PROCESS_INFORMATION m_process{};
    bool m_holding = false;
};

#endif

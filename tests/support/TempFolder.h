// A fresh, empty folder for one test, removed with everything in it afterwards.
#pragma once

#include "core/files/WorkingFolder.h"

#include <string>

class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const FilePath& Path() const { return m_path; }
    FilePath operator/(const std::string& name) const { return m_path / name; }

private:
    FilePath m_path;
};

// The file's bytes exactly as on disk.
std::string ReadBytes(const FilePath& file);
void WriteBytes(const FilePath& file, const std::string& bytes);

// Whether a save left its temporary file in the folder.
bool HasTemporaryFile(const FilePath& folder);

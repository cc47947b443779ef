// The working folder "current" beside the executable, where every file of the program lives.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

using FilePath = std::filesystem::path;

// The folder that holds the running executable; none when its path cannot be obtained, in which
// case no file of the program can be read (every line reads empty) or written.
std::optional<FilePath> ExecutableFolder();

// The path in the form the wide file functions take at any length. On Windows a full path too
// long for the files beneath it to stay within the old limit of 260 characters gets the
// extended-length prefix ("\\?\C:\..." or "\\?\UNC\server\share\..."), with which the
// system lifts that limit; a shorter path, a relative one and one that has the prefix stay as they
// are.
FilePath LongPathReady(const FilePath& folder);

// The path as the user knows it, without the extended-length prefix.
FilePath ShownPath(const FilePath& path);

// The working folder: "current" inside the executable's folder.
std::optional<FilePath> WorkingFolder();

// The full path of the named file in the working folder.
std::optional<FilePath> WorkingFilePath(const std::string& name);

// Whether the file exists; false when there is no path.
bool FileExists(const std::optional<FilePath>& file);

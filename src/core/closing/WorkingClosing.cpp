#include "core/closing/WorkingClosing.h"

#include "core/escrow/Schedules.h"
#include "core/files/FileBytes.h"
#include "core/files/SaveFileCalls.h"
#include "core/files/WorkingFiles.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

#include <vector>

namespace
{

std::optional<FilePath> FileIn(const std::optional<FilePath>& folder, const std::string& name)
{
    if (!folder)
        return std::nullopt;
    return *folder / name;
}

// Deletes the file; a file that is not there is success. A read-only file is refused, as a save
// refuses it, on every system.
SaveFailure DeleteWorkingFile(const std::optional<FilePath>& file)
{
    if (!file)
        return SaveFailure::NoPath;
    if (g_saveFileCalls.isReadOnly(*file))
        return SaveFailure::ReadOnly;
#ifdef _WIN32
    if (DeleteFileW(file->c_str()))
        return SaveFailure::None;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return SaveFailure::None;
    return error == kSaveSucceeded ? SaveFailure::Other : SaveFailureOf(error);
#else
    if (unlink(file->c_str()) == 0 || errno == ENOENT || errno == ENOTDIR)
        return SaveFailure::None;
    return SaveFailureOf(errno);
#endif
}

// Takes a working file's bytes as a closing holds them: a file that cannot be read as empty, a
// missing one as none. False for a file larger than a closing file may be.
bool TakeClosingBytes(FileBytes file, std::optional<std::string>& bytes)
{
    switch (file.status)
    {
    case FileBytes::Status::Whole:
        bytes = std::move(file.bytes);
        return true;
    case FileBytes::Status::Unreadable:
        bytes = std::string();
        return true;
    case FileBytes::Status::Missing:
        bytes = std::nullopt;
        return true;
    case FileBytes::Status::TooLarge:
        break;
    }
    return false;
}

// The closing the working folder holds around the schedule files' bytes (none: one of them was
// too large): the form, details and whole-cent files are read.
std::optional<ClosingContents> ClosingAround(const std::optional<FilePath>& folder,
                                             const std::optional<ScheduleFileBytes>& scheduleFiles)
{
    ClosingContents contents;
    const auto read = [&](const std::string& name, std::optional<std::string>& bytes) {
        return TakeClosingBytes(ReadFileBytes(FileIn(folder, name), kClosingFileSizeLimit), bytes);
    };
    if (!scheduleFiles || !read(kFormFileName, contents.formFile))
        return std::nullopt;
    contents.scheduleFiles = *scheduleFiles;
    std::optional<std::string> details;
    if (!read(kDetailsFileName, details))
        return std::nullopt;
    if (details)
        contents.details = ClosingText::ParseDetailsLines(*details);
    contents.wholeCentPayment = ReadWholeCentFile(folder);
    return contents;
}

struct WorkingFile
{
    std::string name;
    const std::optional<std::string>* bytes;
};

} // namespace

std::optional<FilePath> DetailsFilePath(const std::optional<FilePath>& folder)
{
    return FileIn(folder, kDetailsFileName);
}

std::optional<FilePath> WholeCentFilePath(const std::optional<FilePath>& folder)
{
    return FileIn(folder, kWholeCentFileName);
}

ClosingDetails ReadDetailsFile(const std::optional<FilePath>& folder)
{
    const FileBytes file = ReadFileBytes(DetailsFilePath(folder), kClosingFileSizeLimit);
    if (file.status != FileBytes::Status::Whole)
        return ClosingDetails{};
    return ClosingText::ParseDetailsLines(file.bytes);
}

SaveFailure WriteDetailsFile(const std::optional<FilePath>& folder, const ClosingDetails& details)
{
    return SaveFileSafely(DetailsFilePath(folder), ClosingText::DetailsLines(details));
}

bool ReadWholeCentFile(const std::optional<FilePath>& folder)
{
    const FileBytes file = ReadFileBytes(WholeCentFilePath(folder), 3);
    return file.status == FileBytes::Status::Whole &&
           (file.bytes == "1" || file.bytes == "1\r\n" || file.bytes == "1\n");
}

SaveFailure WriteWholeCentFile(const std::optional<FilePath>& folder, bool wholeCentPayment)
{
    return SaveFileSafely(WholeCentFilePath(folder), wholeCentPayment ? "1\r\n" : "0\r\n");
}

std::optional<ScheduleFileBytes> ReadScheduleFileBytes(const std::optional<FilePath>& folder)
{
    std::optional<ScheduleFileBytes> files(std::in_place);
    for (int item = 1; item <= kEscrowItems && files; ++item)
        if (!TakeClosingBytes(ReadFileBytes(ScheduleFilePath(folder, item), kClosingFileSizeLimit),
                              (*files)[item - 1]))
            files.reset();
    return files;
}

std::optional<ClosingContents> ReadWorkingClosing(const std::optional<FilePath>& folder)
{
    return ClosingAround(folder, ReadScheduleFileBytes(folder));
}

WorkingSchedules ReadWorkingSchedules(const std::optional<FilePath>& folder)
{
    WorkingSchedules schedules;
    schedules.files.emplace();
    for (int item = 1; item <= kEscrowItems; ++item)
    {
        const std::optional<FilePath> path = ScheduleFilePath(folder, item);
        FileBytes file = ReadFileBytes(path, kClosingFileSizeLimit);
        if (file.status == FileBytes::Status::Whole)
        {
            schedules.amounts[item - 1] = ScheduleAmounts(file.bytes);
        }
        else
        {
            // The line reader as ever, which creates a missing file and reads the start of any
            // other; then the file as it is after that.
            schedules.amounts[item - 1] = ReadScheduleAmounts(path);
            file = ReadFileBytes(path, kClosingFileSizeLimit);
        }
        if (schedules.files && !TakeClosingBytes(std::move(file), (*schedules.files)[item - 1]))
            schedules.files.reset();
    }
    return schedules;
}

WorkingFileFailure WriteWorkingClosing(const std::optional<FilePath>& folder,
                                       const ClosingContents& contents)
{
    std::vector<WorkingFile> files{{kFormFileName, &contents.formFile}};
    for (int item = 1; item <= kEscrowItems; ++item)
        files.push_back({ScheduleFileName(item), &contents.scheduleFiles[item - 1]});

    WorkingFileFailure result;
    const auto failed = [&](SaveFailure failure, const std::string& name) {
        result.failure = failure;
        result.fileName = name;
        result.file = FileIn(folder, name);
        return failure != SaveFailure::None;
    };
    for (const WorkingFile& file : files)
    {
        const std::optional<FilePath> path = FileIn(folder, file.name);
        const SaveFailure failure =
            *file.bytes ? SaveFileSafely(path, **file.bytes) : DeleteWorkingFile(path);
        if (failed(failure, file.name))
            return result;
    }
    if (failed(WriteDetailsFile(folder, contents.details), kDetailsFileName) ||
        failed(WriteWholeCentFile(folder, contents.wholeCentPayment), kWholeCentFileName))
        return result;
    return WorkingFileFailure{};
}

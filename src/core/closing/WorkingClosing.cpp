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

std::optional<ClosingContents> ReadWorkingClosing(const std::optional<FilePath>& folder)
{
    ClosingContents contents;
    const auto read = [&](const std::string& name, std::optional<std::string>& bytes) {
        FileBytes file = ReadFileBytes(FileIn(folder, name), kClosingFileSizeLimit);
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
    };
    if (!read(kFormFileName, contents.formFile))
        return std::nullopt;
    for (int item = 1; item <= kEscrowItems; ++item)
        if (!read(ScheduleFileName(item), contents.scheduleFiles[item - 1]))
            return std::nullopt;
    std::optional<std::string> details;
    if (!read(kDetailsFileName, details))
        return std::nullopt;
    if (details)
        contents.details = ClosingText::ParseDetailsLines(*details);
    contents.wholeCentPayment = ReadWholeCentFile(folder);
    return contents;
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

#include "core/files/SafeSave.h"

#include "core/files/SaveFileCalls.h"

#include <algorithm>
#include <thread>

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
    case SaveFailure::TooLarge:
        return "the file would be too large to be opened again";
    case SaveFailure::Other:
        break;
    }
    return "the file could not be written";
}

namespace
{

// Writes every byte, a chunk at a time; a write that takes nothing and reports no error (Wine on
// a full disk) is a full disk.
SaveFailure WriteAll(SaveFileHandle file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const std::size_t chunk = std::min(bytes.size() - done, kSaveWriteChunk);
        std::size_t written = 0;
        const SaveError error = g_saveFileCalls.write(file, bytes.data() + done, chunk, written);
        if (error != kSaveSucceeded)
            return SaveFailureOf(error);
        if (written == 0)
            return SaveFailure::DiskFull;
        done += written;
    }
    return SaveFailure::None;
}

// Replaces the target, trying again for about a second while another program (a virus scanner,
// an indexer) briefly holds it.
SaveFailure ReplaceTarget(const FilePath& temporary, const FilePath& target)
{
    for (int retry = 0;; ++retry)
    {
        const SaveError error = g_saveFileCalls.replace(temporary, target);
        if (error == kSaveSucceeded)
            return SaveFailure::None;
        // The target is not read-only (that was looked at first): a refusal that outlasts the
        // retries comes from another program holding it.
        if (retry == kReplaceRetries)
            return SaveFailure::InUse;
        if (!IsPassingSaveError(error))
            return SaveFailureOf(error);
        std::this_thread::sleep_for(kReplacePause);
    }
}

} // namespace

SaveFailure SaveFileSafely(const std::optional<FilePath>& target, const std::string& bytes)
{
    if (!target)
        return SaveFailure::NoPath;
    // Wine lets a rename replace a read-only file and Windows does not: refuse it on both.
    if (g_saveFileCalls.isReadOnly(*target))
        return SaveFailure::ReadOnly;
    if (g_saveFileCalls.createFolder(target->parent_path()) != kSaveSucceeded)
        return SaveFailure::NoFolder;

    const FilePath temporary = TemporarySavePath(*target);
    SaveFileHandle file{};
    if (const SaveError error = g_saveFileCalls.createFile(temporary, file);
        error != kSaveSucceeded)
        return SaveFailureOf(error);
    SaveFailure failure = WriteAll(file, bytes);
    if (failure == SaveFailure::None)
        failure = SaveFailureOf(g_saveFileCalls.flush(file));
    const SaveFailure closing = SaveFailureOf(g_saveFileCalls.close(file));
    if (failure == SaveFailure::None)
        failure = closing;
    if (failure == SaveFailure::None)
        failure = ReplaceTarget(temporary, *target);
    if (failure != SaveFailure::None)
        g_saveFileCalls.remove(temporary);
    return failure;
}

NewFile WriteNewFile(const FilePath& file, const std::string& bytes)
{
    SaveFileHandle handle{};
    if (const SaveError error = g_saveFileCalls.createNewFile(file, handle);
        error != kSaveSucceeded)
        return error == kSaveFileExists ? NewFile::Exists : NewFile::Failed;
    SaveFailure failure = WriteAll(handle, bytes);
    if (failure == SaveFailure::None)
        failure = SaveFailureOf(g_saveFileCalls.flush(handle));
    const SaveFailure closing = SaveFailureOf(g_saveFileCalls.close(handle));
    if (failure != SaveFailure::None || closing != SaveFailure::None)
    {
        g_saveFileCalls.remove(file);
        return NewFile::Failed;
    }
    return NewFile::Written;
}

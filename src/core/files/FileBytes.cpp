#include "core/files/FileBytes.h"

#include <algorithm>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{

constexpr std::size_t kReadChunk = 64 * 1024;

#ifdef _WIN32
class FileForReading
{
public:
    explicit FileForReading(const FilePath& file)
        : m_handle(CreateFileW(file.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)),
          m_error(m_handle == INVALID_HANDLE_VALUE ? GetLastError() : 0)
    {
    }
    ~FileForReading()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    FileForReading(const FileForReading&) = delete;
    FileForReading& operator=(const FileForReading&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool WasMissing() const
    {
        return m_error == ERROR_FILE_NOT_FOUND || m_error == ERROR_PATH_NOT_FOUND;
    }
    // The file's size, when the system knows it.
    std::optional<unsigned long long> Size() const
    {
        LARGE_INTEGER size;
        if (!GetFileSizeEx(m_handle, &size) || size.QuadPart < 0)
            return std::nullopt;
        return static_cast<unsigned long long>(size.QuadPart);
    }
    // Reads up to size bytes; 0 at the end of the file, -1 on a failed read.
    long long Read(char* data, std::size_t size)
    {
        DWORD got = 0;
        if (!ReadFile(m_handle, data, static_cast<DWORD>(size), &got, nullptr))
            return -1;
        return got;
    }

private:
    HANDLE m_handle;
    DWORD m_error;
};
#else
class FileForReading
{
public:
    explicit FileForReading(const FilePath& file)
        : m_descriptor(open(file.c_str(), O_RDONLY | O_CLOEXEC)),
          m_error(m_descriptor < 0 ? errno : 0)
    {
    }
    ~FileForReading()
    {
        if (m_descriptor >= 0)
            close(m_descriptor);
    }
    FileForReading(const FileForReading&) = delete;
    FileForReading& operator=(const FileForReading&) = delete;

    bool IsOpen() const { return m_descriptor >= 0; }
    bool WasMissing() const { return m_error == ENOENT || m_error == ENOTDIR; }
    std::optional<unsigned long long> Size() const
    {
        struct stat status;
        if (fstat(m_descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0)
            return std::nullopt;
        return static_cast<unsigned long long>(status.st_size);
    }
    long long Read(char* data, std::size_t size)
    {
        ssize_t got;
        do
            got = read(m_descriptor, data, size);
        while (got < 0 && errno == EINTR);
        return got;
    }

private:
    int m_descriptor;
    int m_error;
};
#endif

} // namespace

FileBytes ReadFileBytes(const std::optional<FilePath>& file, std::size_t limit)
{
    FileBytes result;
    if (!file)
        return result;
    FileForReading in(*file);
    if (!in.IsOpen())
    {
        result.status =
            in.WasMissing() ? FileBytes::Status::Missing : FileBytes::Status::Unreadable;
        return result;
    }
    const std::optional<unsigned long long> size = in.Size();
    if (size && *size > limit)
    {
        result.status = FileBytes::Status::TooLarge;
        return result;
    }
    // Read until the end, one byte past the limit at most: the size may have changed since.
    std::string bytes;
    if (size)
        bytes.reserve(static_cast<std::size_t>(*size));
    char chunk[kReadChunk];
    for (;;)
    {
        const std::size_t wanted = std::min(sizeof chunk, limit + 1 - bytes.size());
        const long long got = in.Read(chunk, wanted);
        if (got < 0)
        {
            result.status = FileBytes::Status::Unreadable;
            return result;
        }
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
        if (bytes.size() > limit)
        {
            result.status = FileBytes::Status::TooLarge;
            return result;
        }
    }
    result.status = FileBytes::Status::Whole;
    result.bytes = std::move(bytes);
    return result;
}

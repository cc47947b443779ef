#include "core/files/TextLines.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

LineReader::LineReader(const std::optional<FilePath>& file)
{
#ifdef _WIN32
    m_handle = INVALID_HANDLE_VALUE;
    if (file)
        m_handle = CreateFileW(file->c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_atEnd = m_handle == INVALID_HANDLE_VALUE;
#else
    m_descriptor = -1;
    if (file)
        m_descriptor = open(file->c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    m_atEnd = m_descriptor < 0;
#endif
}

LineReader::LineReader(std::string_view bytes) : m_data(bytes.data()), m_length(bytes.size())
{
#ifdef _WIN32
    m_handle = INVALID_HANDLE_VALUE;
#else
    m_descriptor = -1;
#endif
    // Every byte is in memory already: once they are read, the end is reached.
    m_atEnd = true;
}

LineReader::~LineReader()
{
    Close();
}

void LineReader::Close()
{
#ifdef _WIN32
    if (m_handle != INVALID_HANDLE_VALUE)
        CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
#else
    if (m_descriptor >= 0)
        close(m_descriptor);
    m_descriptor = -1;
#endif
}

bool LineReader::Fill()
{
    if (m_position < m_length)
        return true;
    if (m_atEnd)
        return false;
    m_position = 0;
    m_length = 0;
#ifdef _WIN32
    DWORD got = 0;
    if (ReadFile(m_handle, m_buffer, sizeof m_buffer, &got, nullptr) && got > 0)
        m_length = got;
#else
    ssize_t got;
    do
        got = read(m_descriptor, m_buffer, sizeof m_buffer);
    while (got < 0 && errno == EINTR);
    if (got > 0)
        m_length = static_cast<std::size_t>(got);
#endif
    if (m_length == 0)
    {
        m_atEnd = true;
        Close();
        return false;
    }
    return true;
}

int LineReader::Peek()
{
    return Fill() ? static_cast<unsigned char>(m_data[m_position]) : -1;
}

std::string LineReader::ReadLine()
{
    std::string line;
    while (line.size() < kLineReadLimit)
    {
        const int c = Peek();
        if (c < 0)
            break;
        ++m_position;
        if (c == '\n')
            break;
        // Only a CR directly before an LF belongs to the line end.
        if (c == '\r' && Peek() == '\n')
        {
            ++m_position;
            break;
        }
        line += static_cast<char>(c);
    }
    return line;
}

void LineWriter::WriteLine(const std::string& text)
{
    std::size_t kept = 0;
    for (char c : text)
    {
        if (kept == kLineWriteLimit)
            break;
        if (c == '\n')
            continue;
        m_bytes += c;
        ++kept;
    }
    m_bytes += "\r\n";
}

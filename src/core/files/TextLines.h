// Lines of the program's text files, by one rule on every build: CR LF ends a line, a lone CR
// stays in the line, a line is read at most 499 characters at a time, and every line written
// ends in CR LF.
#pragma once

#include "core/files/WorkingFolder.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The most characters one read takes; the rest of a longer line is left for the next read.
constexpr std::size_t kLineReadLimit = 499;

// Reads a text file one line at a time, with bounded memory whatever the file holds. Opening
// creates a missing file empty when its folder exists; a file that cannot be opened reads as
// having no lines. Reading never fails: past the end every line is the empty text.
class LineReader
{
public:
    explicit LineReader(const std::optional<FilePath>& file);
    // Reads a file's bytes already in memory, as the file holding them reads. The bytes must
    // outlive the reader.
    explicit LineReader(std::string_view bytes);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line without its line end, at most kLineReadLimit characters. A read that stops at
    // the limit leaves the rest of the line, line end included, for the next read.
    std::string ReadLine();
    // Whether the end of the file has been reached: every further line is the empty text.
    bool AtEnd() { return Peek() < 0; }

private:
    // Refills the buffer when it is used up; false at the end of the file or on a failed read.
    bool Fill();
    int Peek();
    void Close();

#ifdef _WIN32
    void* m_handle;
#else
    int m_descriptor;
#endif
    bool m_atEnd = false;
    // The characters being read: the buffer a file is read into, or the bytes in memory.
    const char* m_data = m_buffer;
    std::size_t m_position = 0;
    std::size_t m_length = 0;
    char m_buffer[4096];
};

// The most characters a written line keeps: one fewer than a read takes, since a line of exactly
// kLineReadLimit characters would read back as two (the text, then the empty rest).
constexpr std::size_t kLineWriteLimit = kLineReadLimit - 1;

// Collects a text file's lines in memory, to be saved as one whole file.
class LineWriter
{
public:
    // Appends the text and a CR LF line end. A line never reads back as two: line feeds inside
    // the text are dropped and the text is cut to kLineWriteLimit characters.
    void WriteLine(const std::string& text);
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

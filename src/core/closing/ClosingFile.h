// The closing file: one file per loan, extension ".tallyvane", that holds everything the closing
// is: its details, every box of the form (the form file main.txt), the eight schedules
// (part1.txt .. part8.txt) and the "whole-cent payment" choice. Opening it brings the working
// files back byte for byte as they were when it was saved; a file that was missing stays missing.
//
// The format, version 1: UTF-8 text a person can read and compare, every line ending in CR LF.
//
//   Tallyvane closing file, version 1
//
//   [details]
//   loan number = 2026-0412
//   borrowers = José Núñez and Zoë Ærø
//   property address = 12 Elm Street\nSpringfield, IL 62704
//   lender = First Bank
//   closing date = 2026-03-15
//   principal and interest = 1,250.00
//
//   [choices]
//   whole-cent payment = 0
//
//   [form]
//   1001 months = 4
//   1001 per month = $50.00
//   ...                                (1002 to 1008 likewise: months, then per month)
//   first payment month = 05
//   first payment year = 2026
//   two months = 0
//   cushion =
//
//   [schedule 1]
//   January =
//   February =
//   March = 600.00
//   ...                                (to December)
//
// - The first line, the signature, names the format and its version. A UTF-8 byte-order mark may
//   come before it. A file without it is not a closing file; one of a version above ours was
//   saved by a newer Tallyvane and is not opened.
// - "[name]" starts a section. "key = value" lines follow: the key is the text before the first
//   "=", less the spaces and tabs around it; the value is all the text after the "=", less one
//   space directly after it. Empty lines, and lines that are neither, are ignored.
// - Values are escaped, so that any bytes come back exactly: "\\" a backslash, "\r", "\n", "\t",
//   and "\xHH" (two hexadecimal digits) for any other byte below 0x20, for 0x7F, for every byte
//   that is not part of well-formed UTF-8, for a leading and a trailing space, and for the bytes of
//   the characters that would hide or move text on the screen (the C1 controls U+0080 to U+009F,
//   the line and paragraph separators U+2028 and U+2029, the direction marks, embeddings, overrides
//   and isolates U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069, and U+FEFF).
//   Well-formed UTF-8 otherwise stands as it is. A backslash that starts none of these escapes
//   stands for itself.
// - [form] holds the form file's twenty lines in order, one key each: "1001 months",
//   "1001 per month", ... "1008 per month", "first payment month", "first payment year",
//   "two months", "cushion". [schedule N] holds item N's twelve lines, "January" to "December".
//   A working file that is not exactly such lines (each at most kLineWriteLimit bytes, none
//   holding a line feed, each ending in CR LF), as the program writes them, is held whole
//   instead, as the one key "bytes" of its section. A missing working file has no section.
// - Reading is lenient, as the working files are read: a missing key reads as empty (a missing
//   line of [form] or [schedule N] as an empty line), unknown sections and keys are ignored (a
//   later version may add them), a later key of the same name wins, and "bytes" wins over the
//   line keys. Only a newer version number is refused.
// - A closing file is at most kClosingFileSizeLimit bytes: a larger file is not opened, and a
//   closing that would make one is not saved.
#pragma once

#include "core/closing/ClosingDetails.h"
#include "core/escrow/MonthAmounts.h"
#include "core/files/SafeSave.h"
#include "core/files/WorkingFolder.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The version this program writes, and the newest it opens.
constexpr int kClosingFileVersion = 1;

// The most bytes a closing file may hold.
constexpr std::size_t kClosingFileSizeLimit = std::size_t{4} << 20;

// The extension of a closing file, with its dot.
constexpr char kClosingFileExtension[] = ".tallyvane";

// Everything a closing is. Each optional is a working file's exact bytes; nullopt when the file
// is missing.
struct ClosingContents
{
    ClosingDetails details;
    std::optional<std::string> formFile;
    std::array<std::optional<std::string>, kEscrowItems> scheduleFiles;
    bool wholeCentPayment = false;

    bool operator==(const ClosingContents& other) const
    {
        return details == other.details && formFile == other.formFile &&
               scheduleFiles == other.scheduleFiles && wholeCentPayment == other.wholeCentPayment;
    }
    bool operator!=(const ClosingContents& other) const { return !(*this == other); }
};

// Whether the two closings hold the same figures: a schedule file that is missing holds what an
// empty one holds (reading one creates it empty).
bool SameFigures(const ClosingContents& a, const ClosingContents& b);

// The closing file's bytes for the contents.
std::string ClosingFileBytes(const ClosingContents& contents);

// What reading a closing file gave: its contents, or why it is not opened.
struct ClosingFileRead
{
    enum class Problem
    {
        None,            // contents holds what the file holds
        NotAClosingFile, // no signature: empty, binary, UTF-16, another kind of file, too large
        NewerVersion,    // the signature names a version above kClosingFileVersion
        CannotRead,      // the file is missing, or cannot be opened or read
    };
    Problem problem = Problem::None;
    // NewerVersion: the version number the file names, in decimal digits.
    std::string version;
    ClosingContents contents;
};

// Reads a closing file's bytes.
ClosingFileRead ParseClosingFile(std::string_view bytes);

// Reads the closing file from disk. A file larger than kClosingFileSizeLimit is refused from its
// size, without being read.
ClosingFileRead ReadClosingFile(const FilePath& file);

// Why the file is not opened, in a sentence that names it as the user knows its path:
// "<file> is not a Tallyvane closing file.",
// "<file> was saved by a newer version of Tallyvane (closing file version N) and cannot be opened
// by this one.", or "<file> could not be read.". Empty for a file that was read.
std::wstring ClosingFileProblemMessage(const FilePath& file, const ClosingFileRead& read);

// Saves the closing file through SaveFileSafely: whole or not at all. A closing whose file would
// be larger than kClosingFileSizeLimit is not saved (TooLarge), since it could not be opened.
SaveFailure SaveClosingFile(const std::optional<FilePath>& target, const ClosingContents& contents);

// The escaping of values and of the details' "key = value" lines, which the working details file
// shares with the closing file's [details] section.
namespace ClosingText
{
// The value escaped as the format above says.
std::string Escaped(std::string_view value);
// The bytes an escaped value stands for; any text is taken, whatever it holds.
std::string Unescaped(std::string_view text);
// The details as "key = value" lines, each ending in CR LF, in the order of the [details] section.
std::string DetailsLines(const ClosingDetails& details);
// The details of "key = value" lines (lines of other sections, unknown keys and malformed lines
// ignored; a missing key is empty). A UTF-8 byte-order mark at the start is skipped.
ClosingDetails ParseDetailsLines(std::string_view lines);
} // namespace ClosingText

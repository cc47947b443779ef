#include "core/closing/ClosingFile.h"

#include "core/files/FileBytes.h"
#include "core/files/TextLines.h"

#include <map>
#include <utility>
#include <vector>

namespace
{

constexpr char kSignature[] = "Tallyvane closing file, version ";
constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char kLineEnd[] = "\r\n";
// A version number of more figures than this is no version of ours, newer or older.
constexpr std::size_t kMostVersionFigures = 9;

constexpr char kDetailsSection[] = "details";
constexpr char kChoicesSection[] = "choices";
constexpr char kFormSection[] = "form";
constexpr char kWholeCentKey[] = "whole-cent payment";
// The key of a working file held whole.
constexpr char kBytesKey[] = "bytes";

const std::array<std::pair<const char*, std::string ClosingDetails::*>, 6> kDetailKeys{{
    {"loan number", &ClosingDetails::loanNumber},
    {"borrowers", &ClosingDetails::borrowers},
    {"property address", &ClosingDetails::propertyAddress},
    {"lender", &ClosingDetails::lender},
    {"closing date", &ClosingDetails::closingDate},
    {"principal and interest", &ClosingDetails::principalAndInterest},
}};

const std::array<const char*, kMonths> kMonthKeys{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

// The form file's line keys, in its line order.
const std::vector<std::string>& FormKeys()
{
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> made;
        for (int item = 1; item <= kEscrowItems; ++item)
        {
            const std::string line = std::to_string(1000 + item);
            made.push_back(line + " months");
            made.push_back(line + " per month");
        }
        for (const char* key :
             {"first payment month", "first payment year", "two months", "cushion"})
            made.push_back(key);
        return made;
    }();
    return keys;
}

const std::vector<std::string>& ScheduleKeys()
{
    static const std::vector<std::string> keys(kMonthKeys.begin(), kMonthKeys.end());
    return keys;
}

std::string ScheduleSection(int item)
{
    return "schedule " + std::to_string(item);
}

// --- Escaping ---

constexpr char kHexFigures[] = "0123456789ABCDEF";

void AppendHexEscape(std::string& out, unsigned char byte)
{
    out += "\\x";
    out += kHexFigures[byte >> 4];
    out += kHexFigures[byte & 0x0F];
}

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF)
{
    return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence of more than one byte at the start of the text,
// with its code point; 0 when there is none there (Unicode, table 3-7).
std::size_t MultiByteSequence(std::string_view text, char32_t& codePoint)
{
    const auto at = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    };
    const unsigned char lead = at(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
    {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    }
    else if (lead >= 0xF0 && lead <= 0xF4)
    {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    }
    else
        return 0;
    if (!IsContinuation(at(1), low, high))
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!IsContinuation(at(i)))
            return 0;
    codePoint = lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
    for (std::size_t i = 1; i < length; ++i)
        codePoint = (codePoint << 6) | (at(i) & 0x3F);
    return length;
}

// Characters that are well-formed but would hide text, break a line or move text on the screen
// in an editor or a comparison of two files.
bool HidesOrMovesText(char32_t c)
{
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F || c == 0x2028 ||
           c == 0x2029 || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) ||
           c == 0xFEFF;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// --- Lines, sections and keys ---

std::string_view TrimmedSpaces(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Splits text into lines at each LF, a CR directly before it dropped with it.
class Lines
{
public:
    explicit Lines(std::string_view text) : m_text(text) {}

    bool Next(std::string_view& line)
    {
        if (m_done)
            return false;
        const std::size_t end = m_text.find('\n');
        if (end == std::string_view::npos)
        {
            line = m_text;
            m_done = true;
        }
        else
        {
            line = m_text.substr(0, end);
            m_text.remove_prefix(end + 1);
        }
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return true;
    }

private:
    std::string_view m_text;
    bool m_done = false;
};

// The name of the section a line starts, if it starts one.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = TrimmedSpaces(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return TrimmedSpaces(line.substr(1, line.size() - 2));
}

// Splits a "key = value" line; false for a line without "=".
bool SplitKeyLine(std::string_view line, std::string_view& key, std::string_view& value)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = TrimmedSpaces(line.substr(0, equals));
    value = line.substr(equals + 1);
    if (!value.empty() && value.front() == ' ')
        value.remove_prefix(1);
    return true;
}

using Keys = std::map<std::string, std::string, std::less<>>;

// The sections this version reads, each with its keys' unescaped values.
class KnownSections
{
public:
    KnownSections()
    {
        m_names.push_back(kDetailsSection);
        m_names.push_back(kChoicesSection);
        m_names.push_back(kFormSection);
        for (int item = 1; item <= kEscrowItems; ++item)
            m_names.push_back(ScheduleSection(item));
    }

    // Reads every line after the signature; keys before the first section are ignored.
    void Read(Lines& lines)
    {
        Keys* section = nullptr;
        std::string_view line;
        while (lines.Next(line))
        {
            if (const std::optional<std::string_view> name = SectionName(line))
            {
                section = Find(*name);
                continue;
            }
            std::string_view key;
            std::string_view value;
            if (section && SplitKeyLine(line, key, value))
                (*section)[std::string(key)] = ClosingText::Unescaped(value);
        }
    }

    // The section's keys; none when the file has no such section.
    const Keys* Section(const std::string& name) const
    {
        const auto found = m_sections.find(name);
        return found == m_sections.end() ? nullptr : &found->second;
    }

private:
    Keys* Find(std::string_view name)
    {
        for (const std::string& known : m_names)
            if (known == name)
                return &m_sections[known];
        return nullptr;
    }

    std::vector<std::string> m_names;
    std::map<std::string, Keys, std::less<>> m_sections;
};

std::string ValueOf(const Keys& keys, std::string_view key)
{
    const auto found = keys.find(key);
    return found == keys.end() ? std::string() : found->second;
}

void AppendKeyLine(std::string& out, std::string_view key, std::string_view value)
{
    out += key;
    out += " = ";
    out += ClosingText::Escaped(value);
    out += kLineEnd;
}

// The lines of a working file as the program writes them: exactly count lines, each at most
// kLineWriteLimit bytes, none holding a line feed, each ending in CR LF. None for any other file.
std::optional<std::vector<std::string_view>> WrittenLines(std::string_view bytes, std::size_t count)
{
    std::vector<std::string_view> lines;
    while (!bytes.empty())
    {
        const std::size_t end = bytes.find(kLineEnd);
        if (end == std::string_view::npos || lines.size() == count)
            return std::nullopt;
        const std::string_view line = bytes.substr(0, end);
        if (line.size() > kLineWriteLimit || line.find('\n') != std::string_view::npos)
            return std::nullopt;
        lines.push_back(line);
        bytes.remove_prefix(end + 2);
    }
    if (lines.size() != count)
        return std::nullopt;
    return lines;
}

// A working file's section: its lines by key, or the file held whole.
void AppendWorkingFile(std::string& out, const std::string& section,
                       const std::optional<std::string>& file, const std::vector<std::string>& keys)
{
    if (!file)
        return;
    out += kLineEnd;
    out += "[" + section + "]" + kLineEnd;
    const std::optional<std::vector<std::string_view>> lines = WrittenLines(*file, keys.size());
    if (!lines)
    {
        AppendKeyLine(out, kBytesKey, *file);
        return;
    }
    for (std::size_t index = 0; index < keys.size(); ++index)
        AppendKeyLine(out, keys[index], (*lines)[index]);
}

// A working file from its section: held whole, or its lines in key order, each ending in CR LF.
std::optional<std::string> WorkingFileOf(const KnownSections& sections, const std::string& name,
                                         const std::vector<std::string>& keys)
{
    const Keys* section = sections.Section(name);
    if (!section)
        return std::nullopt;
    const auto whole = section->find(kBytesKey);
    if (whole != section->end())
        return whole->second;
    std::string file;
    for (const std::string& key : keys)
        file += ValueOf(*section, key) + kLineEnd;
    return file;
}

ClosingDetails DetailsOf(const Keys& keys)
{
    ClosingDetails details;
    for (const auto& [key, member] : kDetailKeys)
        details.*member = ValueOf(keys, key);
    return details;
}

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

ClosingFileRead Refused(ClosingFileRead::Problem problem, std::string version = {})
{
    ClosingFileRead read;
    read.problem = problem;
    read.version = std::move(version);
    return read;
}

} // namespace

std::string ClosingText::Escaped(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size();)
    {
        const unsigned char byte = static_cast<unsigned char>(value[i]);
        const bool edge = i == 0 || i + 1 == value.size();
        if (byte == '\\')
            out += "\\\\";
        else if (byte == '\r')
            out += "\\r";
        else if (byte == '\n')
            out += "\\n";
        else if (byte == '\t')
            out += "\\t";
        else if (byte < 0x20 || byte == 0x7F || (byte == ' ' && edge))
            AppendHexEscape(out, byte);
        else if (byte < 0x80)
            out += static_cast<char>(byte);
        else
        {
            char32_t codePoint = 0;
            const std::size_t length = MultiByteSequence(value.substr(i), codePoint);
            if (length == 0)
                AppendHexEscape(out, byte);
            else
            {
                if (HidesOrMovesText(codePoint))
                    for (std::size_t k = 0; k < length; ++k)
                        AppendHexEscape(out, static_cast<unsigned char>(value[i + k]));
                else
                    out.append(value.substr(i, length));
                i += length;
                continue;
            }
        }
        ++i;
    }
    return out;
}

std::string ClosingText::Unescaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        if (c != '\\' || i + 1 == text.size())
        {
            out += c;
            continue;
        }
        const char next = text[i + 1];
        if (next == '\\' || next == 'r' || next == 'n' || next == 't')
        {
            out += next == 'r' ? '\r' : next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
            ++i;
        }
        else if (next == 'x' && i + 3 < text.size() && HexValue(text[i + 2]) >= 0 &&
                 HexValue(text[i + 3]) >= 0)
        {
            out += static_cast<char>(HexValue(text[i + 2]) * 16 + HexValue(text[i + 3]));
            i += 3;
        }
        else
            out += c;
    }
    return out;
}

std::string ClosingText::DetailsLines(const ClosingDetails& details)
{
    std::string out;
    for (const auto& [key, member] : kDetailKeys)
        AppendKeyLine(out, key, details.*member);
    return out;
}

ClosingDetails ClosingText::ParseDetailsLines(std::string_view lines)
{
    if (StartsWith(lines, kUtf8ByteOrderMark))
        lines.remove_prefix(std::size(kUtf8ByteOrderMark) - 1);
    // Lines before any section, and those of a [details] section, are the details.
    Keys keys;
    bool inDetails = true;
    Lines reader(lines);
    std::string_view line;
    while (reader.Next(line))
    {
        if (const std::optional<std::string_view> name = SectionName(line))
        {
            inDetails = *name == kDetailsSection;
            continue;
        }
        std::string_view key;
        std::string_view value;
        if (inDetails && SplitKeyLine(line, key, value))
            keys[std::string(key)] = Unescaped(value);
    }
    return DetailsOf(keys);
}

bool SameFigures(const ClosingContents& a, const ClosingContents& b)
{
    for (int item = 0; item < kEscrowItems; ++item)
        if (a.scheduleFiles[item].value_or("") != b.scheduleFiles[item].value_or(""))
            return false;
    return a.formFile == b.formFile && a.details == b.details &&
           a.wholeCentPayment == b.wholeCentPayment;
}

std::string ClosingFileBytes(const ClosingContents& contents)
{
    std::string out = kSignature + std::to_string(kClosingFileVersion) + kLineEnd;
    out += kLineEnd;
    out += std::string("[") + kDetailsSection + "]" + kLineEnd;
    out += ClosingText::DetailsLines(contents.details);
    out += kLineEnd;
    out += std::string("[") + kChoicesSection + "]" + kLineEnd;
    AppendKeyLine(out, kWholeCentKey, contents.wholeCentPayment ? "1" : "0");
    AppendWorkingFile(out, kFormSection, contents.formFile, FormKeys());
    for (int item = 1; item <= kEscrowItems; ++item)
        AppendWorkingFile(out, ScheduleSection(item), contents.scheduleFiles[item - 1],
                          ScheduleKeys());
    return out;
}

ClosingFileRead ParseClosingFile(std::string_view bytes)
{
    using Problem = ClosingFileRead::Problem;
    if (bytes.size() > kClosingFileSizeLimit)
        return Refused(Problem::NotAClosingFile);
    if (StartsWith(bytes, kUtf8ByteOrderMark))
        bytes.remove_prefix(std::size(kUtf8ByteOrderMark) - 1);

    Lines lines(bytes);
    std::string_view signature;
    lines.Next(signature);
    signature = TrimmedSpaces(signature);
    if (!StartsWith(signature, kSignature))
        return Refused(Problem::NotAClosingFile);
    std::string_view figures = signature.substr(std::size(kSignature) - 1);
    if (figures.empty() || figures.size() > kMostVersionFigures ||
        figures.find_first_not_of("0123456789") != std::string_view::npos)
        return Refused(Problem::NotAClosingFile);
    while (figures.size() > 1 && figures.front() == '0')
        figures.remove_prefix(1);
    const long version = std::stol(std::string(figures));
    if (version == 0)
        return Refused(Problem::NotAClosingFile);
    if (version > kClosingFileVersion)
        return Refused(Problem::NewerVersion, std::string(figures));

    KnownSections sections;
    sections.Read(lines);
    ClosingFileRead read;
    if (const Keys* details = sections.Section(kDetailsSection))
        read.contents.details = DetailsOf(*details);
    if (const Keys* choices = sections.Section(kChoicesSection))
        read.contents.wholeCentPayment = ValueOf(*choices, kWholeCentKey) == "1";
    read.contents.formFile = WorkingFileOf(sections, kFormSection, FormKeys());
    for (int item = 1; item <= kEscrowItems; ++item)
        read.contents.scheduleFiles[item - 1] =
            WorkingFileOf(sections, ScheduleSection(item), ScheduleKeys());
    return read;
}

ClosingFileRead ReadClosingFile(const FilePath& file)
{
    FileBytes bytes = ReadFileBytes(file, kClosingFileSizeLimit);
    switch (bytes.status)
    {
    case FileBytes::Status::Whole:
        break;
    case FileBytes::Status::TooLarge:
        return Refused(ClosingFileRead::Problem::NotAClosingFile);
    case FileBytes::Status::Missing:
    case FileBytes::Status::Unreadable:
        return Refused(ClosingFileRead::Problem::CannotRead);
    }
    return ParseClosingFile(bytes.bytes);
}

std::wstring ClosingFileProblemMessage(const FilePath& file, const ClosingFileRead& read)
{
    const std::wstring name = ShownPath(file).wstring();
    switch (read.problem)
    {
    case ClosingFileRead::Problem::None:
        break;
    case ClosingFileRead::Problem::NotAClosingFile:
        return name + L" is not a Tallyvane closing file.";
    case ClosingFileRead::Problem::NewerVersion:
        return name + L" was saved by a newer version of Tallyvane (closing file version " +
               std::wstring(read.version.begin(), read.version.end()) +
               L") and cannot be opened by this one.";
    case ClosingFileRead::Problem::CannotRead:
        return name + L" could not be read.";
    }
    return std::wstring();
}

SaveFailure SaveClosingFile(const std::optional<FilePath>& target, const ClosingContents& contents)
{
    const std::string bytes = ClosingFileBytes(contents);
    if (bytes.size() > kClosingFileSizeLimit)
        return SaveFailure::TooLarge;
    return SaveFileSafely(target, bytes);
}

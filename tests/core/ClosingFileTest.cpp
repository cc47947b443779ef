#include "core/closing/ClosingFile.h"

#include "FormFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fstream>
#endif

namespace
{

using Problem = ClosingFileRead::Problem;

// Lines joined, each ending in CR LF.
std::string CrLfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string Repeated(const std::string& text, int count)
{
    std::string all;
    for (int i = 0; i < count; ++i)
        all += text;
    return all;
}

// Whether the text is well-formed UTF-8 (Unicode, table 3-7).
bool IsWellFormedUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();)
    {
        const auto at = [&](std::size_t k) {
            return k < text.size() ? static_cast<unsigned char>(text[k]) : 0;
        };
        const unsigned char lead = at(i);
        std::size_t length = 1;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
        {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        }
        else if (lead >= 0xF0 && lead <= 0xF4)
        {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        else
            return false;
        for (std::size_t k = 1; k < length; ++k)
        {
            const unsigned char byte = at(i + k);
            if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

// A small closing: the worked example's form, item 1's schedule of three lines (held whole), item
// 2's of twelve (by month), the others missing.
ClosingContents SmallClosing()
{
    ClosingContents contents;
    contents.details.loanNumber = "2026-0412";
    contents.details.borrowers =
        "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1\x65z and Zo\xC3\xAB \xC3\x86r\xC3\xB8";
    contents.details.propertyAddress = "12 Elm Street\nSpringfield, IL 62704";
    contents.details.lender = "First Bank";
    contents.details.closingDate = "2026-03-15";
    contents.details.principalAndInterest = "1,250.00";
    contents.wholeCentPayment = true;
    contents.formFile = FormFile("4\r\n$50.00\r\n6\r\n$200.00\r\n", "0", "");
    contents.scheduleFiles[0] = "\r\n\r\n600.00\r\n";
    contents.scheduleFiles[1] = "\r\n\r\n\r\n\r\n\r\n1200\r\n\r\n\r\n\r\n\r\n\r\n$1,200.00\r\n";
    return contents;
}

// The closing file of the small closing, checked by hand.
TEST(ClosingFile, TheBytesOfASmallClosingArePinned)
{
    const std::string expected = CrLfLines({
        "Tallyvane closing file, version 1",
        "",
        "[details]",
        "loan number = 2026-0412",
        "borrowers = Jos\xC3\xA9 N\xC3\xBA\xC3\xB1\x65z and Zo\xC3\xAB \xC3\x86r\xC3\xB8",
        "property address = 12 Elm Street\\nSpringfield, IL 62704",
        "lender = First Bank",
        "closing date = 2026-03-15",
        "principal and interest = 1,250.00",
        "",
        "[choices]",
        "whole-cent payment = 1",
        "",
        "[form]",
        "1001 months = 4",
        "1001 per month = $50.00",
        "1002 months = 6",
        "1002 per month = $200.00",
        "1003 months = ",
        "1003 per month = ",
        "1004 months = ",
        "1004 per month = ",
        "1005 months = ",
        "1005 per month = ",
        "1006 months = ",
        "1006 per month = ",
        "1007 months = ",
        "1007 per month = ",
        "1008 months = ",
        "1008 per month = ",
        "first payment month = 05",
        "first payment year = 2004",
        "two months = 0",
        "cushion = ",
        "",
        "[schedule 1]",
        "bytes = \\r\\n\\r\\n600.00\\r\\n",
        "",
        "[schedule 2]",
        "January = ",
        "February = ",
        "March = ",
        "April = ",
        "May = ",
        "June = 1200",
        "July = ",
        "August = ",
        "September = ",
        "October = ",
        "November = ",
        "December = $1,200.00",
    });
    EXPECT_EQ(ClosingFileBytes(SmallClosing()), expected);
    const ClosingFileRead read = ParseClosingFile(expected);
    ASSERT_EQ(read.problem, Problem::None);
    EXPECT_EQ(read.contents, SmallClosing());
}

TEST(ClosingFile, AClosingWithoutFilesHasNoFileSections)
{
    const std::string expected = CrLfLines({
        "Tallyvane closing file, version 1",
        "",
        "[details]",
        "loan number = ",
        "borrowers = ",
        "property address = ",
        "lender = ",
        "closing date = ",
        "principal and interest = ",
        "",
        "[choices]",
        "whole-cent payment = 0",
    });
    EXPECT_EQ(ClosingFileBytes(ClosingContents{}), expected);
    const ClosingFileRead read = ParseClosingFile(expected);
    ASSERT_EQ(read.problem, Problem::None);
    EXPECT_EQ(read.contents, ClosingContents{});
}

// Which working files are held line by line, and which whole.
TEST(ClosingFile, OnlyFilesOfTheLinesTheProgramWritesAreHeldByKey)
{
    const std::string twelve = Repeated("1.00\r\n", 12);
    const struct
    {
        const char* what;
        std::string schedule;
        bool byKey;
    } cases[] = {
        {"twelve lines", twelve, true},
        {"twelve empty lines", Repeated("\r\n", 12), true},
        {"a lone CR inside a line", "1\r2\r\n" + Repeated("\r\n", 11), true},
        {"a CR before the line end", "1\r\r\n" + Repeated("\r\n", 11), true},
        {"lines of 498 bytes", Repeated(std::string(498, '7') + "\r\n", 12), true},
        {"an empty file", "", false},
        {"eleven lines", Repeated("1.00\r\n", 11), false},
        {"thirteen lines", Repeated("1.00\r\n", 13), false},
        {"no line end at the end", twelve.substr(0, twelve.size() - 2), false},
        {"LF line ends", Repeated("1.00\n", 12), false},
        {"an LF inside a line", "1\n2\r\n" + Repeated("\r\n", 11), false},
        {"a line of 499 bytes", std::string(499, '7') + "\r\n" + Repeated("\r\n", 11), false},
        {"a CR at the very end", twelve + "\r", false},
    };
    for (const auto& c : cases)
    {
        ClosingContents contents;
        contents.scheduleFiles[4] = c.schedule;
        const std::string bytes = ClosingFileBytes(contents);
        EXPECT_EQ(bytes.find("\r\n[schedule 5]\r\nbytes = ") != std::string::npos, !c.byKey)
            << c.what;
        EXPECT_EQ(bytes.find("\r\n[schedule 5]\r\nJanuary = ") != std::string::npos, c.byKey)
            << c.what;
        const ClosingFileRead read = ParseClosingFile(bytes);
        ASSERT_EQ(read.problem, Problem::None) << c.what;
        EXPECT_EQ(read.contents, contents) << c.what;
    }
}

TEST(ClosingFile, ValuesAreEscapedSoThatAnyBytesComeBack)
{
    const struct
    {
        const char* what;
        std::string value;
        std::string escaped;
    } cases[] = {
        {"nothing", "", ""},
        {"plain text", "$1,200.00", "$1,200.00"},
        {"a space inside", "a b", "a b"},
        {"a leading space", " 7", "\\x207"},
        {"a trailing space", "7 ", "7\\x20"},
        {"one space", " ", "\\x20"},
        {"three spaces", "   ", "\\x20 \\x20"},
        {"a backslash", "C:\\loans\\x41", "C:\\\\loans\\\\x41"},
        {"CR, LF and tab", "a\rb\nc\td", "a\\rb\\nc\\td"},
        {"NUL", std::string("1\0002", 3), "1\\x002"},
        {"escape and DEL", "\x1B[31m\x7F", "\\x1B[31m\\x7F"},
        {"a line of the format", "x = y\r\n[form]", "x = y\\r\\n[form]"},
        {"markup", "<script>alert('x')</script>", "<script>alert('x')</script>"},
        {"accented names", "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1\x65z",
         "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1\x65z"},
        {"Zo\xC3\xAB \xC3\x86r\xC3\xB8", "Zo\xC3\xAB \xC3\x86r\xC3\xB8",
         "Zo\xC3\xAB \xC3\x86r\xC3\xB8"},
        {"three and four bytes", "\xE2\x82\xAC \xF0\x9F\x8F\xA0", "\xE2\x82\xAC \xF0\x9F\x8F\xA0"},
        {"an 8-bit code page byte", "Jos\xE9", "Jos\\xE9"},
        {"a lone continuation byte", "\x80", "\\x80"},
        {"an overlong slash", "\xC0\xAF", "\\xC0\\xAF"},
        {"a surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
        {"a cut sequence", "\xE2\x82", "\\xE2\\x82"},
        {"a cut sequence before text", "\xE2\x82x", "\\xE2\\x82x"},
        {"a C1 control", "a\xC2\x85z", "a\\xC2\\x85z"},
        {"a line separator", "\xE2\x80\xA8", "\\xE2\\x80\\xA8"},
        {"a right-to-left override", "abc\xE2\x80\xAE", "abc\\xE2\\x80\\xAE"},
        {"a byte-order mark", "\xEF\xBB\xBF", "\\xEF\\xBB\\xBF"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ClosingText::Escaped(c.value), c.escaped) << c.what;
        EXPECT_EQ(ClosingText::Unescaped(c.escaped), c.value) << c.what;
    }
}

TEST(ClosingFile, AnyTextUnescapesAndALoneBackslashStandsForItself)
{
    const struct
    {
        std::string text;
        std::string value;
    } cases[] = {
        {"\\", "\\"},      {"a\\", "a\\"},     {"\\q", "\\q"},     {"\\x", "\\x"},
        {"\\x4", "\\x4"},  {"\\xg1", "\\xg1"}, {"\\x4g", "\\x4g"}, {"\\x41", "A"},
        {"\\xe9", "\xE9"}, {"\\xE9", "\xE9"},  {"\\\\n", "\\n"},   {"\\\\\\n", "\\\n"},
        {"\\x5cn", "\\n"}, {"\t\r", "\t\r"},   {" raw ", " raw "}, {"\\x20", " "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClosingText::Unescaped(c.text), c.value) << c.text;
}

// Whatever the details hold, the file keeps its lines and sections, is UTF-8 through and through,
// and gives the details back.
TEST(ClosingFile, HostileDetailsStayInTheirValues)
{
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const std::string hostile[] = {
        "<script>alert(document.cookie)</script>",
        "C:\\Users\\x\\n\\\\server\\share\\",
        "a\r\nloan number = stolen\r\n[form]\r\nbytes = x",
        "\r",
        "\n",
        "\t\t",
        std::string("\0\0\0", 3),
        "\xFF\xFE\xC3\x28\xA0\xA1",
        "]\r\n[details",
        " = ",
        "=",
        everyByte,
        std::string(256 * 1024, 'L'),
        Repeated("\xE2\x80\xAE\\\r\n", 10000),
    };
    for (const std::string& value : hostile)
    {
        ClosingContents contents;
        contents.details.loanNumber = value;
        contents.details.borrowers = value;
        contents.details.propertyAddress = value + "\n" + value;
        contents.details.lender = value;
        contents.details.closingDate = value;
        contents.details.principalAndInterest = value;
        const std::string bytes = ClosingFileBytes(contents);
        EXPECT_TRUE(IsWellFormedUtf8(bytes)) << value.substr(0, 40);
        // The signature, an empty line, [details] and its six keys, an empty line, [choices] and
        // its key: twelve lines, each ending in CR LF, and no CR or LF besides.
        std::size_t lineEnds = 0;
        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
             at = bytes.find("\r\n", at + 2))
            ++lineEnds;
        EXPECT_EQ(lineEnds, 12u) << value.substr(0, 40);
        std::size_t breaks = 0;
        for (char c : bytes)
            breaks += c == '\r' || c == '\n';
        EXPECT_EQ(breaks, 24u) << value.substr(0, 40);
        const ClosingFileRead read = ParseClosingFile(bytes);
        ASSERT_EQ(read.problem, Problem::None) << value.substr(0, 40);
        EXPECT_EQ(read.contents, contents) << value.substr(0, 40);
    }
}

std::string Utf16Le(const std::string& ascii)
{
    std::string wide;
    for (char c : ascii)
    {
        wide += c;
        wide += '\0';
    }
    return wide;
}

std::string Utf16Be(const std::string& ascii)
{
    std::string wide;
    for (char c : ascii)
    {
        wide += '\0';
        wide += c;
    }
    return wide;
}

TEST(ClosingFile, RefusesWhatIsNoClosingFileAndANewerVersion)
{
    const std::string body = "\r\n[details]\r\nloan number = 7\r\n";
    const std::string signature = "Tallyvane closing file, version 1\r\n";
    const struct
    {
        const char* what;
        std::string bytes;
        Problem problem;
        std::string version;
    } cases[] = {
        {"empty", "", Problem::NotAClosingFile, ""},
        {"no signature", body, Problem::NotAClosingFile, ""},
        {"a form file", FormFile("4\r\n", "0", ""), Problem::NotAClosingFile, ""},
        {"the signature on the second line", "\r\n" + signature + body, Problem::NotAClosingFile,
         ""},
        {"the signature in other letters", "tallyvane closing file, version 1\r\n" + body,
         Problem::NotAClosingFile, ""},
        {"no version", "Tallyvane closing file\r\n" + body, Problem::NotAClosingFile, ""},
        {"no version number", "Tallyvane closing file, version \r\n", Problem::NotAClosingFile, ""},
        {"a version that is no number", "Tallyvane closing file, version 1a\r\n",
         Problem::NotAClosingFile, ""},
        {"a negative version", "Tallyvane closing file, version -1\r\n", Problem::NotAClosingFile,
         ""},
        {"version 0", "Tallyvane closing file, version 0\r\n", Problem::NotAClosingFile, ""},
        {"a version of ten figures", "Tallyvane closing file, version 1234567890\r\n",
         Problem::NotAClosingFile, ""},
        {"binary", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), Problem::NotAClosingFile, ""},
        {"a program", std::string("MZ\x90\0\x03\0\0\0", 8), Problem::NotAClosingFile, ""},
        {"NUL bytes", std::string(64, '\0'), Problem::NotAClosingFile, ""},
        {"UTF-16 LE with its byte-order mark", "\xFF\xFE" + Utf16Le(signature + body),
         Problem::NotAClosingFile, ""},
        {"UTF-16 LE without a byte-order mark", Utf16Le(signature + body), Problem::NotAClosingFile,
         ""},
        {"UTF-16 BE with its byte-order mark", "\xFE\xFF" + Utf16Be(signature + body),
         Problem::NotAClosingFile, ""},
        {"two byte-order marks", "\xEF\xBB\xBF\xEF\xBB\xBF" + signature, Problem::NotAClosingFile,
         ""},
        {"larger than a closing file may be", signature + std::string(kClosingFileSizeLimit, '\n'),
         Problem::NotAClosingFile, ""},
        {"version 2", "Tallyvane closing file, version 2\r\n" + body, Problem::NewerVersion, "2"},
        {"version 10", "Tallyvane closing file, version 10\r\n", Problem::NewerVersion, "10"},
        {"version 0002", "Tallyvane closing file, version 0002\r\n", Problem::NewerVersion, "2"},
        {"version 999999999", "Tallyvane closing file, version 999999999", Problem::NewerVersion,
         "999999999"},
        {"version 2 with a byte-order mark", "\xEF\xBB\xBFTallyvane closing file, version 2\n",
         Problem::NewerVersion, "2"},
    };
    for (const auto& c : cases)
    {
        const ClosingFileRead read = ParseClosingFile(c.bytes);
        EXPECT_EQ(read.problem, c.problem) << c.what;
        EXPECT_EQ(read.version, c.version) << c.what;
        EXPECT_EQ(read.contents, ClosingContents{}) << c.what;
    }
}

TEST(ClosingFile, OpensOurVersionHoweverItsSignatureLineEnds)
{
    const struct
    {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"CR LF", "Tallyvane closing file, version 1\r\n[details]\r\nlender = Bank\r\n"},
        {"LF alone", "Tallyvane closing file, version 1\n[details]\nlender = Bank\n"},
        {"a UTF-8 byte-order mark",
         "\xEF\xBB\xBFTallyvane closing file, version 1\r\n[details]\r\nlender = Bank"},
        {"spaces after the version",
         "Tallyvane closing file, version 1  \t\r\n[details]\r\nlender = Bank\r\n"},
        {"version 01", "Tallyvane closing file, version 01\r\n[details]\r\nlender = Bank\r\n"},
        {"the end of the file after the section", "Tallyvane closing file, version 1\r\n[details]"
                                                  "\r\nlender = Bank\r\n\r\n\r\n"},
    };
    for (const auto& c : cases)
    {
        const ClosingFileRead read = ParseClosingFile(c.bytes);
        ASSERT_EQ(read.problem, Problem::None) << c.what;
        ClosingContents expected;
        expected.details.lender = "Bank";
        EXPECT_EQ(read.contents, expected) << c.what;
    }
    const ClosingFileRead signatureAlone = ParseClosingFile("Tallyvane closing file, version 1");
    EXPECT_EQ(signatureAlone.problem, Problem::None);
    EXPECT_EQ(signatureAlone.contents, ClosingContents{});
}

// Read as leniently as the working files: what is missing is empty, what is unknown is ignored.
TEST(ClosingFile, MissingKeysAreEmptyAndUnknownOnesIgnored)
{
    const std::string bytes = CrLfLines({
        "Tallyvane closing file, version 1",
        "lender = before any section",
        "a line without an equals sign",
        "[details]",
        "loan number=7",
        "  borrowers \t=   Ann",
        "lender = First Bank",
        "lender = Second Bank",
        "notes = a key of a later version",
        "property address",
        "=no key",
        "[choices]",
        "whole-cent payment = yes",
        "rounding = a later choice",
        "[signatures]",
        "loan number = 8",
        "[ form ]",
        "1001 months = 4",
        "cushion = 100",
        "[schedule 3]",
        "[schedule 4]",
        "March = 600.00",
        "Smarch = 1.00",
        "bytes = whole\\r\\n",
        "June = 2.00",
        "[schedule 9]",
        "January = 5",
        "[schedule 6]",
        "February = 1",
        "[schedule 6]",
        "March = 2",
    });
    const ClosingFileRead read = ParseClosingFile(bytes);
    ASSERT_EQ(read.problem, Problem::None);
    ClosingContents expected;
    expected.details.loanNumber = "7";
    expected.details.borrowers = "  Ann";
    expected.details.lender = "Second Bank";
    expected.formFile = "4\r\n" + Repeated("\r\n", 18) + "100\r\n";
    expected.scheduleFiles[2] = Repeated("\r\n", 12);
    expected.scheduleFiles[3] = "whole\r\n";
    expected.scheduleFiles[5] = "\r\n1\r\n2\r\n" + Repeated("\r\n", 9);
    EXPECT_EQ(read.contents, expected);
}

TEST(ClosingFile, AMissingSectionIsAMissingFileOrEmptyDetails)
{
    std::string bytes = ClosingFileBytes(SmallClosing());
    const std::size_t form = bytes.find("\r\n[form]\r\n");
    const std::size_t schedule = bytes.find("\r\n[schedule 1]\r\n");
    ASSERT_NE(form, std::string::npos);
    ASSERT_NE(schedule, std::string::npos);
    bytes.erase(form, schedule - form);
    ClosingContents expected = SmallClosing();
    expected.formFile.reset();
    ClosingFileRead read = ParseClosingFile(bytes);
    ASSERT_EQ(read.problem, Problem::None);
    EXPECT_EQ(read.contents, expected);

    read = ParseClosingFile("Tallyvane closing file, version 1\r\n[schedule 2]\r\nbytes = x\r\n");
    ASSERT_EQ(read.problem, Problem::None);
    expected = ClosingContents{};
    expected.scheduleFiles[1] = "x";
    EXPECT_EQ(read.contents, expected);
}

TEST(ClosingFile, TheRefusalsNameTheFileAsTheUserKnowsIt)
{
#ifdef _WIN32
    const FilePath file(L"\\\\?\\C:\\Loans\\Smith.tallyvane");
    const std::wstring shown = L"C:\\Loans\\Smith.tallyvane";
#else
    const FilePath file("/home/escrow/Smith.tallyvane");
    const std::wstring shown = L"/home/escrow/Smith.tallyvane";
#endif
    ClosingFileRead read;
    EXPECT_EQ(ClosingFileProblemMessage(file, read), L"");
    read.problem = Problem::NotAClosingFile;
    EXPECT_EQ(ClosingFileProblemMessage(file, read), shown + L" is not a Tallyvane closing file.");
    read.problem = Problem::NewerVersion;
    read.version = "2";
    EXPECT_EQ(ClosingFileProblemMessage(file, read),
              shown + L" was saved by a newer version of Tallyvane (closing file version 2) and "
                      L"cannot be opened by this one.");
    read.problem = Problem::CannotRead;
    EXPECT_EQ(ClosingFileProblemMessage(file, read), shown + L" could not be read.");
}

TEST(ClosingFile, IsSavedWholeAndReadBack)
{
    TempFolder folder;
    const FilePath file = folder / "Smith.tallyvane";
    WriteBytes(file, "an older closing");
    ASSERT_EQ(SaveClosingFile(file, SmallClosing()), SaveFailure::None);
    EXPECT_EQ(ReadBytes(file), ClosingFileBytes(SmallClosing()));
    EXPECT_FALSE(HasTemporaryFile(folder.Path()));
    const ClosingFileRead read = ReadClosingFile(file);
    ASSERT_EQ(read.problem, Problem::None);
    EXPECT_EQ(read.contents, SmallClosing());
    EXPECT_EQ(SaveClosingFile(std::nullopt, SmallClosing()), SaveFailure::NoPath);
}

// A closing whose file could not be opened again is not saved, and an older file stays.
TEST(ClosingFile, AClosingTooLargeToOpenAgainIsNotSaved)
{
    TempFolder folder;
    const FilePath file = folder / "Large.tallyvane";
    WriteBytes(file, "kept");
    ClosingContents contents;
    // Every byte escaped as \xHH: a quarter of the limit is four times as much in the file.
    contents.formFile = std::string(kClosingFileSizeLimit / 4, '\x01');
    EXPECT_EQ(SaveClosingFile(file, contents), SaveFailure::TooLarge);
    EXPECT_EQ(ReadBytes(file), "kept");
    EXPECT_FALSE(HasTemporaryFile(folder.Path()));

    contents.formFile = std::string(kClosingFileSizeLimit / 4 - 1000, '\x01');
    ASSERT_EQ(SaveClosingFile(file, contents), SaveFailure::None);
    const ClosingFileRead read = ReadClosingFile(file);
    ASSERT_EQ(read.problem, Problem::None);
    EXPECT_EQ(read.contents, contents);
}

TEST(ClosingFile, RefusesFilesOnDiskThatAreNone)
{
    TempFolder folder;
    const std::string signature = "Tallyvane closing file, version 1\r\n";
    WriteBytes(folder / "empty.tallyvane", "");
    WriteBytes(folder / "utf16.tallyvane", "\xFF\xFE" + Utf16Le(signature));
    WriteBytes(folder / "newer.tallyvane", "Tallyvane closing file, version 3\r\n");
    std::filesystem::create_directory(folder / "folder.tallyvane");
    const struct
    {
        const char* name;
        Problem problem;
    } cases[] = {
        {"empty.tallyvane", Problem::NotAClosingFile},
        {"utf16.tallyvane", Problem::NotAClosingFile},
        {"newer.tallyvane", Problem::NewerVersion},
        {"missing.tallyvane", Problem::CannotRead},
        {"folder.tallyvane", Problem::CannotRead},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadClosingFile(folder / c.name).problem, c.problem) << c.name;
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.tallyvane"));
}

// The bytes this process has read from files so far, as the system counts them; none where it
// does not tell.
unsigned long long BytesReadSoFar()
{
#ifdef _WIN32
    IO_COUNTERS counters{};
    if (!GetProcessIoCounters(GetCurrentProcess(), &counters))
        return 0;
    return counters.ReadTransferCount;
#else
    std::ifstream io("/proc/self/io");
    std::string key;
    unsigned long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return 0;
#endif
}

// A file of 100 MB that starts like a closing file is refused from its size, at once, without
// being read.
TEST(ClosingFile, AHugeFileIsRefusedWithoutBeingRead)
{
    TempFolder folder;
    const FilePath file = folder / "huge.tallyvane";
    WriteBytes(file, "Tallyvane closing file, version 1\r\n[details]\r\nlender = Bank\r\n");
    std::filesystem::resize_file(file, std::uintmax_t{100} << 20);
    ASSERT_EQ(std::filesystem::file_size(file), std::uintmax_t{100} << 20);

    const unsigned long long before = BytesReadSoFar();
    const auto start = std::chrono::steady_clock::now();
    const ClosingFileRead read = ReadClosingFile(file);
    const auto took = std::chrono::steady_clock::now() - start;
    const unsigned long long readBytes = BytesReadSoFar() - before;

    EXPECT_EQ(read.problem, Problem::NotAClosingFile);
    EXPECT_LT(readBytes, 1u << 20);
    EXPECT_LT(took, std::chrono::seconds(1));
}

} // namespace

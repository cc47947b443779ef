// Generated closings, from a fixed seed, through the closing file and back: in memory, and from
// one working folder through a file on disk into another working folder.
#include "core/closing/ClosingFile.h"
#include "core/closing/WorkingClosing.h"
#include "core/escrow/Schedules.h"
#include "core/files/TextLines.h"
#include "core/files/WorkingFiles.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace
{

class ClosingGenerator
{
public:
    explicit ClosingGenerator(unsigned seed) : m_random(seed) {}

    ClosingContents Closing()
    {
        ClosingContents contents;
        contents.details = Details();
        contents.wholeCentPayment = Chance(50);
        contents.formFile = WorkingFile(20);
        for (std::optional<std::string>& schedule : contents.scheduleFiles)
            schedule = WorkingFile(12);
        return contents;
    }

    ClosingDetails Details()
    {
        ClosingDetails details;
        for (std::string* text :
             {&details.loanNumber, &details.borrowers, &details.propertyAddress, &details.lender,
              &details.closingDate, &details.principalAndInterest})
            *text = Chance(30) ? std::string() : Text(Number(0, 60));
        if (Chance(20))
            details.propertyAddress = Text(20) + "\n" + Text(20) + "\n" + Text(10);
        return details;
    }

private:
    int Number(int low, int high)
    {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }
    bool Chance(int percent) { return Number(1, 100) <= percent; }

    // Text of about the given number of pieces: plain ASCII, spaces at either end, control bytes,
    // bytes that are no UTF-8 (the 8-bit code page), UTF-8 of two to four bytes, characters that
    // are escaped though well-formed, and the format's own marks.
    std::string Text(int pieces)
    {
        static const std::vector<std::string> pieceKinds = {
            "a",
            "Z",
            "7",
            "$1,200.00",
            " ",
            "  ",
            "\t",
            "\r",
            "\n",
            "\r\n",
            "\\",
            "\\x41",
            "\\n",
            "=",
            " = ",
            "[",
            "]",
            "[form]",
            "#",
            "\xE9",
            "\xFF",
            "\x80",
            "\xC3",
            "\xC3\xA9",
            "\xE2\x82\xAC",
            "\xF0\x9F\x8F\xA0",
            "\xE2\x80\xAE",
            "\xC2\x85",
            "\xEF\xBB\xBF",
            std::string(1, '\0'),
            "\x1B",
            "\x7F",
            "<script>",
        };
        std::string text;
        for (int i = 0; i < pieces; ++i)
            text += pieceKinds[static_cast<std::size_t>(Number(0, int(pieceKinds.size()) - 1))];
        return text;
    }

    // A line as the program writes it: no line feed, at most kLineWriteLimit bytes.
    std::string Line()
    {
        std::string line;
        for (const char c : Text(Number(0, 6)))
            if (c != '\n')
                line += c;
        if (Chance(3))
            line = std::string(kLineWriteLimit, '9');
        return line.substr(0, kLineWriteLimit);
    }

    // A working file of so many lines as the program writes it, or of other bytes, or none.
    std::optional<std::string> WorkingFile(int lines)
    {
        const int kind = Number(1, 100);
        if (kind <= 20)
            return std::nullopt;
        std::string file;
        if (kind <= 65)
        {
            for (int i = 0; i < lines; ++i)
                file += Line() + "\r\n";
            return file;
        }
        if (kind <= 75)
        {
            // Too few or too many lines, or one line end missing.
            const int count = lines + Number(-3, 3);
            for (int i = 0; i < count; ++i)
                file += Line() + "\r\n";
            if (Chance(50) && file.size() >= 2)
                file.resize(file.size() - 2);
            return file;
        }
        if (kind <= 80)
            return std::string();
        if (kind <= 85)
            return std::string(static_cast<std::size_t>(Number(499, 1200)), 'x') + "\r\n";
        // Any bytes at all.
        const int size = Number(0, 600);
        for (int i = 0; i < size; ++i)
            file += static_cast<char>(Number(0, 255));
        return file;
    }

    std::mt19937 m_random;
};

TEST(ClosingRoundTrip, GeneratedClosingsComeBackFromTheirBytes)
{
    ClosingGenerator generate(20260315);
    for (int closing = 0; closing < 400; ++closing)
    {
        const ClosingContents contents = generate.Closing();
        const std::string bytes = ClosingFileBytes(contents);
        const ClosingFileRead read = ParseClosingFile(bytes);
        ASSERT_EQ(read.problem, ClosingFileRead::Problem::None) << "closing " << closing;
        ASSERT_EQ(read.contents, contents) << "closing " << closing;
        ASSERT_EQ(ClosingFileBytes(read.contents), bytes) << "closing " << closing;
    }
}

std::vector<std::string> WorkingFileNames()
{
    std::vector<std::string> names{kFormFileName};
    for (int item = 1; item <= kEscrowItems; ++item)
        names.push_back(ScheduleFileName(item));
    names.push_back(kDetailsFileName);
    names.push_back(kWholeCentFileName);
    return names;
}

// The working files' bytes by name; a missing file as none.
std::vector<std::optional<std::string>> FilesOf(const FilePath& folder)
{
    std::vector<std::optional<std::string>> files;
    for (const std::string& name : WorkingFileNames())
        files.push_back(std::filesystem::exists(folder / name)
                            ? std::optional<std::string>(ReadBytes(folder / name))
                            : std::nullopt);
    return files;
}

// Puts the closing's working files into the folder as the program would have left them.
void WriteAsTheProgramDoes(const FilePath& folder, const ClosingContents& contents)
{
    std::filesystem::create_directories(folder);
    if (contents.formFile)
        WriteBytes(folder / kFormFileName, *contents.formFile);
    for (int item = 1; item <= kEscrowItems; ++item)
        if (contents.scheduleFiles[item - 1])
            WriteBytes(folder / ScheduleFileName(item), *contents.scheduleFiles[item - 1]);
    ASSERT_EQ(WriteDetailsFile(folder, contents.details), SaveFailure::None);
    ASSERT_EQ(WriteWholeCentFile(folder, contents.wholeCentPayment), SaveFailure::None);
}

TEST(ClosingRoundTrip, AWorkingFolderComesBackByteForByteInAnother)
{
    ClosingGenerator generate(1031);
    for (int closing = 0; closing < 30; ++closing)
    {
        TempFolder place;
        const FilePath from = place / "current";
        const FilePath to = place / "elsewhere" / "current";
        const ClosingContents contents = generate.Closing();
        WriteAsTheProgramDoes(from, contents);
        // The other folder holds another closing's files, every one of them, to be replaced or
        // deleted.
        std::filesystem::create_directories(to);
        for (const std::string& name : WorkingFileNames())
            WriteBytes(to / name, "stale " + name + "\r\n");

        const std::optional<ClosingContents> read = ReadWorkingClosing(from);
        ASSERT_TRUE(read) << "closing " << closing;
        ASSERT_EQ(*read, contents) << "closing " << closing;
        const FilePath file = place / "Loan 12.tallyvane";
        ASSERT_EQ(SaveClosingFile(file, *read), SaveFailure::None) << "closing " << closing;
        const ClosingFileRead opened = ReadClosingFile(file);
        ASSERT_EQ(opened.problem, ClosingFileRead::Problem::None) << "closing " << closing;
        const WorkingFileFailure written = WriteWorkingClosing(to, opened.contents);
        ASSERT_EQ(written.failure, SaveFailure::None) << written.fileName;

        EXPECT_EQ(FilesOf(to), FilesOf(from)) << "closing " << closing;
        EXPECT_FALSE(HasTemporaryFile(to)) << "closing " << closing;
        EXPECT_EQ(ReadWorkingClosing(to), contents) << "closing " << closing;
    }
}

} // namespace

#include "core/files/TextLines.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{

std::vector<std::string> ReadLines(LineReader& reader, std::size_t count)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(reader.ReadLine());
    return lines;
}

std::vector<std::string> ReadLines(const FilePath& file, std::size_t count)
{
    LineReader reader(file);
    return ReadLines(reader, count);
}

struct ReadCase
{
    const char* what;
    std::string bytes;
    std::vector<std::string> reads;
};

// A file, and its bytes read from memory.
TEST(LineReader, FollowsTheTextModeLineRules)
{
    const std::string a499(499, 'a');
    const ReadCase cases[] = {
        {"empty file", "", {"", "", ""}},
        {"CR LF lines", "a\r\nb\r\n", {"a", "b", "", ""}},
        {"LF alone ends a line", "a\nb\n", {"a", "b", ""}},
        {"last line without line end", "a\r\nlast", {"a", "last", ""}},
        {"lone CR stays in the line", "12\r34\r\n5", {"12\r34", "5"}},
        {"CR before CR LF stays", "a\r\r\nb", {"a\r", "b"}},
        {"CR at the end of the file stays", "x\r", {"x\r", ""}},
        {"CR-only file is one line", "a\rb\rc\r", {"a\rb\rc\r", ""}},
        {"spaces kept", "  7 \r\n", {"  7 ", ""}},
        {"NUL bytes kept", std::string("1\0002\r\n", 5), {std::string("1\0002", 3), ""}},
        {"UTF-8 byte-order mark kept",
         "\xEF\xBB\xBF"
         "5\r\n",
         {"\xEF\xBB\xBF"
          "5",
          ""}},
        {"exactly 499 characters leave an empty rest", a499 + "\r\nb\r\n", {a499, "", "b", ""}},
        {"500 characters continue on the next read", a499 + "z\r\nb", {a499, "z", "b"}},
        {"499 characters then a lone CR", a499 + "\rq\r\n", {a499, "\rq", ""}},
        {"long line without line end",
         std::string(1000, 'x'),
         {std::string(499, 'x'), std::string(499, 'x'), "xx", ""}},
    };
    for (const ReadCase& c : cases)
    {
        TempFolder folder;
        WriteBytes(folder / "f.txt", c.bytes);
        EXPECT_EQ(ReadLines(folder / "f.txt", c.reads.size()), c.reads) << c.what;
        LineReader inMemory{std::string_view(c.bytes)};
        EXPECT_EQ(ReadLines(inMemory, c.reads.size()), c.reads) << c.what << ", in memory";
        EXPECT_TRUE(inMemory.AtEnd()) << c.what << ", in memory";
    }
}

TEST(LineReader, CrLfSplitAcrossTheReadBuffer)
{
    // Lines of eight characters put the CR of the last line at byte 4095 and its LF at 4096.
    std::string bytes;
    for (int i = 0; i < 409; ++i)
        bytes += "12345678\r\n";
    bytes += "abcde\r\nnext\r\n";
    TempFolder folder;
    WriteBytes(folder / "f.txt", bytes);
    const std::vector<std::string> lines = ReadLines(folder / "f.txt", 412);
    EXPECT_EQ(lines[408], "12345678");
    EXPECT_EQ(lines[409], "abcde");
    EXPECT_EQ(lines[410], "next");
    EXPECT_EQ(lines[411], "");
}

TEST(LineReader, HugeSingleLineIsReadInBoundedPieces)
{
    const std::string bytes(10 * 1024 * 1024, '9');
    TempFolder folder;
    WriteBytes(folder / "f.txt", bytes);
    for (const std::string& line : ReadLines(folder / "f.txt", 12))
        EXPECT_EQ(line, std::string(499, '9'));
    LineReader inMemory{std::string_view(bytes)};
    for (const std::string& line : ReadLines(inMemory, 12))
        EXPECT_EQ(line, std::string(499, '9'));
}

TEST(LineReader, TellsTheEndOfTheFileFromAnEmptyLine)
{
    TempFolder folder;
    WriteBytes(folder / "f.txt", "a\r\n\r\n");
    LineReader reader(folder / "f.txt");
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadLine(), "a");
    EXPECT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_TRUE(LineReader(folder / "missing" / "f.txt").AtEnd());
    EXPECT_FALSE(LineReader(std::string_view("\r\n")).AtEnd());
    EXPECT_TRUE(LineReader(std::string_view()).AtEnd());
}

TEST(LineReader, MissingFileIsCreatedEmptyWhenTheFolderExists)
{
    TempFolder folder;
    EXPECT_EQ(ReadLines(folder / "part3.txt", 2), (std::vector<std::string>{"", ""}));
    ASSERT_TRUE(std::filesystem::exists(folder / "part3.txt"));
    EXPECT_EQ(std::filesystem::file_size(folder / "part3.txt"), 0u);
}

TEST(LineReader, MissingFolderOrPathReadsEmptyAndCreatesNothing)
{
    TempFolder folder;
    EXPECT_EQ(ReadLines(folder / "current" / "main.txt", 2), (std::vector<std::string>{"", ""}));
    EXPECT_FALSE(std::filesystem::exists(folder / "current"));

    LineReader noPath(std::nullopt);
    EXPECT_EQ(noPath.ReadLine(), "");
}

TEST(LineWriter, EndsEveryLineWithCrLf)
{
    LineWriter writer;
    writer.WriteLine("");
    writer.WriteLine(" 1,200.00 ");
    writer.WriteLine("");
    EXPECT_EQ(writer.Bytes(), "\r\n 1,200.00 \r\n\r\n");
}

// Whatever text a box holds, the line written for it reads back as one line, so no field ever
// runs into the next.
TEST(LineWriter, NeverWritesALineThatReadsBackAsTwo)
{
    const std::string cases[] = {
        std::string(498, 'x'),
        std::string(499, 'x'),
        std::string(600, 'x'),
        "a\nb",
        "a\r\nb",
        std::string(497, 'x') + "\r",
        std::string(498, 'x') + "\r",
        "\n\n\n",
        std::string(1000, '\n') + "7",
    };
    for (const std::string& text : cases)
    {
        LineWriter writer;
        writer.WriteLine(text);
        writer.WriteLine("next");
        TempFolder folder;
        WriteBytes(folder / "f.txt", writer.Bytes());
        const std::vector<std::string> lines = ReadLines(folder / "f.txt", 3);
        EXPECT_EQ(lines[1], "next") << text.size();
        EXPECT_EQ(lines[2], "") << text.size();
        std::string expected = text;
        expected.erase(std::remove(expected.begin(), expected.end(), '\n'), expected.end());
        EXPECT_EQ(lines[0], expected.substr(0, kLineWriteLimit)) << text.size();
    }
}

} // namespace

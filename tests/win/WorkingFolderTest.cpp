#include "WorkingFolderTest.h"

#include <fstream>
#include <iterator>

void WorkingFolderTest::SetUp()
{
    const std::optional<FilePath> folder = WorkingFolder();
    ASSERT_TRUE(folder);
    m_folder = *folder;
    std::filesystem::remove_all(m_folder);
    ASSERT_TRUE(std::filesystem::create_directory(m_folder));
}

void WorkingFolderTest::TearDown()
{
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
    EXPECT_FALSE(error) << error.message();
}

FilePath WorkingFolderTest::File(const std::string& name) const
{
    return m_folder / name;
}

std::string WorkingFolderTest::BytesOf(const FilePath& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WorkingFolderTest::Store(const FilePath& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << file.string();
}

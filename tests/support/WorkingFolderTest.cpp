#include "WorkingFolderTest.h"

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

// A test that runs with an empty working folder beside the test executable, and leaves none.
#pragma once

#include "core/files/WorkingFolder.h"

#include <gtest/gtest.h>

#include <string>

class WorkingFolderTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A file of the working folder.
    FilePath File(const std::string& name) const;

    FilePath m_folder;
};

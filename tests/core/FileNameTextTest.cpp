#include "core/files/FileNameText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(FileNameText, MakesWhatAFileNameCannotHoldADash)
{
    const struct
    {
        std::string text;
        std::string name;
    } cases[] = {
        {"LN-2026-0042", "LN-2026-0042"},
        {"a\\b/c:d*e?f\"g<h>i|j", "a-b-c-d-e-f-g-h-i-j"},
        {"7\t8\x7F\x01", "7-8--"},
        {"Pr\xC3\xAAt #12 (A)", "Pr\xC3\xAAt #12 (A)"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileNameText(c.text), c.name) << c.text;
}

} // namespace

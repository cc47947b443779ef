#include "core/statement/PrintableText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(PrintableText, KeepsWellFormedUtf8AndReplacesTheRest)
{
    const std::string r = "\xEF\xBF\xBD"; // U+FFFD
    const struct
    {
        std::string text;
        std::string printable;
    } cases[] = {
        {"2026", "2026"},
        {"<b>&\"'", "<b>&\"'"},
        {"a\tb\r\nc\x7f", "a b  c "},
        {"\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"caf\xE9", "caf" + r},              // a Latin-1 byte
        {"\xC0\xAF", r + r},                 // an overlong "/"
        {"\xE0\x80\xAF", r + r + r},         // another
        {"\xF0\x8F\xBF\xBF", r + r + r + r}, // and another
        {"\xED\xA0\x80", r + r + r},         // a surrogate
        {"\xF4\x90\x80\x80", r + r + r + r}, // above U+10FFFF
        {"\xE2\x82", r + r},                 // cut short at the end
        {"\xE2\x82"
         "A",
         r + r + "A"}, // cut short before a character
        {std::string("1\0"
                     "2",
                     3),
         "1 2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintableText(c.text), c.printable) << c.text;
}

} // namespace

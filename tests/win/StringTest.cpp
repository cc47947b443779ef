// The framework's text: removal of characters, formatting and string resources.
#include "TestResources.h"

#include "framework/String.h"
#include "framework/TextEncoding.h"

#include <gtest/gtest.h>

namespace
{
TEST(String, RemoveTakesOutEveryOccurrence)
{
    CString text("\r1,2\r\n3\n");
    EXPECT_EQ(text.Remove('\n'), 2);
    EXPECT_EQ(text.Remove('\r'), 2);
    EXPECT_EQ(text.str(), "1,23");
    EXPECT_EQ(text.Remove('x'), 0);
    EXPECT_EQ(text.str(), "1,23");
}

TEST(String, FormatReplacesTheText)
{
    CString text("old text that is longer");
    text.Format("%2i-%2i-%4i", 3, 7, 2004);
    EXPECT_EQ(text.str(), " 3- 7-2004");
    text.Format("%s", "");
    EXPECT_TRUE(text.IsEmpty());
    const std::string big(1000, 'x');
    text.Format("[%s]", big.c_str());
    EXPECT_EQ(text.str(), "[" + big + "]");
}

TEST(String, LoadStringReadsTheExecutablesStringTable)
{
    CString text("unchanged");
    EXPECT_FALSE(text.LoadString(IDS_MISSING));
    EXPECT_EQ(text.str(), "unchanged");
    EXPECT_TRUE(text.LoadString(IDS_GREETING));
    EXPECT_EQ(text.str(), "&About Tallyvane...");
}

TEST(String, WideFromUtf8ReadsUtf8WhateverTheCodePage)
{
    EXPECT_EQ(WideFromUtf8(""), L"");
    EXPECT_EQ(WideFromUtf8("Se\xC3\xB1or \xE2\x82\xAC 1,040.00"), L"Se\u00F1or \u20AC 1,040.00");
    EXPECT_EQ(WideFromUtf8("\xF0\x9F\x8F\xA0"), L"\U0001F3E0");
    EXPECT_EQ(WideFromUtf8("a\xFF"
                           "b"),
              L"a\uFFFDb");
}

TEST(String, Utf8FromWideWritesEveryCharacterAsUtf8)
{
    EXPECT_EQ(Utf8FromWide(L""), "");
    EXPECT_EQ(Utf8FromWide(L"Se\u00F1or \u20AC 1,040.00"), "Se\xC3\xB1or \xE2\x82\xAC 1,040.00");
    EXPECT_EQ(Utf8FromWide(L"\U0001F3E0"), "\xF0\x9F\x8F\xA0");
    // A lone surrogate.
    EXPECT_EQ(Utf8FromWide(std::wstring{L'a', wchar_t(0xD800), L'b'}),
              std::string("a\xEF\xBF\xBD") + "b");
    for (const wchar_t* text : {L"Jos\u00E9 N\u00FA\u00F1ez", L"Zo\u00EB \u00C6r\u00F8",
                                L"\u738B\u79C0\u82F1", L"line\r\nline"})
        EXPECT_EQ(WideFromUtf8(Utf8FromWide(text)), text);
}
} // namespace

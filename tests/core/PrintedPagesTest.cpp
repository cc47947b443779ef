#include "core/statement/PrintedPages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using Kind = PrintedLine::Kind;

constexpr int kLine = 10;

// The lines a case writes one letter each, every line 10 high: t text, k kept with the next line,
// r a table row, _ room; T is a text 60 high.
std::vector<PrintedLine> Lines(const std::string& letters)
{
    std::vector<PrintedLine> lines;
    for (char letter : letters)
    {
        switch (letter)
        {
        case 't':
            lines.push_back({Kind::Text, kLine});
            break;
        case 'T':
            lines.push_back({Kind::Text, 6 * kLine});
            break;
        case 'k':
            lines.push_back({Kind::KeptWithNext, kLine});
            break;
        case 'r':
            lines.push_back({Kind::TableRow, kLine});
            break;
        default:
            lines.push_back({Kind::Space, kLine});
            break;
        }
    }
    return lines;
}

// The pages in the same letters, "|" between two pages, "H" where a page repeats the headings.
std::string Pages(const std::string& letters, const std::vector<PrintedPage>& pages)
{
    std::string text;
    for (const PrintedPage& page : pages)
    {
        text += text.empty() ? "" : "|";
        text += page.repeatsHeadings ? "H" : "";
        text += letters.substr(page.first, page.end - page.first);
    }
    return text;
}

TEST(PaginateLines, FillsPagesAndRepeatsTheColumnHeadings)
{
    struct Case
    {
        const char* what;
        const char* lines;
        int pageHeight;
        const char* pages;
    };
    const Case cases[] = {
        {"an exact fit is one page", "tkrrr", 50, "tkrrr"},
        {"one row over goes on a second page, after the headings", "tkrrrr", 50, "tkrrr|Hr"},
        {"the repeated headings take room on their page", "krrrrrrr", 40, "krrr|Hrrr|Hr"},
        {"the headings stay with the first row", "tttkrr", 40, "ttt|krr"},
        {"a title is never the last line of a page", "tttkt", 40, "ttt|kt"},
        {"a title takes the room before it along", "ttt_kt", 50, "ttt|kt"},
        {"room neither ends nor begins a page", "tt_tt", 30, "tt|tt"},
        {"a table that ends a page leaves the next part without headings", "krrr_kt", 50,
         "krrr|kt"},
        {"a page of titles alone keeps them", "kkkkt", 30, "kkk|kt"},
        {"a line taller than a page has one of its own", "tTt", 30, "t|T|t"},
        {"rows on a page too small for them and the headings go one a page", "krr", 15, "k|Hr|Hr"},
        {"room alone prints nothing", "__", 30, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Pages(c.lines, PaginateLines(Lines(c.lines), c.pageHeight, kLine)), c.pages)
            << c.what;
}

} // namespace

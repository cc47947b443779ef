#include "core/statement/PrintedPages.h"

namespace
{

using Kind = PrintedLine::Kind;

// Where a page that could hold the lines up to `end` ends, so that it neither ends in room nor
// leaves a title behind; a page of titles alone keeps them all.
std::size_t BreakBefore(const std::vector<PrintedLine>& lines, std::size_t first, std::size_t end)
{
    std::size_t at = end;
    while (at > first &&
           (lines[at - 1].kind == Kind::Space || lines[at - 1].kind == Kind::KeptWithNext))
        --at;
    return at > first ? at : end;
}

} // namespace

std::vector<PrintedPage> PaginateLines(const std::vector<PrintedLine>& lines, int pageHeight,
                                       int headingsHeight)
{
    std::vector<PrintedPage> pages;
    std::size_t next = 0;
    while (true)
    {
        while (next < lines.size() && lines[next].kind == Kind::Space)
            ++next;
        if (next == lines.size())
            return pages;
        PrintedPage page{next, next, lines[next].kind == Kind::TableRow};
        int used = page.repeatsHeadings ? headingsHeight : 0;
        while (page.end < lines.size() &&
               (page.end == page.first || used + lines[page.end].height <= pageHeight))
            used += lines[page.end++].height;
        if (page.end < lines.size())
            page.end = BreakBefore(lines, page.first, page.end);
        pages.push_back(page);
        next = page.end;
    }
}

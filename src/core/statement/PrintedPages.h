// The pages of a printed document: which of its lines go on which page. It is worked out before
// the first page is printed, so that every page can say how many pages there are.
#pragma once

#include <cstddef>
#include <vector>

// A line of the document and the height it takes on the page, in the printer's units.
struct PrintedLine
{
    enum class Kind
    {
        // A line on its own: a warning, a figure of the heading, a line of the payment.
        Text,
        // A title or the table's column headings: never the last line of a page, so that it
        // stands on the page of what it heads.
        KeptWithNext,
        // A row of the table: a page it begins shows the table's column headings first.
        TableRow,
        // Room between two parts: dropped where it would begin or end a page.
        Space,
    };
    Kind kind;
    int height;
};

// The lines [first, end) of one page, after the table's column headings when it repeats them.
struct PrintedPage
{
    std::size_t first;
    std::size_t end;
    bool repeatsHeadings;

    bool operator==(const PrintedPage& other) const
    {
        return first == other.first && end == other.end && repeatsHeadings == other.repeatsHeadings;
    }
};

// Fills page after page, each up to `pageHeight`, the column headings (`headingsHeight`) counted
// on a page that repeats them. A line taller than a page has a page of its own, so every line is
// printed once whatever the sizes.
std::vector<PrintedPage> PaginateLines(const std::vector<PrintedLine>& lines, int pageHeight,
                                       int headingsHeight);

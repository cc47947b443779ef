#include "core/escrow/ScheduleClipboard.h"

#include "core/closing/ClosingDate.h"

#include <algorithm>

namespace
{
constexpr char kNoBreakSpace[] = "\xC2\xA0";

// The length of the space at `at`: 1 for U+0020, 2 for U+00A0, 0 for anything else.
std::size_t SpaceAt(const std::string& text, std::size_t at)
{
    if (text[at] == ' ')
        return 1;
    if (text.compare(at, 2, kNoBreakSpace) == 0)
        return 2;
    return 0;
}

std::string Trimmed(const std::string& text)
{
    std::size_t begin = 0;
    while (begin < text.size() && SpaceAt(text, begin))
        begin += SpaceAt(text, begin);
    std::size_t end = text.size();
    for (;;)
    {
        if (end > begin && text[end - 1] == ' ')
            --end;
        else if (end >= begin + 2 && text.compare(end - 2, 2, kNoBreakSpace) == 0)
            end -= 2;
        else
            break;
    }
    return text.substr(begin, end - begin);
}

// The text without the one line end that closes its last row, if it has one.
std::string WithoutClosingLineEnd(const std::string& text)
{
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        return text.substr(0, text.size() - 2);
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        return text.substr(0, text.size() - 1);
    return text;
}

// Cut at every tab and line end; CR LF is one line end. The cells are as they stand, untrimmed.
std::vector<std::string> CellsBetweenTabsAndLineEnds(const std::string& text)
{
    std::vector<std::string> cells;
    std::string cell;
    for (std::size_t at = 0; at < text.size(); ++at)
    {
        const char ch = text[at];
        if (ch != '\t' && ch != '\r' && ch != '\n')
        {
            cell += ch;
            continue;
        }
        if (ch == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        cells.push_back(cell);
        cell.clear();
    }
    cells.push_back(cell);
    return cells;
}

std::vector<std::string> CellsBetweenSpaces(const std::string& text)
{
    std::vector<std::string> cells;
    std::string cell;
    for (std::size_t at = 0; at < text.size();)
    {
        if (const std::size_t space = SpaceAt(text, at))
        {
            if (!cell.empty())
                cells.push_back(cell);
            cell.clear();
            at += space;
            continue;
        }
        cell += text[at++];
    }
    if (!cell.empty())
        cells.push_back(cell);
    return cells;
}
} // namespace

std::vector<std::string> PastedAmounts(const std::string& text)
{
    const std::string rows = WithoutClosingLineEnd(text);
    if (rows.find_first_of("\t\r\n") == std::string::npos)
        return CellsBetweenSpaces(rows);
    std::vector<std::string> cells = CellsBetweenTabsAndLineEnds(rows);
    // A schedule's own copy holds its twelve months twice, as a row and as a column; pasted into
    // a schedule it brings the twelve months once. It is told by its months as they were copied,
    // spaces and all, before they are trimmed.
    if (cells.size() == 2 * kMonths)
    {
        std::array<std::string, kMonths> months;
        std::copy_n(cells.begin(), kMonths, months.begin());
        if (WithoutClosingLineEnd(ScheduleClipboardText(months)) == rows)
            cells.resize(kMonths);
    }
    std::transform(cells.begin(), cells.end(), cells.begin(), Trimmed);
    return cells;
}

std::string AmountsDoNotFitMessage(int amounts, int first)
{
    const int over = amounts - (kMonths - first);
    return std::to_string(over) + " of the " + std::to_string(amounts) + " amounts " +
           (over == 1 ? "does" : "do") + " not fit after December when pasted into " +
           MonthName(first + 1) + "; nothing was pasted.";
}

std::string ScheduleClipboardText(const std::array<std::string, kMonths>& months)
{
    std::string text;
    for (int month = 0; month < kMonths; ++month)
        text += months[month] + (month + 1 < kMonths ? "\t" : "\r\n");
    for (const std::string& month : months)
        text += month + "\r\n";
    return text;
}

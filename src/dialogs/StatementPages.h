// The statement laid out on a printer's pages: its lines measured in fonts made for the printer's
// resolution, within margins on the printer's paper, and split into pages before the first is
// printed; the details that name the loan and the payment's sentence come before the heading, and
// the picture of the year's balance between the heading and the running balance, on the first
// page.
// Every page carries the title and the date printed at its top and "Page N of M" at its
// bottom; a page that continues the running balance repeats its column headings.
#pragma once

#include "core/statement/BalanceChart.h"
#include "core/statement/EscrowStatement.h"
#include "core/statement/PrintedPages.h"
#include "core/statement/StatementCells.h"
#include "framework/Gdi.h"

#include <optional>
#include <string>
#include <vector>

class StatementPages
{
public:
    // Lays the statement out for the printer; the printer's device context stays in use until
    // the object is destroyed.
    StatementPages(HDC printer, const EscrowStatement& statement, std::wstring datePrinted);

    std::size_t Count() const { return m_pages.size(); }

    // Draws page `index` (0 is the first); called between StartPage and EndPage.
    void Draw(std::size_t index) const;

private:
    // A text in its box on the page, and how it stands in the box (DT_LEFT, DT_RIGHT...).
    struct Cell
    {
        int left;
        int right;
        UINT align;
        std::wstring text;
    };

    // A line of the statement: its cells side by side, in one font, shaded or not; or the
    // picture of the balance, as high as the line.
    struct Line
    {
        PrintedLine::Kind kind;
        const CFont* font;
        bool shaded;
        std::vector<Cell> cells;
        int height;
        bool chart = false;
    };

    // Places the running balance's columns side by side across the area, each as wide as its
    // widest text when they fit.
    void PlaceColumns(const EscrowStatement& statement);
    // The line of the cells, as high as its tallest cell.
    Line MakeLine(PrintedLine::Kind kind, const CFont& font, bool shaded,
                  std::vector<Cell> cells) const;
    void AddLine(PrintedLine::Kind kind, const CFont& font, std::vector<Cell> cells);
    // The six texts of a row of the running balance in its columns, the figures to the right.
    std::vector<Cell> TableCells(const RunningBalanceCells& texts) const;
    // The height of a line of the font, the font's measures, the width of a text on one line,
    // and the height of the cell's text wrapped within the cell.
    int LineHeight(const CFont& font) const;
    TEXTMETRICW Metrics(const CFont& font) const;
    int TextWidth(const CFont& font, const std::wstring& text) const;
    int TextHeight(const CFont& font, const Cell& cell) const;
    // Draws the line with its top at `top`.
    void DrawLine(const Line& line, int top) const;
    // The title and the date printed at the top of the page, its number at the bottom.
    void DrawPageFrame(std::size_t index) const;
    // One line of text in the selected font, aligned on `x` as TA_LEFT, TA_RIGHT or TA_CENTER say.
    void DrawOneLine(const std::wstring& text, UINT align, int x, int baseline) const;

    HDC m_hDC;
    std::wstring m_strDatePrinted;
    CFont m_titleFont;
    CFont m_bodyFont;
    CFont m_boldFont;
    // Where the margins leave room to print, in the printer's units.
    CRect m_area;
    // The left edge of each column of the running balance, and the area's right edge after them.
    std::vector<int> m_columns;
    // The room after the text of every cell.
    int m_cellGap = 0;
    // Where the lines of every page begin, under the title.
    int m_bodyTop = 0;
    // The picture of the balance, when the statement's figures are in cents.
    std::optional<BalanceChart> m_chart;
    // The running balance's column headings, also among the lines, for the pages that repeat them.
    Line m_headings{};
    std::vector<Line> m_lines;
    std::vector<PrintedPage> m_pages;
};

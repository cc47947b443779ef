#include "dialogs/StatementPages.h"

#include "core/statement/ColumnWidths.h"
#include "dialogs/BalanceChartDrawing.h"
#include "framework/TextEncoding.h"

#include <algorithm>
#include <cstring>

namespace
{

using Kind = PrintedLine::Kind;

// Lengths in hundredths of an inch: the margin on every side of the paper, and the room after the
// text of a cell.
constexpr int kMargin = 75;
constexpr int kCellGap = 12;
// The height of the picture of the balance.
constexpr int kChartHeight = 240;

constexpr int kTitlePoints = 14;
constexpr int kBodyPoints = 10;
// A face every Windows has, and one of Wine's own: the same widths wherever the program runs.
constexpr char kFace[] = "Tahoma";

// The low point's row stands out in bold on a light grey band.
constexpr COLORREF kShade = RGB(224, 224, 224);

// Cells wrap between words, and within a word too long for its cell (a figure of hundreds of
// digits); an "&" is a character like any other.
constexpr UINT kTextFormat = DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;

int Caps(HDC dc, int index)
{
    return ::GetDeviceCaps(dc, index);
}

// A font of the size in points at the device's resolution, so the printed pages are the same
// whatever the resolution of the screen or the printer.
void MakeFont(CFont& font, HDC dc, int points, LONG weight)
{
    LOGFONTA logFont{};
    logFont.lfHeight = -::MulDiv(points, Caps(dc, LOGPIXELSY), 72);
    logFont.lfWeight = weight;
    logFont.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(logFont.lfFaceName, kFace);
    font.CreateFontIndirect(&logFont);
}

// The paper less its margins, in the device's coordinates (whose origin is the corner of what the
// printer can print), and never beyond what it can print. On paper too small for the margins the
// whole printable part is used.
CRect MarginArea(HDC dc)
{
    const int marginX = ::MulDiv(kMargin, Caps(dc, LOGPIXELSX), 100);
    const int marginY = ::MulDiv(kMargin, Caps(dc, LOGPIXELSY), 100);
    const int offsetX = Caps(dc, PHYSICALOFFSETX);
    const int offsetY = Caps(dc, PHYSICALOFFSETY);
    const CRect printable(0, 0, Caps(dc, HORZRES), Caps(dc, VERTRES));
    const CRect area(std::max(0, marginX - offsetX), std::max(0, marginY - offsetY),
                     std::min<int>(printable.right, Caps(dc, PHYSICALWIDTH) - offsetX - marginX),
                     std::min<int>(printable.bottom, Caps(dc, PHYSICALHEIGHT) - offsetY - marginY));
    return area.Width() > marginX && area.Height() > marginY ? area : printable;
}

// Selects a font into the device context for as long as it lives.
class SelectedFont
{
public:
    SelectedFont(HDC dc, const CFont& font)
        : m_hDC(dc), m_previous(::SelectObject(dc, font.GetSafeHandle()))
    {
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;
    ~SelectedFont() { ::SelectObject(m_hDC, m_previous); }

private:
    HDC m_hDC;
    HGDIOBJ m_previous;
};

} // namespace

StatementPages::StatementPages(HDC printer, const EscrowStatement& statement,
                               std::wstring datePrinted)
    : m_hDC(printer), m_strDatePrinted(std::move(datePrinted)), m_area(MarginArea(printer)),
      m_cellGap(::MulDiv(kCellGap, Caps(printer, LOGPIXELSX), 100)),
      m_chart(BalanceChartOf(statement))
{
    MakeFont(m_titleFont, printer, kTitlePoints, FW_BOLD);
    MakeFont(m_bodyFont, printer, kBodyPoints, FW_NORMAL);
    MakeFont(m_boldFont, printer, kBodyPoints, FW_BOLD);

    PlaceColumns(statement);
    const int left = m_area.left;
    const int right = m_area.right;

    for (const std::string& warning : statement.warnings)
        AddLine(Kind::Text, m_boldFont, {{left, right, DT_LEFT, WideFromUtf8(warning)}});
    AddLine(Kind::Space, m_bodyFont, {});
    const int figures = m_columns[kFirstAmountColumn];
    if (!statement.details.empty())
    {
        for (const LabelledCells& cells : DetailCells(statement))
            AddLine(Kind::Text, m_bodyFont,
                    {{left, figures, DT_LEFT, WideFromUtf8(cells[0])},
                     {figures, right, DT_LEFT, WideFromUtf8(cells[1])}});
        AddLine(Kind::Space, m_bodyFont, {});
    }
    if (!statement.paymentSentence.empty())
    {
        AddLine(Kind::Text, m_bodyFont,
                {{left, right, DT_LEFT, WideFromUtf8(statement.paymentSentence)}});
        AddLine(Kind::Space, m_bodyFont, {});
    }
    for (const LabelledCells& cells : HeadingCells(statement))
        AddLine(Kind::Text, m_bodyFont,
                {{left, figures, DT_LEFT, WideFromUtf8(cells[0])},
                 {figures, right, DT_LEFT, WideFromUtf8(cells[1])}});
    AddLine(Kind::Space, m_bodyFont, {});
    if (m_chart)
    {
        const int height = ::MulDiv(kChartHeight, Caps(printer, LOGPIXELSY), 100);
        m_lines.push_back({Kind::Text, &m_bodyFont, false, {}, height, true});
        AddLine(Kind::Space, m_bodyFont, {});
    }

    m_headings =
        MakeLine(Kind::KeptWithNext, m_boldFont, false, TableCells(RunningBalanceHeadings()));
    m_lines.push_back(m_headings);
    for (const StatementRow& row : statement.rows)
        m_lines.push_back(MakeLine(Kind::TableRow, row.lowPoint ? m_boldFont : m_bodyFont,
                                   row.lowPoint, TableCells(RunningBalanceRowCells(row))));
    AddLine(Kind::Space, m_bodyFont, {});

    AddLine(Kind::KeptWithNext, m_boldFont,
            {{left, right, DT_LEFT, WideFromUtf8(kInitialPaymentTitle)}});
    const int amount = m_columns[kLastAmountColumn];
    for (const LabelledCells& cells : InitialPaymentCells(statement))
        AddLine(Kind::Text, m_bodyFont,
                {{left, amount, DT_LEFT, WideFromUtf8(cells[0])},
                 {amount, m_columns[kLastAmountColumn + 1], DT_RIGHT, WideFromUtf8(cells[1])}});

    const int bodyLine = LineHeight(m_bodyFont);
    m_bodyTop = m_area.top + LineHeight(m_titleFont) + bodyLine;
    const int bodyBottom = m_area.bottom - 2 * bodyLine;
    std::vector<PrintedLine> printed;
    for (const Line& line : m_lines)
        printed.push_back({line.kind, line.height});
    m_pages = PaginateLines(printed, bodyBottom - m_bodyTop, m_headings.height);
}

void StatementPages::PlaceColumns(const EscrowStatement& statement)
{
    std::vector<int> needed(kRunningBalanceColumns, 0);
    const auto widen = [&](const RunningBalanceCells& texts, const CFont& font) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            needed[i] = std::max(needed[i], TextWidth(font, WideFromUtf8(texts[i])) + m_cellGap);
    };
    widen(RunningBalanceHeadings(), m_boldFont);
    for (const StatementRow& row : statement.rows)
        widen(RunningBalanceRowCells(row), row.lowPoint ? m_boldFont : m_bodyFont);
    m_columns = {m_area.left};
    for (int width : FitColumns(needed, m_area.Width()))
        m_columns.push_back(m_columns.back() + width);
}

StatementPages::Line StatementPages::MakeLine(Kind kind, const CFont& font, bool shaded,
                                              std::vector<Cell> cells) const
{
    int height = LineHeight(font);
    for (const Cell& cell : cells)
        height = std::max(height, TextHeight(font, cell));
    return {kind, &font, shaded, std::move(cells), height};
}

void StatementPages::AddLine(Kind kind, const CFont& font, std::vector<Cell> cells)
{
    m_lines.push_back(MakeLine(kind, font, false, std::move(cells)));
}

std::vector<StatementPages::Cell> StatementPages::TableCells(const RunningBalanceCells& texts) const
{
    std::vector<Cell> cells;
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        const bool figure = i >= kFirstAmountColumn && i <= kLastAmountColumn;
        cells.push_back({m_columns[i], m_columns[i + 1], figure ? UINT{DT_RIGHT} : UINT{DT_LEFT},
                         WideFromUtf8(texts[i])});
    }
    return cells;
}

int StatementPages::LineHeight(const CFont& font) const
{
    const TEXTMETRICW metrics = Metrics(font);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

TEXTMETRICW StatementPages::Metrics(const CFont& font) const
{
    const SelectedFont selected(m_hDC, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(m_hDC, &metrics);
    return metrics;
}

int StatementPages::TextWidth(const CFont& font, const std::wstring& text) const
{
    const SelectedFont selected(m_hDC, font);
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int StatementPages::TextHeight(const CFont& font, const Cell& cell) const
{
    const SelectedFont selected(m_hDC, font);
    RECT box{cell.left, 0, cell.right - m_cellGap, 0};
    ::DrawTextW(m_hDC, cell.text.c_str(), -1, &box, DT_CALCRECT | kTextFormat | cell.align);
    return box.bottom;
}

void StatementPages::Draw(std::size_t index) const
{
    const int saved = ::SaveDC(m_hDC);
    ::SetBkMode(m_hDC, TRANSPARENT);
    ::SetTextColor(m_hDC, RGB(0, 0, 0));
    DrawPageFrame(index);
    const PrintedPage& page = m_pages[index];
    int top = m_bodyTop;
    if (page.repeatsHeadings)
    {
        DrawLine(m_headings, top);
        top += m_headings.height;
    }
    for (std::size_t i = page.first; i < page.end; ++i)
    {
        DrawLine(m_lines[i], top);
        top += m_lines[i].height;
    }
    ::RestoreDC(m_hDC, saved);
}

void StatementPages::DrawLine(const Line& line, int top) const
{
    if (line.chart)
    {
        DrawBalanceChart(m_hDC, *m_chart,
                         CRect(m_columns.front(), top, m_columns.back(), top + line.height),
                         Caps(m_hDC, LOGPIXELSY));
        return;
    }
    if (line.shaded)
    {
        CDC dc(m_hDC);
        dc.FillSolidRect(m_columns.front(), top, m_columns.back() - m_columns.front(), line.height,
                         kShade);
    }
    const SelectedFont selected(m_hDC, *line.font);
    for (const Cell& cell : line.cells)
    {
        RECT box{cell.left, top, cell.right - m_cellGap, top + line.height};
        ::DrawTextW(m_hDC, cell.text.c_str(), -1, &box, kTextFormat | cell.align);
    }
}

void StatementPages::DrawPageFrame(std::size_t index) const
{
    // The title and the date stand on one baseline, the page number on the bottom margin.
    const int titleBaseline = m_area.top + Metrics(m_titleFont).tmAscent;
    const int footerBaseline = m_area.bottom - Metrics(m_bodyFont).tmDescent;
    {
        const SelectedFont selected(m_hDC, m_titleFont);
        DrawOneLine(WideFromUtf8(kStatementTitle), TA_LEFT, m_area.left, titleBaseline);
    }
    const SelectedFont selected(m_hDC, m_bodyFont);
    DrawOneLine(L"Printed " + m_strDatePrinted, TA_RIGHT, m_area.right, titleBaseline);
    DrawOneLine(L"Page " + std::to_wstring(index + 1) + L" of " + std::to_wstring(m_pages.size()),
                TA_CENTER, (m_area.left + m_area.right) / 2, footerBaseline);
}

void StatementPages::DrawOneLine(const std::wstring& text, UINT align, int x, int baseline) const
{
    const UINT previous = ::SetTextAlign(m_hDC, align | TA_BASELINE);
    ::TextOutW(m_hDC, x, baseline, text.c_str(), static_cast<int>(text.size()));
    ::SetTextAlign(m_hDC, previous);
}

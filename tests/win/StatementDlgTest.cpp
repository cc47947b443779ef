// The statement window in real windows: opened from the form over the worked example; its heading,
// warnings, running balance with the low point marked and initial escrow payment; the ways it
// closes; its layout as it is resized; the real clipboard it fills; the files it saves, through
// the system's save dialog and to a target that refuses.
#include "AppendixE.h"
#include "DialogItems.h"
#include "FormFile.h"
#include "ModalDriver.h"
#include "SaveMessage.h"
#include "TempFolder.h"
#include "WorkingFolderTest.h"

#include "core/statement/BalanceChart.h"
#include "core/statement/NamedLoan.h"
#include "core/statement/StatementHtml.h"
#include "core/statement/StatementText.h"
#include "dialogs/BalanceChartDrawing.h"
#include "dialogs/StatementClipboard.h"
#include "dialogs/StatementDlg.h"
#include "dialogs/StatementFile.h"
#include "dialogs/TallyvaneDlg.h"
#include "framework/Dpi.h"
#include "framework/TextEncoding.h"
#include "res/resource.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace
{

constexpr char kCaption[] = "Initial Escrow Account Statement";
// The file name box of the system's save dialog.
constexpr int kSaveDialogFileName = 0x47C;

std::wstring WideText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The lines of a window's text.
std::vector<std::wstring> Lines(HWND dialog, int id)
{
    const std::wstring text = WideText(::GetDlgItem(dialog, id));
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

int ItemCount(HWND list)
{
    return static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

// The texts of a list view's row, one per column.
std::vector<std::wstring> RowTexts(HWND list, int item, int columns)
{
    std::vector<std::wstring> texts;
    for (int column = 0; column < columns; ++column)
    {
        wchar_t text[256] = {};
        LVITEMW cell{};
        cell.iSubItem = column;
        cell.pszText = text;
        cell.cchTextMax = 256;
        ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                       reinterpret_cast<LPARAM>(&cell));
        texts.push_back(text);
    }
    return texts;
}

struct Column
{
    std::wstring heading;
    int format;
};

Column ColumnOf(HWND list, int column)
{
    wchar_t text[256] = {};
    LVCOLUMNW description{};
    description.mask = LVCF_TEXT | LVCF_FMT;
    description.pszText = text;
    description.cchTextMax = 256;
    ::SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                   reinterpret_cast<LPARAM>(&description));
    return {text, description.fmt & LVCFMT_JUSTIFYMASK};
}

// A control's rectangle in its dialog's client coordinates.
RECT Place(HWND dialog, int id)
{
    RECT rect;
    ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// The height of a control's text, in the control's font, broken between words at its width.
int TextHeight(HWND control)
{
    RECT rect;
    ::GetClientRect(control, &rect);
    HDC dc = ::GetDC(control);
    const HGDIOBJ previous =
        ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    const std::wstring text = WideText(control);
    ::DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(dc, previous);
    ::ReleaseDC(control, dc);
    return Height(rect);
}

COLORREF ClientPixel(HWND window, int x, int y)
{
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

// What the clipboard holds in the format, up to the first NUL, as bytes; empty when nothing.
std::string ClipboardBytes(UINT format)
{
    std::string bytes;
    if (!::OpenClipboard(nullptr))
        return bytes;
    if (HGLOBAL block = ::GetClipboardData(format))
    {
        const char* data = static_cast<const char*>(::GlobalLock(block));
        bytes.assign(data, strnlen(data, ::GlobalSize(block)));
        ::GlobalUnlock(block);
    }
    ::CloseClipboard();
    return bytes;
}

// The offset the clipboard's HTML header gives for the name ("StartHTML" ...).
std::size_t HtmlOffset(const std::string& html, const std::string& name)
{
    const std::size_t at = html.find("\r\n" + name + ":");
    return at == std::string::npos ? 0 : std::stoul(html.substr(at + name.size() + 3, 10));
}

// Regulation X's example: no warnings, the low point on the tenth row (December's taxes).
EscrowStatement AppendixEStatement()
{
    return BuildStatement(AppendixE::Schedules(), AppendixE::Inputs(), "2026");
}
constexpr int kAppendixELowPointRow = 9;

// The same with three warnings: no reserves, so the adjustment is above zero; a first payment
// month that is no month's number; and a year that is no year, which holds a letter outside ASCII.
EscrowStatement WarnedStatement()
{
    EscrowInputs inputs = AppendixE::Inputs();
    inputs.reserveMonths = {};
    inputs.firstPaymentMonth = "7th";
    return BuildStatement(AppendixE::Schedules(), inputs,
                          "20\xC3\xA9"
                          "6");
}

// Regulation X's example for a closing with every detail given, its principal and interest too.
EscrowStatement NamedStatement()
{
    EscrowStatement statement = AppendixEStatement();
    NameTheLoan(statement,
                {"LN/2026:0042", u8"Jos\u00e9 N\u00fa\u00f1ez and Zo\u00eb \u00c6r\u00f8",
                 "221 Main Street\nApartment 4B", "First Federal Savings", "2026-03-15",
                 "$1,182.10"},
                {2026, 3, 10});
    return statement;
}
constexpr wchar_t kNamedSentence[] =
    L"Your monthly mortgage payment for the coming year will be $1,312.10, of which $1,182.10 will "
    L"be for principal and interest and $130.00 will go into your escrow account.";

// The statement window over an owner window of its own.
class StatementDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hOwner = ::CreateWindowExA(0, "STATIC", "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20,
                                     20, 700, 560, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_hOwner, nullptr);
    }

    void TearDown() override { ::DestroyWindow(m_hOwner); }

    // Runs the window of the statement; the steps get its window.
    INT_PTR Run(const EscrowStatement& statement, const std::function<void(HWND)>& steps)
    {
        CWnd owner(m_hOwner);
        CStatementDlg dialog(statement, &owner);
        return RunModal(dialog, [&] { steps(dialog.m_hWnd); });
    }

    HWND m_hOwner = nullptr;
};

TEST_F(StatementDlgTest, ShowsTheHeadingTheRunningBalanceAndTheInitialPayment)
{
    Run(AppendixEStatement(), [](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), kCaption);
        EXPECT_EQ(Lines(dialog, IDC_STATEMENT_LABELS),
                  (std::vector<std::wstring>{L"Monthly escrow payment", L"Cushion",
                                             L"Initial deposit", L"First payment", L"Low point"}));
        EXPECT_EQ(Lines(dialog, IDC_STATEMENT_FIGURES),
                  (std::vector<std::wstring>{L"$130.00", L"$260.00", L"$1,040.00", L"July 2026",
                                             L"$260.00 in December 2026"}));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, IDC_STATEMENT_WARNINGS)));

        // Amounts stand to the right, and no heading is cut short.
        const HWND balance = ::GetDlgItem(dialog, IDC_STATEMENT_BALANCE);
        const Column columns[] = {
            {L"Month", LVCFMT_LEFT},      {L"Description", LVCFMT_LEFT},
            {L"To escrow", LVCFMT_RIGHT}, {L"From escrow", LVCFMT_RIGHT},
            {L"Balance", LVCFMT_RIGHT},   {L"", LVCFMT_LEFT},
        };
        for (int column = 0; column < 6; ++column)
        {
            const Column shown = ColumnOf(balance, column);
            EXPECT_EQ(shown.heading, columns[column].heading);
            EXPECT_EQ(shown.format, columns[column].format) << column;
            EXPECT_GT(::SendMessageW(balance, LVM_GETCOLUMNWIDTH, column, 0),
                      ::SendMessageW(balance, LVM_GETSTRINGWIDTHW, 0,
                                     reinterpret_cast<LPARAM>(shown.heading.c_str())))
                << column;
        }
        EXPECT_EQ(ItemCount(balance), 16);
        const struct
        {
            int item;
            std::vector<std::wstring> cells;
        } rows[] = {
            {0, {L"At closing", L"Initial deposit", L"1,040.00", L"", L"1,040.00", L""}},
            {1, {L"July 2026", L"Monthly escrow payment", L"130.00", L"", L"", L""}},
            {2, {L"", L"County property taxes", L"", L"500.00", L"670.00", L""}},
            {kAppendixELowPointRow,
             {L"", L"County property taxes", L"", L"700.00", L"260.00", L"low point"}},
            {15, {L"June 2027", L"Monthly escrow payment", L"130.00", L"", L"1,040.00", L""}},
        };
        for (const auto& row : rows)
            EXPECT_EQ(RowTexts(balance, row.item, 6), row.cells) << row.item;

        EXPECT_EQ(WideText(::GetDlgItem(dialog, IDC_STATEMENT_PAYMENT_TITLE)),
                  L"Initial escrow payment at closing");
        const HWND payment = ::GetDlgItem(dialog, IDC_STATEMENT_PAYMENT);
        EXPECT_EQ(ColumnOf(payment, 1).format, LVCFMT_RIGHT);
        const std::vector<std::vector<std::wstring>> lines = {
            {L"County property taxes $100.00 per month for 8 mo.", L"800.00"},
            {L"Other $30.00 per month for 11 mo.", L"330.00"},
            {L"Aggregate adjustment", L"-90.00"},
            {L"Total", L"1,040.00"},
        };
        ASSERT_EQ(ItemCount(payment), 4);
        for (int line = 0; line < 4; ++line)
            EXPECT_EQ(RowTexts(payment, line, 2), lines[line]);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

// A closing's details stand above the heading, their texts in the column of its figures, then the
// payment's sentence wrapped to the window; a statement without details shows neither.
TEST_F(StatementDlgTest, ShowsTheLoansDetailsAndThePaymentAboveTheHeading)
{
    Run(NamedStatement(), [](HWND dialog) {
        EXPECT_EQ(
            Lines(dialog, IDC_STATEMENT_DETAIL_LABELS),
            (std::vector<std::wstring>{L"Borrower(s)", L"Property address", L"", L"Loan number",
                                       L"Lender or servicer", L"Closing date", L"Statement date"}));
        EXPECT_EQ(Lines(dialog, IDC_STATEMENT_DETAILS),
                  (std::vector<std::wstring>{
                      L"Jos\u00e9 N\u00fa\u00f1ez and Zo\u00eb \u00c6r\u00f8", L"221 Main Street",
                      L"Apartment 4B", L"LN/2026:0042", L"First Federal Savings", L"March 15, 2026",
                      L"March 10, 2026"}));
        const HWND sentence = ::GetDlgItem(dialog, IDC_STATEMENT_SENTENCE);
        EXPECT_EQ(WideText(sentence), kNamedSentence);
        EXPECT_EQ(Lines(dialog, IDC_STATEMENT_FIGURES)[0], L"$130.00");

        const RECT detailLabels = Place(dialog, IDC_STATEMENT_DETAIL_LABELS);
        const RECT details = Place(dialog, IDC_STATEMENT_DETAILS);
        const RECT said = Place(dialog, IDC_STATEMENT_SENTENCE);
        const RECT labels = Place(dialog, IDC_STATEMENT_LABELS);
        const RECT figures = Place(dialog, IDC_STATEMENT_FIGURES);
        for (int id : {IDC_STATEMENT_DETAIL_LABELS, IDC_STATEMENT_DETAILS, IDC_STATEMENT_SENTENCE})
            EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(dialog, id))) << id;
        EXPECT_LE(std::max(detailLabels.bottom, details.bottom), said.top);
        EXPECT_LE(said.bottom, std::min(labels.top, figures.top));
        EXPECT_GE(Height(said), TextHeight(sentence)) << "the sentence's lines all show";
        EXPECT_EQ(details.left, figures.left) << "one column of texts";
        EXPECT_GE(Height(detailLabels),
                  TextHeight(::GetDlgItem(dialog, IDC_STATEMENT_DETAIL_LABELS)));
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    Run(AppendixEStatement(), [](HWND dialog) {
        for (int id : {IDC_STATEMENT_DETAIL_LABELS, IDC_STATEMENT_DETAILS, IDC_STATEMENT_SENTENCE})
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, id))) << id;
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

// The low point's row is drawn on its own background; the rows beside it are not.
TEST_F(StatementDlgTest, MarksTheLowPointRow)
{
    Run(AppendixEStatement(), [](HWND dialog) {
        const HWND balance = ::GetDlgItem(dialog, IDC_STATEMENT_BALANCE);
        ::SendMessageW(balance, LVM_ENSUREVISIBLE, kAppendixELowPointRow + 1, FALSE);
        ::UpdateWindow(balance);
        for (int item :
             {kAppendixELowPointRow - 1, kAppendixELowPointRow, kAppendixELowPointRow + 1})
        {
            // Inside the row's "To escrow" cell, clear of its text and the grid lines.
            RECT cell{LVIR_BOUNDS, 2, 0, 0};
            ::SendMessageW(balance, LVM_GETSUBITEMRECT, static_cast<WPARAM>(item),
                           reinterpret_cast<LPARAM>(&cell));
            const COLORREF colour =
                ClientPixel(balance, cell.left + 3, (cell.top + cell.bottom) / 2);
            if (item == kAppendixELowPointRow)
                EXPECT_EQ(colour, kLowPointBackground);
            else
                EXPECT_EQ(colour, ::GetSysColor(COLOR_WINDOW)) << item;
        }
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

// Where the chart puts a point in the chart window, as it is now, at its DPI.
POINT ChartPixel(HWND chartWindow, const BalanceChart& chart, const ChartPoint& point)
{
    RECT client;
    ::GetClientRect(chartWindow, &client);
    HDC dc = ::GetDC(chartWindow);
    const CRect plot =
        ChartPlotArea(dc, chart, CRect(client.left, client.top, client.right, client.bottom),
                      static_cast<int>(WindowDpi(chartWindow)));
    ::ReleaseDC(chartWindow, dc);
    return ChartPosition(plot, point.x, point.y);
}

// The picture of the balance stands between the heading and the running balance, across the
// window; the low point's dot is where the chart puts December for the picture's size, before and
// after the window grows, and the closing's balance is not drawn in the dot's colour.
TEST_F(StatementDlgTest, ShowsTheBalanceChartAboveTheRunningBalance)
{
    const BalanceChart chart = *BalanceChartOf(AppendixEStatement());
    Run(AppendixEStatement(), [&](HWND dialog) {
        const HWND chartWindow = ::GetDlgItem(dialog, IDC_STATEMENT_CHART);
        ASSERT_TRUE(::IsWindowVisible(chartWindow));
        const auto expectTheDotAtTheLowPoint = [&](const char* size) {
            SCOPED_TRACE(size);
            ::UpdateWindow(chartWindow);
            const POINT low = ChartPixel(chartWindow, chart, chart.points[chart.lowPoint]);
            EXPECT_EQ(ClientPixel(chartWindow, low.x, low.y), kChartLowPointColour);
            const POINT closing = ChartPixel(chartWindow, chart, chart.points.front());
            EXPECT_NE(ClientPixel(chartWindow, closing.x, closing.y), kChartLowPointColour);
            return Place(dialog, IDC_STATEMENT_CHART);
        };

        const RECT before = expectTheDotAtTheLowPoint("as opened");
        const RECT figures = Place(dialog, IDC_STATEMENT_FIGURES);
        const RECT balance = Place(dialog, IDC_STATEMENT_BALANCE);
        EXPECT_LE(figures.bottom, before.top);
        EXPECT_LE(before.bottom, balance.top);
        EXPECT_EQ(before.left, balance.left);
        EXPECT_EQ(before.right, balance.right);
        EXPECT_GT(Height(before), 100);

        RECT window;
        ::GetWindowRect(dialog, &window);
        const int wider = 240;
        ::SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left + wider,
                       window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT grown = expectTheDotAtTheLowPoint("grown");
        EXPECT_EQ(grown.right - grown.left, before.right - before.left + wider);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

// A statement whose balances are beyond cents has no picture: the running balance takes its room.
TEST_F(StatementDlgTest, ShowsNoChartBeyondCents)
{
    ItemSchedules schedules = AppendixE::Schedules();
    schedules[AppendixE::kCounty][6] = 1e300;
    Run(BuildStatement(schedules, AppendixE::Inputs(), "2026"), [](HWND dialog) {
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, IDC_STATEMENT_CHART)));
        EXPECT_LT(Place(dialog, IDC_STATEMENT_BALANCE).top,
                  Place(dialog, IDC_STATEMENT_CHART).bottom);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

// Close is the default button; Escape, Enter, Close and the close box all end the window.
TEST_F(StatementDlgTest, ClosesWithEscapeEnterCloseAndTheCloseBox)
{
    const struct
    {
        const char* way;
        std::function<void(HWND)> close;
    } ways[] = {
        {"escape", [](HWND) { PostKey(::GetFocus(), VK_ESCAPE); }},
        {"enter", [](HWND) { PostKey(::GetFocus(), VK_RETURN); }},
        {"close", [](HWND dialog) { Click(dialog, IDCANCEL); }},
        {"close box", [](HWND dialog) { ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : ways)
    {
        bool focusOnTheTable = false;
        LONG closeStyle = 0;
        const INT_PTR result = Run(AppendixEStatement(), [&](HWND dialog) {
            focusOnTheTable = ::GetFocus() == ::GetDlgItem(dialog, IDC_STATEMENT_BALANCE);
            closeStyle = ::GetWindowLongA(::GetDlgItem(dialog, IDCANCEL), GWL_STYLE);
            way.close(dialog);
        });
        EXPECT_EQ(result, IDCANCEL) << way.way;
        EXPECT_TRUE(focusOnTheTable) << way.way;
        EXPECT_EQ(closeStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON) << way.way;
    }
}

// Growing the window moves the buttons with its corner and gives the running balance all the new
// room; shrinking it stops at a least size where every part still fits, one above the other, and
// the warnings wrap onto more lines without being cut off.
TEST_F(StatementDlgTest, ResizingMovesTheButtonsAndGrowsTheRunningBalance)
{
    Run(WarnedStatement(), [](HWND dialog) {
        EXPECT_EQ(Lines(dialog, IDC_STATEMENT_WARNINGS),
                  (std::vector<std::wstring>{
                      L"The aggregate adjustment is above zero: the reserves collected are less "
                      L"than the account needs.",
                      L"The first payment month is not 1 to 12; the projection starts in July.",
                      L"The first payment year \"20\u00e96\" is not a year; the months are shown "
                      L"without one."}));
        const int ids[] = {
            IDC_STATEMENT_LABELS,        IDC_STATEMENT_WARNINGS, IDC_STATEMENT_BALANCE,
            IDC_STATEMENT_PAYMENT_TITLE, IDC_STATEMENT_PAYMENT,  IDC_STATEMENT_COPY,
            IDC_STATEMENT_SAVE,          IDC_STATEMENT_PRINT,    IDCANCEL};
        const auto places = [&] {
            std::vector<RECT> rects;
            for (int id : ids)
                rects.push_back(Place(dialog, id));
            return rects;
        };
        // Every part below the one before it and above the buttons, the buttons side by side
        // inside the window, and the warnings' lines all shown.
        const auto expectInOrder = [&](const char* size) {
            SCOPED_TRACE(size);
            const std::vector<RECT> at = places();
            for (int part = 1; part <= 4; ++part)
                EXPECT_LE(at[part - 1].bottom, at[part].top) << ids[part];
            EXPECT_GT(Height(at[2]), 0) << "the running balance keeps some room";
            RECT client;
            ::GetClientRect(dialog, &client);
            for (int button = 5; button < 9; ++button)
            {
                EXPECT_LE(at[4].bottom, at[button].top);
                EXPECT_LE(at[button].bottom, client.bottom);
                EXPECT_GE(at[button].left, button == 5 ? 0 : at[button - 1].right);
                EXPECT_LE(at[button].right, client.right);
            }
            const HWND warnings = ::GetDlgItem(dialog, IDC_STATEMENT_WARNINGS);
            EXPECT_GE(Height(at[1]), TextHeight(warnings));
            return at;
        };

        const std::vector<RECT> before = expectInOrder("as opened");
        RECT window;
        ::GetWindowRect(dialog, &window);
        const int wider = 200;
        const int taller = 120;
        ::SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left + wider,
                       window.bottom - window.top + taller,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const std::vector<RECT> grown = expectInOrder("grown");
        for (int button = 5; button < 9; ++button)
        {
            RECT moved = before[button];
            ::OffsetRect(&moved, wider, taller);
            EXPECT_TRUE(::EqualRect(&grown[button], &moved)) << ids[button];
        }
        // The table takes all the room gained, less what the warnings take when they wrap
        // differently in the wider window.
        const RECT& table = before[2];
        const int warningsGrown = Height(grown[1]) - Height(before[1]);
        const RECT tableGrown{table.left, table.top + warningsGrown, table.right + wider,
                              table.bottom + taller};
        EXPECT_TRUE(::EqualRect(&grown[2], &tableGrown));
        EXPECT_EQ(Height(grown[4]), Height(before[4])) << "the initial payment keeps its lines";
        EXPECT_EQ(grown[4].top, before[4].top + taller);

        ::SetWindowPos(dialog, nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::GetWindowRect(dialog, &window);
        EXPECT_GT(window.right - window.left, 300);
        EXPECT_GT(window.bottom - window.top, 250);
        const std::vector<RECT> least = expectInOrder("at its least");
        EXPECT_GT(Height(least[1]), Height(before[1])) << "the warnings wrap onto more lines";
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

// Copy puts the statement's text and its HTML on the real clipboard, in place of what it held.
TEST_F(StatementDlgTest, CopyPutsTheTextAndTheHtmlOnTheClipboard)
{
    const UINT earlier = ::RegisterClipboardFormatA("Tallyvane test: held before the copy");
    ASSERT_TRUE(::OpenClipboard(m_hOwner));
    ::EmptyClipboard();
    ::SetClipboardData(earlier, ::GlobalAlloc(GMEM_MOVEABLE, 4));
    ::CloseClipboard();

    const EscrowStatement statement = WarnedStatement();
    Run(statement, [](HWND dialog) {
        Click(dialog, IDC_STATEMENT_COPY);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(::IsClipboardFormatAvailable(earlier));

    const std::wstring text = ReadClipboardText();
    EXPECT_EQ(text, WideFromUtf8(StatementText(statement)));
    EXPECT_NE(text.find(L"\"20\u00e96\""), std::wstring::npos) << "the year's letter as typed";

    const std::string html = ClipboardBytes(::RegisterClipboardFormatW(kHtmlClipboardFormat));
    const std::size_t startHtml = HtmlOffset(html, "StartHTML");
    const std::size_t startFragment = HtmlOffset(html, "StartFragment");
    const std::size_t endFragment = HtmlOffset(html, "EndFragment");
    const std::string startMarker = "<!--StartFragment-->";
    EXPECT_EQ(html.compare(0, 12, "Version:0.9\r"), 0);
    EXPECT_EQ(html.compare(startHtml, 5, "<html"), 0);
    EXPECT_EQ(HtmlOffset(html, "EndHTML"), html.size());
    ASSERT_GE(startFragment, startMarker.size());
    EXPECT_EQ(html.substr(startFragment - startMarker.size(), startMarker.size()), startMarker);
    EXPECT_EQ(html.compare(endFragment, 18, "<!--EndFragment-->"), 0);
    EXPECT_EQ(html.substr(startFragment, endFragment - startFragment),
              StatementHtmlFragment(statement));
    EXPECT_NE(html.find("20\xC3\xA9"
                        "6"),
              std::string::npos)
        << "UTF-8";
}

// The copied text and HTML of a named statement hold its borrowers as typed, its loan number and
// the payment's sentence.
TEST_F(StatementDlgTest, CopyOfANamedStatementHoldsTheLoanAndThePayment)
{
    const EscrowStatement statement = NamedStatement();
    Run(statement, [](HWND dialog) {
        Click(dialog, IDC_STATEMENT_COPY);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    const std::wstring text = ReadClipboardText();
    EXPECT_EQ(text, WideFromUtf8(StatementText(statement)));
    for (const std::wstring& line :
         {std::wstring(
              L"\r\nBorrower(s)\tJos\u00e9 N\u00fa\u00f1ez and Zo\u00eb \u00c6r\u00f8\r\n"),
          std::wstring(L"\r\nLoan number\tLN/2026:0042\r\n"),
          L"\r\n" + std::wstring(kNamedSentence) + L"\r\n"})
        EXPECT_NE(text.find(line), std::wstring::npos) << Utf8FromWide(line);
    const std::string html = ClipboardBytes(::RegisterClipboardFormatW(kHtmlClipboardFormat));
    EXPECT_NE(html.find(u8">Jos\u00e9 N\u00fa\u00f1ez and Zo\u00eb \u00c6r\u00f8</td>"),
              std::string::npos);
    EXPECT_NE(html.find(">Low point $260.00, December 2026</text>"), std::string::npos)
        << "the picture of the balance";
}

// While another opener keeps the clipboard, Copy says so and nothing breaks; once it lets go,
// Copy works.
TEST_F(StatementDlgTest, CopyWhileTheClipboardIsHeldIsTold)
{
    const HANDLE held = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        ::OpenClipboard(nullptr);
        ::SetEvent(held);
        ::WaitForSingleObject(release, 10000);
        ::CloseClipboard();
    });
    ASSERT_EQ(::WaitForSingleObject(held, 5000), WAIT_OBJECT_0);
    const EscrowStatement statement = AppendixEStatement();
    std::string told;
    Run(statement, [&](HWND dialog) {
        WhenMessageOpens(told);
        Click(dialog, IDC_STATEMENT_COPY);
        ::SetEvent(release);
        holder.join();
        Click(dialog, IDC_STATEMENT_COPY);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    ::CloseHandle(held);
    ::CloseHandle(release);
    EXPECT_NE(told.find("clipboard"), std::string::npos) << told;
    EXPECT_EQ(ReadClipboardText(), WideFromUtf8(StatementText(statement)));
}

// The file holds exactly the statement's HTML document, whatever its name, and replaces an older
// file whole.
TEST(StatementFile, WritesTheHtmlDocument)
{
    const EscrowStatement statement = WarnedStatement();
    const struct
    {
        const char* name; // UTF-8
        const char* before;
    } cases[] = {
        {"Escrow statement.html", nullptr},
        {"Relev\xC3\xA9 \xD0\x96.html", nullptr},
        {"older.html", "an older statement"},
    };
    TempFolder folder;
    for (const auto& c : cases)
    {
        const FilePath file = folder.Path() / std::filesystem::u8path(c.name);
        if (c.before)
            WriteBytes(file, c.before);
        EXPECT_EQ(WriteStatementFile(file, statement), SaveFailure::None) << c.name;
        EXPECT_EQ(ReadBytes(file), StatementHtmlDocument(statement)) << c.name;
    }
    EXPECT_FALSE(HasTemporaryFile(folder.Path()));
}

// The save dialog offers its file name; the file typed is written, ".html" added when the name has
// no ending.
TEST_F(StatementDlgTest, SaveAsWritesTheFileTypedInTheSaveDialog)
{
    const EscrowStatement statement = AppendixEStatement();
    const struct
    {
        const char* typed;
        const char* written;
    } cases[] = {
        {"typed.html", "typed.html"},
        {"bare", "bare.html"},
    };
    TempFolder folder;
    for (const auto& c : cases)
    {
        std::wstring offered;
        std::wstring folderShown;
        Run(statement, [&](HWND dialog) {
            WhenDialogOpens("Save As", [&](HWND save) {
                const HWND name = ::GetDlgItem(save, kSaveDialogFileName);
                offered = WideText(name);
                wchar_t shown[MAX_PATH] = {};
                ::SendMessageW(save, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(shown));
                folderShown = shown;
                ::SetWindowTextW(name, (folder.Path() / c.typed).wstring().c_str());
                ::PostMessageA(save, WM_COMMAND, IDOK, 0);
            });
            Click(dialog, IDC_STATEMENT_SAVE);
            ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(offered, kStatementFileName);
        wchar_t documents[MAX_PATH] = {};
        ::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents);
        EXPECT_EQ(folderShown, documents);
        ASSERT_TRUE(std::filesystem::exists(folder / c.written)) << c.typed;
        EXPECT_EQ(ReadBytes(folder / c.written), StatementHtmlDocument(statement));
    }
}

// With a loan number, Save As offers a file named after it, what a file name cannot hold as "-".
TEST_F(StatementDlgTest, SaveAsOffersTheLoansFileName)
{
    std::wstring offered;
    Run(NamedStatement(), [&](HWND dialog) {
        WhenDialogOpens("Save As", [&](HWND save) {
            offered = WideText(::GetDlgItem(save, kSaveDialogFileName));
            ::PostMessageA(save, WM_COMMAND, IDCANCEL, 0);
        });
        Click(dialog, IDC_STATEMENT_SAVE);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(offered, L"Escrow statement - LN-2026-0042.html");
}

// A file that may not be replaced is told, by its path and why, and keeps its bytes.
TEST_F(StatementDlgTest, AReadOnlyTargetIsToldAndLeftWhole)
{
    TempFolder folder;
    const FilePath file = folder / "kept.html";
    WriteBytes(file, "an older statement");
    ASSERT_TRUE(::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    const EscrowStatement statement = AppendixEStatement();
    std::string told;
    Run(statement, [&](HWND dialog) {
        WhenMessageOpens(told);
        SaveStatementFile(dialog, file, statement);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(NamesFileAndReason(told, "kept.html", "read-only"));
    EXPECT_EQ(ReadBytes(file), "an older statement");
    EXPECT_FALSE(HasTemporaryFile(folder.Path()));
}

// The form over the worked example, in a working folder of its own.
class StatementFromTheForm : public WorkingFolderTest
{
};

// The Statement button follows Reset. It runs the form's analysis first: a cushion typed into a box
// that was never left shows on the form while the statement is open, and the statement's initial
// deposit is the form's initial balance. The year typed in the code page shows as typed.
TEST_F(StatementFromTheForm, ShowsTheFormsFiguresAfterItsAnalysis)
{
    WorkedExample::Write(m_folder);
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        EXPECT_EQ(::GetNextDlgTabItem(window, ::GetDlgItem(window, IDC_RESET), FALSE),
                  ::GetDlgItem(window, IDC_SHOW_STATEMENT));
        EXPECT_EQ(Text(window, IDC_SHOW_STATEMENT), "&Statement...");
        ::SetFocus(::GetDlgItem(window, IDC_RESET));
        SetText(window, IDC_CUSHION, "100");
        SetText(window, IDC_FIRST_PAYMENT_YEAR,
                "20\xE9"
                "4");
        std::string adjustment;
        HWND owner = nullptr;
        std::vector<std::wstring> figures;
        std::vector<std::wstring> warnings;
        WhenDialogOpens(kCaption, [&](HWND statement) {
            adjustment = Text(window, IDC_ADJUSTMENT);
            owner = ::GetWindow(statement, GW_OWNER);
            figures = Lines(statement, IDC_STATEMENT_FIGURES);
            warnings = Lines(statement, IDC_STATEMENT_WARNINGS);
            PostKey(::GetFocus(), VK_ESCAPE);
        });
        Click(window, IDC_SHOW_STATEMENT);
        EXPECT_EQ(owner, window);
        EXPECT_EQ(adjustment, "-600.00 = $800.00 - $1400.00");
        ASSERT_EQ(figures.size(), 5u);
        EXPECT_EQ(figures[0], L"$" + WideFromUtf8(WorkedExample::kMonthlyPayment));
        EXPECT_EQ(figures[1], L"$100.00");
        const std::size_t balance = adjustment.find("= $") + 3;
        EXPECT_EQ(figures[2], L"$" + WideFromUtf8(adjustment.substr(
                                         balance, adjustment.find(' ', balance) - balance)));
        EXPECT_EQ(figures[3], L"May");
        EXPECT_EQ(warnings, (std::vector<std::wstring>{L"The first payment year \"20\u00e94\" is "
                                                       L"not a year; the months are shown "
                                                       L"without one."}));
        EXPECT_TRUE(::IsWindowEnabled(window)) << "the form takes input again";
        form.EndDialog(IDOK);
    });
}

// A schedule file of twelve lines, the given months (1 = January) holding their amounts.
std::string ScheduleFile(const std::vector<std::pair<int, const char*>>& bills)
{
    std::string lines[12];
    for (const auto& [month, amount] : bills)
        lines[month - 1] = amount;
    std::string file;
    for (const std::string& line : lines)
        file += line + "\r\n";
    return file;
}

// Regulation X, Appendix E, Example II from the statement's button to the form's figures: county
// taxes (item 4) of 500 in July and 700 in December, school taxes (item 5) of 360 in September,
// the first payment in July and two months' cushion give 8 months of 100.00 and 11 months of
// 30.00. Item 7's schedule holds nothing and item 8's bills cancel out: no suggestion for either,
// and their boxes stay as they are.
TEST_F(StatementFromTheForm, UseSuggestedMonthsWritesTheSingleItemAnalysisIntoTheForm)
{
    WriteBytes(File("part4.txt"), ScheduleFile({{7, "500"}, {12, "700"}}));
    WriteBytes(File("part5.txt"), ScheduleFile({{9, "360"}}));
    WriteBytes(File("part7.txt"), ScheduleFile({{3, "0.00"}}));
    WriteBytes(File("part8.txt"), ScheduleFile({{3, "10"}, {4, "-10"}}));
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        SetText(window, IDC_FIRST_PAYMENT_MONTH, "07");
        SetText(window, IDC_MONTHS8, "3");
        Click(window, IDC_TWO_MONTHS);
        EXPECT_EQ(Text(window, IDC_CUSHION), "260.00");
        std::vector<std::vector<std::wstring>> before, after;
        bool enabled = false;
        WhenDialogOpens(kCaption, [&](HWND statement) {
            const HWND payment = ::GetDlgItem(statement, IDC_STATEMENT_PAYMENT);
            enabled = ::IsWindowEnabled(::GetDlgItem(statement, IDC_STATEMENT_USE_SUGGESTED));
            for (int row = 0; row < ItemCount(payment); ++row)
                before.push_back(RowTexts(payment, row, 3));
            Click(statement, IDC_STATEMENT_USE_SUGGESTED);
            for (int row = 0; row < ItemCount(payment); ++row)
                after.push_back(RowTexts(payment, row, 3));
            PostKey(::GetFocus(), VK_ESCAPE);
        });
        Click(window, IDC_SHOW_STATEMENT);
        EXPECT_TRUE(enabled);
        // Before: the two items have no line yet, so each shows with its suggestion alone; item
        // 8's three months are a line with nothing suggested beside it.
        EXPECT_EQ(before, (std::vector<std::vector<std::wstring>>{
                              {L"County property taxes", L"", L"suggested: 8 mo. of $100.00"},
                              {L"Village property taxes", L"", L"suggested: 11 mo. of $30.00"},
                              {L"Other $0.00 per month for 3 mo.", L"0.00", L""},
                              {L"Aggregate adjustment", L"1,040.00", L""},
                              {L"Total", L"1,040.00", L""},
                          }));
        EXPECT_EQ(after, (std::vector<std::vector<std::wstring>>{
                             {L"County property taxes $100.00 per month for 8 mo.", L"800.00",
                              L"suggested: 8 mo. of $100.00"},
                             {L"Village property taxes $30.00 per month for 11 mo.", L"330.00",
                              L"suggested: 11 mo. of $30.00"},
                             {L"Other $0.00 per month for 3 mo.", L"0.00", L""},
                             {L"Aggregate adjustment", L"-90.00", L""},
                             {L"Total", L"1,040.00", L""},
                         }));
        EXPECT_EQ(Text(window, IDC_MONTHS4), "8");
        EXPECT_EQ(Text(window, IDC_PER_MONTH4), "100.00");
        EXPECT_EQ(Text(window, IDC_MONTHS5), "11");
        EXPECT_EQ(Text(window, IDC_PER_MONTH5), "30.00");
        EXPECT_EQ(Text(window, IDC_MONTHS7), "");
        EXPECT_EQ(Text(window, IDC_PER_MONTH7), "");
        EXPECT_EQ(Text(window, IDC_MONTHS8), "3");
        EXPECT_EQ(Text(window, IDC_PER_MONTH8), "");
        EXPECT_EQ(Text(window, IDC_ADJUSTMENT), "-90.00 = $1040.00 - $1130.00");
        form.EndDialog(IDOK);
    });
}

// With "two months" off no cushion months are added; an item whose schedule gives nothing keeps
// what was typed; with no suggestion at all the button is disabled.
TEST_F(StatementFromTheForm, SuggestedMonthsWithoutACushion)
{
    WriteBytes(File("part4.txt"), ScheduleFile({{7, "500"}, {12, "700"}}));
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        SetText(window, IDC_FIRST_PAYMENT_MONTH, "07");
        SetText(window, IDC_MONTHS1, "2");
        SetText(window, IDC_PER_MONTH1, "$45.00");
        WhenDialogOpens(kCaption, [&](HWND statement) {
            Click(statement, IDC_STATEMENT_USE_SUGGESTED);
            PostKey(::GetFocus(), VK_ESCAPE);
        });
        Click(window, IDC_SHOW_STATEMENT);
        EXPECT_EQ(Text(window, IDC_MONTHS4), "6");
        EXPECT_EQ(Text(window, IDC_PER_MONTH4), "100.00");
        EXPECT_EQ(Text(window, IDC_MONTHS1), "2");
        EXPECT_EQ(Text(window, IDC_PER_MONTH1), "$45.00");

        std::remove(File("part4.txt").string().c_str());
        bool enabled = true;
        WhenDialogOpens(kCaption, [&](HWND statement) {
            enabled = ::IsWindowEnabled(::GetDlgItem(statement, IDC_STATEMENT_USE_SUGGESTED));
            PostKey(::GetFocus(), VK_ESCAPE);
        });
        Click(window, IDC_SHOW_STATEMENT);
        EXPECT_FALSE(enabled);
        form.EndDialog(IDOK);
    });
}

// Hazard insurance of 710 in May, county taxes of 540 in April and flood insurance of 2,000 in
// August, the first payment in June and no cushion: at the collected $270.83 the balance falls a
// cent below the cushion. "Whole-cent payment" runs the form's analysis at that payment, shows its
// result on the form and its statement at once, and keeps the choice in the working folder; off
// again, everything is as it was.
TEST_F(StatementFromTheForm, WholeCentPaymentRunsTheFormsAnalysisAtThePaymentAsCollected)
{
    WriteBytes(File("part1.txt"), ScheduleFile({{5, "710"}}));
    WriteBytes(File("part4.txt"), ScheduleFile({{4, "540"}}));
    WriteBytes(File("part6.txt"), ScheduleFile({{8, "2000"}}));
    struct Seen
    {
        std::string adjustment;
        std::vector<std::wstring> figures;
        std::wstring firstWarning;
        bool checked = false;
        std::string file;
    };
    const auto see = [&](HWND form, HWND statement) {
        const std::vector<std::wstring> warnings = Lines(statement, IDC_STATEMENT_WARNINGS);
        return Seen{Text(form, IDC_ADJUSTMENT), Lines(statement, IDC_STATEMENT_FIGURES),
                    warnings.empty() ? L"" : warnings.front(),
                    ::IsDlgButtonChecked(statement, IDC_STATEMENT_WHOLE_CENT) == BST_CHECKED,
                    std::filesystem::exists(File("wholecent.txt"))
                        ? ReadBytes(File("wholecent.txt"))
                        : "no file"};
    };
    const std::wstring shortfall =
        L"At $270.83 a month (one twelfth of $3,250.00 is $270.8333), the balance falls $0.01 "
        L"below the cushion in August 2026; in whole cents the initial deposit is $1,187.51.";
    CTallyvaneDlg form;
    std::vector<Seen> seen;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        SetText(window, IDC_FIRST_PAYMENT_MONTH, "06");
        SetText(window, IDC_FIRST_PAYMENT_YEAR, "2026");
        bool enabled = false;
        WhenDialogOpens(kCaption, [&](HWND statement) {
            enabled = ::IsWindowEnabled(::GetDlgItem(statement, IDC_STATEMENT_WHOLE_CENT));
            seen.push_back(see(window, statement));
            Click(statement, IDC_STATEMENT_WHOLE_CENT);
            seen.push_back(see(window, statement));
            Click(statement, IDC_STATEMENT_WHOLE_CENT);
            seen.push_back(see(window, statement));
            Click(statement, IDC_STATEMENT_WHOLE_CENT);
            PostKey(::GetFocus(), VK_ESCAPE);
        });
        Click(window, IDC_SHOW_STATEMENT);
        EXPECT_TRUE(enabled);
        form.EndDialog(IDOK);
    });
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].adjustment, "1187.50 = $1187.50 - $0.00");
    EXPECT_EQ(seen[0].figures[2], L"$1,187.50");
    EXPECT_EQ(seen[0].figures[4], L"$-0.01 in August 2026");
    EXPECT_EQ(seen[0].firstWarning, shortfall);
    EXPECT_FALSE(seen[0].checked);
    EXPECT_EQ(seen[0].file, "no file");

    EXPECT_EQ(seen[1].adjustment, "1187.51 = $1187.51 - $0.00");
    EXPECT_EQ(seen[1].figures[2], L"$1,187.51");
    EXPECT_EQ(seen[1].figures[4], L"$0.00 in August 2026");
    EXPECT_NE(seen[1].firstWarning, shortfall);
    EXPECT_TRUE(seen[1].checked);
    EXPECT_EQ(seen[1].file, "1\r\n");

    EXPECT_EQ(seen[2].adjustment, seen[0].adjustment);
    EXPECT_EQ(seen[2].figures, seen[0].figures);
    EXPECT_EQ(seen[2].firstWarning, shortfall);
    EXPECT_EQ(seen[2].file, "0\r\n");

    // Left on at the end, the next start of the form works at the whole-cent payment.
    CTallyvaneDlg again;
    RunModal(again, [&] {
        const HWND window = again.m_hWnd;
        SetText(window, IDC_FIRST_PAYMENT_MONTH, "06");
        bool checked = false;
        WhenDialogOpens(kCaption, [&](HWND statement) {
            checked = ::IsDlgButtonChecked(statement, IDC_STATEMENT_WHOLE_CENT) == BST_CHECKED;
            PostKey(::GetFocus(), VK_ESCAPE);
        });
        Click(window, IDC_SHOW_STATEMENT);
        EXPECT_TRUE(checked);
        EXPECT_EQ(Text(window, IDC_ADJUSTMENT), "1187.51 = $1187.51 - $0.00");
        again.EndDialog(IDOK);
    });
}

} // namespace

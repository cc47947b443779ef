#include "dialogs/StatementDlg.h"

#include "core/escrow/ItemHeadings.h"
#include "core/statement/BalanceChart.h"
#include "core/statement/StatementCells.h"
#include "dialogs/SaveFailedDlg.h"
#include "dialogs/StatementClipboard.h"
#include "dialogs/StatementFile.h"
#include "dialogs/StatementPrint.h"
#include "framework/AccessibleControls.h"
#include "framework/TextEncoding.h"
#include "framework/WinApp.h"
#include "res/resource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{

// The layout, in dialog units: the margin around everything, the gap between controls, the
// buttons, the line of the initial payment's title and the least client area the window keeps.
constexpr int kMargin = 7;
constexpr int kGap = 4;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kSuggestedButtonWidth = 90;
constexpr int kWholeCentWidth = 84;
constexpr int kTitleHeight = 8;
// The room around a column heading's text.
constexpr int kHeadingPadding = 12;
// The picture of the balance: as tall as this at most, and shown only where it can be as tall as
// the least here while leaving the running balance room for a few rows.
constexpr int kChartHeight = 90;
constexpr int kLeastChartHeight = 40;
constexpr int kLeastBalanceHeight = 50;
constexpr int kMinimumWidth = 320;
constexpr int kMinimumHeight = 200;

// The buttons of the bottom row, from the right.
constexpr int kButtonsFromTheRight[] = {IDCANCEL, IDC_STATEMENT_PRINT, IDC_STATEMENT_SAVE,
                                        IDC_STATEMENT_COPY};

// The warnings' colour: the dark red the HTML statement gives them.
constexpr COLORREF kWarningColour = RGB(156, 0, 6);

constexpr wchar_t kClipboardBusy[] =
    L"The statement could not be put on the clipboard: another program may be using it.\n\n"
    L"Try again in a moment.";

// The texts one below the other, as one window text.
std::wstring Lines(const std::vector<std::string>& texts)
{
    std::wstring lines;
    for (const std::string& text : texts)
        lines += (lines.empty() ? L"" : L"\r\n") + WideFromUtf8(text);
    return lines;
}

// The size of the text as the control draws it, in its own font: lines end at CR LF and, when a
// width is given, break between words to fit it.
SIZE TextSize(HWND control, const std::wstring& text, int width)
{
    HDC dc = ::GetDC(control);
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font ? ::SelectObject(dc, font) : nullptr;
    RECT rect{0, 0, width, 0};
    ::DrawTextW(dc, text.c_str(), -1, &rect,
                DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (width > 0 ? DT_WORDBREAK : 0));
    if (previous)
        ::SelectObject(dc, previous);
    ::ReleaseDC(control, dc);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

std::wstring WindowTextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A width with a tenth more room than the text measured in it takes.
int WithRoomToSpare(int width)
{
    return width * 11 / 10 + 1;
}

void Place(HWND control, int left, int top, int right, int bottom)
{
    ::SetWindowPos(control, nullptr, left, top, std::max(0, right - left),
                   std::max(0, bottom - top), SWP_NOZORDER | SWP_NOACTIVATE);
}

// A suggestion as it shows beside its item's line.
std::string SuggestionText(const SuggestedReserve& suggestion)
{
    return "suggested: " + std::to_string(suggestion.months) + " mo. of $" + suggestion.deposit;
}

bool IsAmountColumn(std::size_t column)
{
    return column >= kFirstAmountColumn && column <= kLastAmountColumn;
}

} // namespace

BEGIN_MESSAGE_MAP(CStatementDlg, CDialog)
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
ON_NOTIFY(NM_CUSTOMDRAW, IDC_STATEMENT_BALANCE, OnCustomDrawBalance)
ON_BN_CLICKED(IDC_STATEMENT_COPY, OnCopy)
ON_BN_CLICKED(IDC_STATEMENT_SAVE, OnSaveAs)
ON_BN_CLICKED(IDC_STATEMENT_PRINT, OnPrint)
ON_BN_CLICKED(IDC_STATEMENT_USE_SUGGESTED, OnUseSuggested)
ON_BN_CLICKED(IDC_STATEMENT_WHOLE_CENT, OnWholeCent)
END_MESSAGE_MAP()

CStatementDlg::CStatementDlg(EscrowStatement statement, CWnd* parent)
    : CDialog(IDD_STATEMENT, parent), m_statement(std::move(statement))
{
}

INT_PTR CStatementDlg::DoModal()
{
    CListCtrl::RegisterWindowClass();
    return CDialog::DoModal();
}

void CStatementDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATEMENT_DETAIL_LABELS, m_staticDetailLabels);
    DDX_Control(pDX, IDC_STATEMENT_DETAILS, m_staticDetails);
    DDX_Control(pDX, IDC_STATEMENT_SENTENCE, m_staticSentence);
    DDX_Control(pDX, IDC_STATEMENT_LABELS, m_staticLabels);
    DDX_Control(pDX, IDC_STATEMENT_FIGURES, m_staticFigures);
    DDX_Control(pDX, IDC_STATEMENT_WARNINGS, m_labelWarnings);
    DDX_Control(pDX, IDC_STATEMENT_CHART, m_chart);
    DDX_Control(pDX, IDC_STATEMENT_BALANCE, m_listBalance);
    DDX_Control(pDX, IDC_STATEMENT_PAYMENT_TITLE, m_staticPaymentTitle);
    DDX_Control(pDX, IDC_STATEMENT_PAYMENT, m_listPayment);
}

BOOL CStatementDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetAccessibleName(m_hWnd, IDC_STATEMENT_BALANCE, L"Escrow account balance, month by month");
    SetAccessibleName(m_hWnd, IDC_STATEMENT_PAYMENT, WideFromUtf8(kInitialPaymentTitle));
    if (CWinApp* app = AfxGetApp())
        SetIcon(app->LoadIcon(IDR_MAINFRAME), FALSE);
    ShowStatement();
    const bool anySuggestion =
        std::any_of(m_suggestions.begin(), m_suggestions.end(),
                    [](const auto& suggestion) { return suggestion.has_value(); });
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_STATEMENT_USE_SUGGESTED),
                   m_useSuggested && anySuggestion);
    const HWND wholeCent = ::GetDlgItem(m_hWnd, IDC_STATEMENT_WHOLE_CENT);
    ::SendMessageW(wholeCent, BM_SETCHECK, m_wholeCent ? BST_CHECKED : BST_UNCHECKED, 0);
    ::EnableWindow(wholeCent, static_cast<bool>(m_chooseWholeCent));
    return TRUE;
}

void CStatementDlg::OfferSuggestions(Suggestions suggestions, std::function<EscrowStatement()> use)
{
    m_suggestions = std::move(suggestions);
    m_useSuggested = std::move(use);
}

void CStatementDlg::OfferWholeCentChoice(bool on, std::function<EscrowStatement(bool)> choose)
{
    m_wholeCent = on;
    m_chooseWholeCent = std::move(choose);
}

void CStatementDlg::ShowStatement()
{
    ShowDetails();
    ShowHeading();
    ShowWarnings();
    ShowChart();
    ShowRunningBalance();
    ShowInitialPayment();
    CRect client;
    GetClientRect(&client);
    Layout(client.Width(), client.Height());
}

void CStatementDlg::ShowDetails()
{
    std::vector<std::string> labels;
    std::vector<std::string> texts;
    for (const LabelledCells& cells : DetailCells(m_statement))
    {
        labels.push_back(cells[0]);
        texts.push_back(cells[1]);
    }
    const int shown = m_statement.details.empty() ? SW_HIDE : SW_SHOWNA;
    ::SetWindowTextW(m_staticDetailLabels, Lines(labels).c_str());
    ::SetWindowTextW(m_staticDetails, Lines(texts).c_str());
    ::ShowWindow(m_staticDetailLabels, shown);
    ::ShowWindow(m_staticDetails, shown);
    ::SetWindowTextW(m_staticSentence, WideFromUtf8(m_statement.paymentSentence).c_str());
    ::ShowWindow(m_staticSentence, m_statement.paymentSentence.empty() ? SW_HIDE : SW_SHOWNA);
}

void CStatementDlg::ShowHeading()
{
    std::vector<std::string> labels;
    std::vector<std::string> figures;
    for (const LabelledCells& cells : HeadingCells(m_statement))
    {
        labels.push_back(cells[0]);
        figures.push_back(cells[1]);
    }
    ::SetWindowTextW(m_staticLabels, Lines(labels).c_str());
    ::SetWindowTextW(m_staticFigures, Lines(figures).c_str());
}

void CStatementDlg::ShowWarnings()
{
    m_labelWarnings.SetBold(TRUE).SetForeColor(kWarningColour);
    ::SetWindowTextW(m_labelWarnings, Lines(m_statement.warnings).c_str());
    ::ShowWindow(m_labelWarnings, m_statement.warnings.empty() ? SW_HIDE : SW_SHOWNA);
}

void CStatementDlg::ShowChart()
{
    m_chart.SetChart(BalanceChartOf(m_statement));
}

void CStatementDlg::ShowRunningBalance()
{
    m_listBalance.DeleteAll();
    m_listBalance.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const RunningBalanceCells headings = RunningBalanceHeadings();
    for (std::size_t column = 0; column < headings.size(); ++column)
        m_listBalance.InsertColumn(static_cast<int>(column), WideFromUtf8(headings[column]),
                                   IsAmountColumn(column) ? LVCFMT_RIGHT : LVCFMT_LEFT, 0);
    for (std::size_t row = 0; row < m_statement.rows.size(); ++row)
    {
        const RunningBalanceCells cells = RunningBalanceRowCells(m_statement.rows[row]);
        const int item = m_listBalance.InsertItem(static_cast<int>(row), WideFromUtf8(cells[0]));
        for (std::size_t column = 1; column < cells.size(); ++column)
            m_listBalance.SetItemText(item, static_cast<int>(column), WideFromUtf8(cells[column]));
    }
    // Each column as wide as its widest cell or its heading, whichever is wider.
    const int padding = DialogRect(0, 0, kHeadingPadding, 0).Width();
    for (std::size_t column = 0; column < headings.size(); ++column)
    {
        const int index = static_cast<int>(column);
        m_listBalance.SetColumnWidth(index, LVSCW_AUTOSIZE);
        const int heading = m_listBalance.GetStringWidth(WideFromUtf8(headings[column])) + padding;
        if (m_listBalance.GetColumnWidth(index) < heading)
            m_listBalance.SetColumnWidth(index, heading);
    }
}

void CStatementDlg::ShowInitialPayment()
{
    ::SetWindowTextW(m_staticPaymentTitle, WideFromUtf8(kInitialPaymentTitle).c_str());
    m_listPayment.DeleteAll();
    m_listPayment.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_listPayment.InsertColumn(0, L"", LVCFMT_LEFT, 0);
    m_listPayment.InsertColumn(1, L"", LVCFMT_RIGHT, 0);
    m_listPayment.InsertColumn(2, L"", LVCFMT_LEFT, 0);
    int row = 0;
    const auto addRow = [&](const std::string& text, const std::string& amount,
                            const std::string& suggested) {
        const int item = m_listPayment.InsertItem(row++, WideFromUtf8(text));
        m_listPayment.SetItemText(item, 1, WideFromUtf8(amount));
        m_listPayment.SetItemText(item, 2, WideFromUtf8(suggested));
    };
    // Each item's line, with its suggestion beside it; an item with a suggestion and no line yet
    // gets a line of its own, in item order.
    const std::vector<LabelledCells> lines = InitialPaymentCells(m_statement);
    std::size_t line = 0;
    for (int item = 1; item <= kEscrowItems; ++item)
    {
        const std::optional<SuggestedReserve>& suggestion = m_suggestions[item - 1];
        const std::string suggested = suggestion ? SuggestionText(*suggestion) : "";
        if (line < m_statement.reserveLines.size() && m_statement.reserveLines[line].item == item)
        {
            addRow(lines[line][0], lines[line][1], suggested);
            ++line;
        }
        else if (suggestion)
        {
            addRow(kItemHeadings[item - 1], "", suggested);
        }
    }
    for (; line < lines.size(); ++line)
        addRow(lines[line][0], lines[line][1], "");
    for (int column = 0; column < 3; ++column)
        m_listPayment.SetColumnWidth(column, LVSCW_AUTOSIZE);
}

CRect CStatementDlg::DialogRect(int left, int top, int right, int bottom) const
{
    CRect rect(left, top, right, bottom);
    ::MapDialogRect(m_hWnd, &rect);
    return rect;
}

void CStatementDlg::Layout(int width, int height)
{
    // The margins and gaps across (left, right) and down (top, bottom), and a button's size.
    const CRect spacing = DialogRect(kMargin, kMargin, kGap, kGap);
    const CRect button = DialogRect(0, 0, kButtonWidth, kButtonHeight);
    const int left = spacing.left;
    const int right = width - spacing.left;
    const int gapAcross = spacing.right;
    const int gapDown = spacing.bottom;
    int top = spacing.top;

    // The details that name the loan, then the heading: labels, and their texts beside them, the
    // texts of both in one column. Each text gets a tenth more room than it takes, for a face a
    // little wider than the one it was measured in.
    const SIZE detailLabels = TextSize(m_staticDetailLabels, WindowTextOf(m_staticDetailLabels), 0);
    const SIZE details = TextSize(m_staticDetails, WindowTextOf(m_staticDetails), 0);
    const SIZE labels = TextSize(m_staticLabels, WindowTextOf(m_staticLabels), 0);
    const SIZE figures = TextSize(m_staticFigures, WindowTextOf(m_staticFigures), 0);
    const int labelsWidth = WithRoomToSpare(std::max(labels.cx, detailLabels.cx));
    const int figuresLeft = left + labelsWidth + 2 * gapAcross;
    // Places a column of labels and the column of their texts from `top` down.
    const auto placeLabelled = [&](HWND labelColumn, HWND textColumn, SIZE labelSize,
                                   SIZE textSize) {
        Place(labelColumn, left, top, left + labelsWidth, top + labelSize.cy);
        Place(textColumn, figuresLeft, top,
              std::max<int>(right, figuresLeft + WithRoomToSpare(textSize.cx)), top + textSize.cy);
        top += std::max(labelSize.cy, textSize.cy) + gapDown;
    };
    if (!m_statement.details.empty())
        placeLabelled(m_staticDetailLabels, m_staticDetails, detailLabels, details);
    if (!m_statement.paymentSentence.empty())
    {
        const int sentence =
            TextSize(m_staticSentence, WindowTextOf(m_staticSentence), (right - left) * 10 / 11).cy;
        Place(m_staticSentence, left, top, right, top + sentence);
        top += sentence + gapDown;
    }
    placeLabelled(m_staticLabels, m_staticFigures, labels, figures);

    if (!m_statement.warnings.empty())
    {
        const int warnings =
            TextSize(m_labelWarnings, WindowTextOf(m_labelWarnings), (right - left) * 10 / 11).cy;
        Place(m_labelWarnings, left, top, right, top + warnings);
        top += warnings + gapDown;
    }

    // The buttons along the bottom, at the right.
    const int buttonsTop = height - spacing.top - button.Height();
    int buttonRight = right;
    for (int id : kButtonsFromTheRight)
    {
        Place(::GetDlgItem(m_hWnd, id), buttonRight - button.Width(), buttonsTop, buttonRight,
              buttonsTop + button.Height());
        buttonRight -= button.Width() + gapAcross;
    }
    // "Use suggested months" at the left, as wide as the template makes it.
    const int suggestedWidth = DialogRect(0, 0, kSuggestedButtonWidth, 0).Width();
    const int suggestedRight = std::min(left + suggestedWidth, buttonRight);
    Place(::GetDlgItem(m_hWnd, IDC_STATEMENT_USE_SUGGESTED), left, buttonsTop, suggestedRight,
          buttonsTop + button.Height());
    // "Whole-cent payment" beside it.
    const int wholeCentLeft = suggestedRight + gapAcross;
    Place(::GetDlgItem(m_hWnd, IDC_STATEMENT_WHOLE_CENT), wholeCentLeft, buttonsTop,
          std::min(wholeCentLeft + DialogRect(0, 0, kWholeCentWidth, 0).Width(), buttonRight),
          buttonsTop + button.Height());

    // The initial payment above them, as tall as its lines when there is room for half as much
    // again of the running balance; the running balance takes the rest.
    CRect row;
    m_listPayment.GetItemRect(0, &row, LVIR_BOUNDS);
    CRect outside;
    CRect inside;
    m_listPayment.GetWindowRect(&outside);
    m_listPayment.GetClientRect(&inside);
    const int paymentLines =
        m_listPayment.GetItemCount() * row.Height() + outside.Height() - inside.Height();
    const int titleHeight = DialogRect(0, 0, 0, kTitleHeight).Height();
    const int paymentBottom = buttonsTop - gapDown;
    const int room = paymentBottom - top - titleHeight - 2 * gapDown;
    const int paymentTop = paymentBottom - std::min(paymentLines, std::max(0, room / 2));
    const int titleTop = paymentTop - gapDown / 2 - titleHeight;
    Place(m_listPayment, left, paymentTop, right, paymentBottom);
    Place(m_staticPaymentTitle, left, titleTop, right, titleTop + titleHeight);
    // The picture above the running balance, while both have their least room.
    const int balanceBottom = titleTop - gapDown;
    const int chart =
        std::min(DialogRect(0, 0, 0, kChartHeight).Height(),
                 balanceBottom - top - gapDown - DialogRect(0, 0, 0, kLeastBalanceHeight).Height());
    const bool chartShown =
        m_chart.HasChart() && chart >= DialogRect(0, 0, 0, kLeastChartHeight).Height();
    ::ShowWindow(m_chart, chartShown ? SW_SHOWNA : SW_HIDE);
    if (chartShown)
    {
        Place(m_chart, left, top, right, top + chart);
        ::InvalidateRect(m_chart, nullptr, FALSE);
        top += chart + gapDown;
    }
    Place(m_listBalance, left, top, right, std::max(top, balanceBottom));
}

void CStatementDlg::OnSize(UINT type, int cx, int cy)
{
    if (type != SIZE_MINIMIZED)
        Layout(cx, cy);
}

void CStatementDlg::OnGetMinMaxInfo(MINMAXINFO* info)
{
    CRect least = DialogRect(0, 0, kMinimumWidth, kMinimumHeight);
    ::AdjustWindowRectEx(&least, GetStyle(), FALSE, GetExStyle());
    info->ptMinTrackSize = {least.Width(), least.Height()};
}

void CStatementDlg::OnCustomDrawBalance(NMHDR* header, LRESULT* result)
{
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
    {
        *result = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
    {
        const std::size_t row = draw->nmcd.dwItemSpec;
        if (row < m_statement.rows.size() && m_statement.rows[row].lowPoint)
            draw->clrTextBk = kLowPointBackground;
    }
    *result = CDRF_DODEFAULT;
}

void CStatementDlg::OnCopy()
{
    if (!CopyStatementToClipboard(m_hWnd, m_statement))
        ::MessageBoxW(m_hWnd, kClipboardBusy, kMessageCaption, MB_OK | MB_ICONWARNING);
}

void CStatementDlg::OnSaveAs()
{
    if (const std::optional<FilePath> path =
            AskStatementFilePath(m_hWnd, StatementFileName(m_statement)))
        SaveStatementFile(m_hWnd, *path, m_statement);
}

void CStatementDlg::OnPrint()
{
    PrintStatement(m_hWnd, m_statement);
}

void CStatementDlg::OnUseSuggested()
{
    if (!m_useSuggested)
        return;
    m_statement = m_useSuggested();
    ShowStatement();
}

void CStatementDlg::OnWholeCent()
{
    if (!m_chooseWholeCent)
        return;
    m_wholeCent =
        ::SendDlgItemMessageW(m_hWnd, IDC_STATEMENT_WHOLE_CENT, BM_GETCHECK, 0, 0) == BST_CHECKED;
    m_statement = m_chooseWholeCent(m_wholeCent);
    ShowStatement();
}

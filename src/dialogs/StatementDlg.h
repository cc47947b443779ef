// CStatementDlg: the initial escrow account statement in a modal, resizable window of its own. It
// shows the statement it is given (the details that name the loan and the sentence of the monthly
// mortgage payment when it has them, the heading figures, the warnings, the picture of the year's
// balance, the running balance with its low point marked, and the initial escrow payment) and
// copies it to the clipboard or saves it as an HTML file. It knows nothing of the form: whoever
// opens it builds the statement.
#pragma once

#include "controls/Label.h"
#include "core/escrow/ReserveMonths.h"
#include "core/statement/EscrowStatement.h"
#include "dialogs/BalanceChartView.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/ListCtrl.h"

#include <array>
#include <functional>
#include <optional>

// The background of the running balance's low-point row.
constexpr COLORREF kLowPointBackground = RGB(255, 235, 156);

class CStatementDlg : public CDialog
{
public:
    explicit CStatementDlg(EscrowStatement statement, CWnd* parent = nullptr);

    // Registers the list views' window class, which the template needs, then shows the window.
    INT_PTR DoModal() override;

    // The reserve months and deposit each item's schedule calls for, shown beside the item's
    // initial escrow payment line, and what "Use suggested months" does with them: write them
    // where the statement comes from and give the statement anew. Without an offer the button
    // stays disabled.
    using Suggestions = std::array<std::optional<SuggestedReserve>, kEscrowItems>;
    void OfferSuggestions(Suggestions suggestions, std::function<EscrowStatement()> use);

    // Whether the statement's figures are at the whole-cent payment, and what a click on the
    // "Whole-cent payment" box does: switch the choice where the statement comes from and give
    // the statement anew. Without an offer the box stays disabled.
    void OfferWholeCentChoice(bool on, std::function<EscrowStatement(bool)> choose);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // The controls follow the window's size: the picture and the running balance share what the
    // others leave.
    void OnSize(UINT type, int cx, int cy);
    // The window keeps room for the buttons and a few rows of each table.
    void OnGetMinMaxInfo(MINMAXINFO* info);
    // The running balance asks for each row's colours: the low point's row gets its background.
    void OnCustomDrawBalance(NMHDR* header, LRESULT* result);
    // Copy: the statement as plain text and as HTML on the clipboard; a clipboard that another
    // program keeps busy is told.
    void OnCopy();
    // Save As: the system's save dialog offering a name after the loan number, then the HTML
    // document written whole; a failed save is
    // told as every failed save of the program is.
    void OnSaveAs();
    // Print: the system's print dialog, then the statement's pages on the printer chosen.
    void OnPrint();
    // Use suggested months: the suggestions are written, and the statement shows their figures.
    void OnUseSuggested();
    // Whole-cent payment clicked: the statement at the payment the box now says.
    void OnWholeCent();

    DECLARE_MESSAGE_MAP()

private:
    void ShowDetails();
    void ShowHeading();
    void ShowWarnings();
    void ShowChart();
    void ShowRunningBalance();
    void ShowInitialPayment();
    // Places every control for the client area's size.
    void Layout(int width, int height);
    // A rectangle given in dialog units, in pixels.
    CRect DialogRect(int left, int top, int right, int bottom) const;

    // Every part of the window for the statement it holds now.
    void ShowStatement();

    EscrowStatement m_statement;
    Suggestions m_suggestions;
    std::function<EscrowStatement()> m_useSuggested;
    bool m_wholeCent = false;
    std::function<EscrowStatement(bool)> m_chooseWholeCent;
    CStatic m_staticDetailLabels;
    CStatic m_staticDetails;
    CStatic m_staticSentence;
    CStatic m_staticLabels;
    CStatic m_staticFigures;
    CLabel m_labelWarnings;
    CBalanceChartView m_chart;
    CListCtrl m_listBalance;
    CStatic m_staticPaymentTitle;
    CListCtrl m_listPayment;
};

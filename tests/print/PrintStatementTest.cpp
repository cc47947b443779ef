// The statement printed through the program's own print path: the statement window's Print
// button, the system's print dialog over it, its Print button, and the pages on the printer it
// offers, the default one. The script that runs these tests makes that printer a PDF queue of a
// CUPS server of its own and reads each PDF back, or counts the queue's jobs. It runs one test at a
// time, since the queue writes every document to the same file, and it makes the queue turn jobs
// away before the test of a failed print.
#include "DialogItems.h"
#include "dialogs/StatementDlg.h"
#include "ModalDriver.h"
#include "PrintedStatements.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// What the program told the user in its message box while printing; the box is closed so that
// the print goes on.
std::string g_told;
UINT_PTR g_watch = 0;

void CALLBACK CloseMessage(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = ThreadWindow("Tallyvane");
    if (!box)
        return;
    ::KillTimer(nullptr, g_watch);
    g_told = Text(box, kMessageBoxText);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Prints the statement the way the user does: the statement window's Print button opens the print
// dialog over the window, and its Print button (or another) is pressed. Returns what the program
// told the user, empty when it told nothing.
std::string PrintThroughTheDialog(const EscrowStatement& statement, int button = IDOK)
{
    CStatementDlg window(statement);
    bool dialogShown = false;
    g_told.clear();
    g_watch = ::SetTimer(nullptr, 0, 50, CloseMessage);
    RunModal(window, [&] {
        WhenDialogOpens("Print", [&](HWND print) {
            dialogShown = true;
            EXPECT_EQ(::GetWindow(print, GW_OWNER), window.m_hWnd);
            Click(print, button);
        });
        Click(window.m_hWnd, IDC_STATEMENT_PRINT);
        window.EndDialog(IDOK);
    });
    ::KillTimer(nullptr, g_watch);
    EXPECT_TRUE(dialogShown);
    return g_told;
}

TEST(PrintStatement, AppendixE)
{
    EXPECT_EQ(PrintThroughTheDialog(PrintedStatements::AppendixEStatement()), "");
}

// Three bills every month: 49 rows of the running balance, more than a page holds. The year is no
// year, so the statement opens with a warning that quotes it, a letter beyond ASCII included.
TEST(PrintStatement, TwoPages)
{
    ItemSchedules schedules{};
    for (int item = 0; item < 3; ++item)
        schedules[item].fill(100.0 * (item + 1));
    EscrowInputs inputs;
    inputs.firstPaymentMonth = "1";
    inputs.cushion = "0";
    EXPECT_EQ(PrintThroughTheDialog(BuildStatement(schedules, inputs, "A\xC3\xB1o")), "");
}

// A closing with its details and its principal and interest: the loan named at the top, names
// beyond ASCII, and the sentence of the monthly mortgage payment.
TEST(PrintStatement, NamesTheLoan)
{
    EXPECT_EQ(PrintThroughTheDialog(PrintedStatements::NamedLoanStatement()), "");
}

// Cancel prints nothing and tells nothing.
TEST(PrintStatement, CancelPrintsNothing)
{
    EXPECT_EQ(PrintThroughTheDialog(PrintedStatements::AppendixEStatement(), IDCANCEL), "");
}

// Run while the queue turns jobs away: the document fails, the user is told which printer failed,
// and the program goes on.
TEST(PrintStatement, AFailedPrintIsTold)
{
    EXPECT_EQ(PrintThroughTheDialog(PrintedStatements::AppendixEStatement()),
              "The statement could not be printed on \"TestPDF\".");
}

} // namespace

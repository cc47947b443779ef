// What a screen reader hears of the program's windows, asked the way a reader asks: each
// control's accessible object (AccessibleObjectFromWindow), its name, role and value. The form,
// the schedule dialog, the closing details and the statement window, each opened as the user
// opens it.
#include "DialogItems.h"
#include "ModalDriver.h"
#include "ScreenReader.h"
#include "WorkingFolderTest.h"

#include "core/escrow/ItemHeadings.h"
#include "dialogs/FormItems.h"
#include "dialogs/TallyvaneDlg.h"
#include "res/resource.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <vector>

namespace
{

struct Expected
{
    int id;
    std::wstring name;
    long role;
};

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// Each expected control says its name and has its role.
void ExpectHeard(HWND dialog, const std::vector<Expected>& expected)
{
    for (const Expected& control : expected)
    {
        SCOPED_TRACE(AsciiText(control.name));
        const HWND window = ::GetDlgItem(dialog, control.id);
        ASSERT_NE(window, nullptr);
        const Heard heard = AskLikeAScreenReader(window);
        EXPECT_TRUE(heard.answered);
        EXPECT_EQ(AsciiText(heard.name), AsciiText(control.name));
        EXPECT_EQ(heard.role, control.role);
    }
}

// Every control the user can reach by Tab and see says a name and a role of its own kind, not
// the plain "client" of a window a reader knows nothing about.
void ExpectEveryControlNamed(HWND dialog)
{
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control;
         control = ::GetWindow(control, GW_HWNDNEXT))
    {
        if (!(::GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP) || !::IsWindowVisible(control))
            continue;
        SCOPED_TRACE("control " + std::to_string(::GetDlgCtrlID(control)) + " \"" +
                     WindowText(control) + "\"");
        const Heard heard = AskLikeAScreenReader(control);
        EXPECT_TRUE(heard.answered);
        EXPECT_FALSE(heard.name.empty());
        EXPECT_NE(heard.role, 0);
        EXPECT_NE(heard.role, ROLE_SYSTEM_CLIENT);
    }
}

// The tab order of the dialog: the identifiers of its controls that take the focus by Tab.
std::vector<int> TabOrder(HWND dialog)
{
    std::vector<int> order;
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control;
         control = ::GetWindow(control, GW_HWNDNEXT))
        if (::GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP)
            order.push_back(::GetDlgCtrlID(control));
    return order;
}

std::wstring ItemName(int item)
{
    return std::to_wstring(1000 + item) + L". " + Wide(kItemHeadings[item - 1]);
}

class ScreenReaderNamesTest : public WorkingFolderTest
{
protected:
    CTallyvaneDlg m_form;
};

TEST_F(ScreenReaderNamesTest, TheFormNamesEveryBoxButtonAndCheckBox)
{
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        std::vector<Expected> expected;
        for (int item = 1; item <= kEscrowItems; ++item)
        {
            const FormItem& line = kFormItems[item - 1];
            expected.push_back({line.monthsBox, ItemName(item) + L", months", ROLE_SYSTEM_TEXT});
            expected.push_back(
                {line.depositBox, ItemName(item) + L", per month", ROLE_SYSTEM_TEXT});
            expected.push_back(
                {line.button, ItemName(item) + L" schedule", ROLE_SYSTEM_PUSHBUTTON});
        }
        expected.push_back({IDC_FIRST_PAYMENT_MONTH, L"First payment month", ROLE_SYSTEM_TEXT});
        expected.push_back({IDC_FIRST_PAYMENT_YEAR, L"First payment year", ROLE_SYSTEM_TEXT});
        expected.push_back({IDC_CUSHION, L"Escrow cushion", ROLE_SYSTEM_TEXT});
        expected.push_back({IDC_TWO_MONTHS, L"Cushion of two months", ROLE_SYSTEM_CHECKBUTTON});
        expected.push_back({IDC_MONTHLY_PAYMENT, L"Monthly escrow payment", ROLE_SYSTEM_TEXT});
        expected.push_back({IDC_ADJUSTMENT, L"Aggregate escrow adjustment", ROLE_SYSTEM_TEXT});
        expected.push_back({IDC_RESET, L"Reset", ROLE_SYSTEM_PUSHBUTTON});
        expected.push_back({IDC_SHOW_STATEMENT, L"Statement...", ROLE_SYSTEM_PUSHBUTTON});
        expected.push_back({IDC_DETAILS, L"Details...", ROLE_SYSTEM_PUSHBUTTON});
        ExpectHeard(form, expected);
        ExpectEveryControlNamed(form);

        // The result boxes say their figures.
        SetText(form, IDC_MONTHS1, "2");
        SetText(form, IDC_PER_MONTH1, "100");
        ::SendMessageA(form, WM_COMMAND, MAKEWPARAM(IDC_MONTHS1, EN_KILLFOCUS),
                       reinterpret_cast<LPARAM>(::GetDlgItem(form, IDC_MONTHS1)));
        EXPECT_EQ(AsciiText(AskLikeAScreenReader(::GetDlgItem(form, IDC_ADJUSTMENT)).value),
                  Text(form, IDC_ADJUSTMENT));
        EXPECT_FALSE(Text(form, IDC_ADJUSTMENT).empty());
        EXPECT_EQ(AsciiText(AskLikeAScreenReader(::GetDlgItem(form, IDC_MONTHLY_PAYMENT)).value),
                  Text(form, IDC_MONTHLY_PAYMENT));

        // A check box says whether it is checked.
        const HWND twoMonths = ::GetDlgItem(form, IDC_TWO_MONTHS);
        EXPECT_FALSE(AskLikeAScreenReader(twoMonths).state & STATE_SYSTEM_CHECKED);
        Click(form, IDC_TWO_MONTHS);
        EXPECT_TRUE(AskLikeAScreenReader(twoMonths).state & STATE_SYSTEM_CHECKED);
        ::PostMessageA(form, WM_CLOSE, 0, 0);
    });
}

TEST_F(ScreenReaderNamesTest, TheScheduleDetailsAndStatementWindowsNameTheirControls)
{
    RunModal(m_form, [&] {
        const HWND form = m_form.m_hWnd;
        WhenDialogOpens(ScheduleCaption(4).c_str(), [](HWND schedule) {
            ExpectHeard(schedule, {{IDC_JANUARY, L"January", ROLE_SYSTEM_TEXT},
                                   {IDC_FEBRUARY, L"February", ROLE_SYSTEM_TEXT},
                                   {IDC_MARCH, L"March", ROLE_SYSTEM_TEXT},
                                   {IDC_APRIL, L"April", ROLE_SYSTEM_TEXT},
                                   {IDC_MAY, L"May", ROLE_SYSTEM_TEXT},
                                   {IDC_JUNE, L"June", ROLE_SYSTEM_TEXT},
                                   {IDC_JULY, L"July", ROLE_SYSTEM_TEXT},
                                   {IDC_AUGUST, L"August", ROLE_SYSTEM_TEXT},
                                   {IDC_SEPTEMBER, L"September", ROLE_SYSTEM_TEXT},
                                   {IDC_OCTOBER, L"October", ROLE_SYSTEM_TEXT},
                                   {IDC_NOVEMBER, L"November", ROLE_SYSTEM_TEXT},
                                   {IDC_DECEMBER, L"December", ROLE_SYSTEM_TEXT},
                                   {IDC_SCHEDULE_COPY, L"Copy", ROLE_SYSTEM_PUSHBUTTON},
                                   {IDOK, L"OK", ROLE_SYSTEM_PUSHBUTTON}});
            ExpectEveryControlNamed(schedule);
            ::PostMessageA(schedule, WM_COMMAND, IDCANCEL, 0);
        });
        Click(form, IDC_ITEM4);

        WhenDialogOpens("Closing details", [](HWND details) {
            ExpectHeard(details, {{IDC_DETAILS_LOAN_NUMBER, L"Loan number", ROLE_SYSTEM_TEXT},
                                  {IDC_DETAILS_BORROWERS, L"Borrower(s)", ROLE_SYSTEM_TEXT},
                                  {IDC_DETAILS_ADDRESS, L"Property address", ROLE_SYSTEM_TEXT},
                                  {IDC_DETAILS_LENDER, L"Lender or servicer", ROLE_SYSTEM_TEXT},
                                  {IDC_DETAILS_CLOSING_DATE, L"Closing date", ROLE_SYSTEM_DROPLIST},
                                  {IDC_DETAILS_PRINCIPAL_AND_INTEREST,
                                   L"Monthly principal and interest", ROLE_SYSTEM_TEXT}});
            ExpectEveryControlNamed(details);
            ::PostMessageA(details, WM_COMMAND, IDCANCEL, 0);
        });
        Click(form, IDC_DETAILS);

        WhenDialogOpens("Initial Escrow Account Statement", [](HWND statement) {
            ExpectHeard(
                statement,
                {{IDC_STATEMENT_BALANCE, L"Escrow account balance, month by month",
                  ROLE_SYSTEM_LIST},
                 {IDC_STATEMENT_PAYMENT, L"Initial escrow payment at closing", ROLE_SYSTEM_LIST},
                 {IDC_STATEMENT_WHOLE_CENT, L"Whole-cent payment", ROLE_SYSTEM_CHECKBUTTON},
                 {IDC_STATEMENT_PRINT, L"Print...", ROLE_SYSTEM_PUSHBUTTON}});
            ExpectEveryControlNamed(statement);
            ::PostMessageA(statement, WM_COMMAND, IDCANCEL, 0);
        });
        Click(form, IDC_SHOW_STATEMENT);
        ::PostMessageA(form, WM_CLOSE, 0, 0);
    });
}

// Naming the controls leaves the order Tab takes through the form as the template has it.
TEST_F(ScreenReaderNamesTest, NamingKeepsTheFormsTabOrder)
{
    RunModal(m_form, [&] {
        std::vector<int> expected;
        for (const FormItem& item : kFormItems)
        {
            expected.push_back(item.monthsBox);
            expected.push_back(item.depositBox);
        }
        for (const FormItem& item : kFormItems)
            expected.push_back(item.button);
        expected.insert(expected.end(), {IDC_FIRST_PAYMENT_MONTH, IDC_FIRST_PAYMENT_YEAR,
                                         IDC_TWO_MONTHS, IDC_CUSHION, IDC_ADJUSTMENT, IDC_RESET,
                                         IDC_SHOW_STATEMENT, IDC_DETAILS, IDC_MONTHLY_PAYMENT});
        EXPECT_EQ(TabOrder(m_form.m_hWnd), expected);
        ::PostMessageA(m_form.m_hWnd, WM_CLOSE, 0, 0);
    });
}

} // namespace

// The closing details dialog over an owner window, driven from inside its own loop: the details
// it shows and gives back in any script, the principal and interest it keeps or refuses, the
// closing date in its picker, and the keys of any dialog.
#include "DialogItems.h"
#include "ModalDriver.h"

#include "dialogs/ClosingDetailsDlg.h"
#include "framework/TextEncoding.h"
#include "res/resource.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace
{
constexpr char kCaption[] = "Closing details";
constexpr char kNotAnAmount[] = "The monthly principal and interest is not an amount.";

// The boxes top to bottom, then the buttons: the tab order.
constexpr int kTabOrder[] = {IDC_DETAILS_LOAN_NUMBER,
                             IDC_DETAILS_BORROWERS,
                             IDC_DETAILS_ADDRESS,
                             IDC_DETAILS_LENDER,
                             IDC_DETAILS_CLOSING_DATE,
                             IDC_DETAILS_PRINCIPAL_AND_INTEREST,
                             IDOK,
                             IDCANCEL};

// Details with every field given, in scripts outside the code page too.
ClosingDetails Filled()
{
    return {"LN-2026-0042",
            u8"Łukasz Wróbel and 王秀英",
            u8"ul. Żółwia 3\n00-001 Warszawa\nPolska",
            u8"Bank Śląski",
            "2026-03-15",
            "$1,182.10"};
}

HWND Item(HWND dialog, int id)
{
    return ::GetDlgItem(dialog, id);
}

// The picker's day as "YYYY-MM-DD", or "none".
std::string PickerDay(HWND dialog)
{
    SYSTEMTIME day{};
    const LRESULT state = ::SendMessageW(Item(dialog, IDC_DETAILS_CLOSING_DATE), DTM_GETSYSTEMTIME,
                                         0, reinterpret_cast<LPARAM>(&day));
    if (state != GDT_VALID)
        return state == GDT_NONE ? "none" : "error";
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", day.wYear, day.wMonth, day.wDay);
    return text;
}

// Sets the picker as the user would by its calendar, or by its check box when `year` is 0.
void SetPickerDay(HWND dialog, int year, int month = 0, int day = 0)
{
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    ASSERT_TRUE(::SendMessageW(Item(dialog, IDC_DETAILS_CLOSING_DATE), DTM_SETSYSTEMTIME,
                               year ? GDT_VALID : GDT_NONE, reinterpret_cast<LPARAM>(&time)));
}

// Moves the focus on with a posted key and waits until it has moved.
HWND MoveFocus(WPARAM key)
{
    HWND from = ::GetFocus();
    PostKey(from, key);
    PumpUntil([from] { return ::GetFocus() != from; });
    return ::GetFocus();
}

class ClosingDetailsDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_owner.m_hWnd =
            ::CreateWindowExA(0, "STATIC", "Escrow adjustment", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                              50, 50, 600, 400, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_owner.m_hWnd, nullptr);
    }

    void TearDown() override { ::DestroyWindow(m_owner.m_hWnd); }

    // Runs the dialog over the owner; the steps get the dialog's window. Its template is not
    // WS_VISIBLE, so its loop would show it once idle, after the steps have started: it is shown
    // here as the loop would, and a dialog that ends is hidden at once.
    INT_PTR Run(CClosingDetailsDlg& dialog, const std::function<void(HWND)>& steps)
    {
        return RunModal(dialog, [&] {
            ::ShowWindow(dialog.m_hWnd, SW_SHOW);
            steps(dialog.m_hWnd);
        });
    }

    CWnd m_owner;
};

TEST_F(ClosingDetailsDlgTest, OpensOverItsOwnerWithItsCaptionAndTheFocusOnTheLoanNumber)
{
    CClosingDetailsDlg dialog(Filled(), &m_owner);
    HWND owner = nullptr;
    std::string caption;
    bool focusOnLoanNumber = false;
    const INT_PTR result = Run(dialog, [&](HWND window) {
        owner = ::GetWindow(window, GW_OWNER);
        caption = WindowText(window);
        focusOnLoanNumber = ::GetFocus() == Item(window, IDC_DETAILS_LOAN_NUMBER);
        Click(window, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(owner, m_owner.m_hWnd);
    EXPECT_EQ(caption, kCaption);
    EXPECT_TRUE(focusOnLoanNumber);
}

TEST_F(ClosingDetailsDlgTest, ShowsEveryTextAsGivenWithTheAddressOnLinesOfItsOwn)
{
    CClosingDetailsDlg dialog(Filled(), &m_owner);
    Run(dialog, [&](HWND window) {
        EXPECT_EQ(WideText(window, IDC_DETAILS_LOAN_NUMBER), L"LN-2026-0042");
        EXPECT_EQ(WideText(window, IDC_DETAILS_BORROWERS),
                  L"\u0141ukasz Wr\u00F3bel and \u738B\u79C0\u82F1");
        EXPECT_EQ(WideText(window, IDC_DETAILS_ADDRESS),
                  L"ul. \u017B\u00F3\u0142wia 3\r\n00-001 Warszawa\r\nPolska");
        EXPECT_EQ(::SendMessageW(Item(window, IDC_DETAILS_ADDRESS), EM_GETLINECOUNT, 0, 0), 3);
        EXPECT_EQ(WideText(window, IDC_DETAILS_LENDER), L"Bank \u015Al\u0105ski");
        EXPECT_EQ(PickerDay(window), "2026-03-15");
        EXPECT_EQ(WideText(window, IDC_DETAILS_PRINCIPAL_AND_INTEREST), L"$1,182.10");
        Click(window, IDCANCEL);
    });
}

TEST_F(ClosingDetailsDlgTest, GivesBackTheDetailsUnchangedOnOK)
{
    const struct
    {
        const char* name;
        ClosingDetails details;
    } cases[] = {
        {"empty", {}},
        {"Latin names",
         {"100234", u8"José Núñez", u8"4 Rue de l'Église\nAix", u8"Zoë Ærø", "", "1182.10"}},
        {"names outside the code page", Filled()},
        {"three-line address",
         {"", "Ann Smith", "221 Main Street\nApartment 4B\nSpringfield, IL 62701", "", "", ""}},
        {"a leap day", {"", "", "", "", "2024-02-29", ""}},
        {"an address ending in a new line", {"", "", "1 Elm Row\n", "", "", ""}},
    };
    for (const auto& c : cases)
    {
        CClosingDetailsDlg dialog(c.details, &m_owner);
        const INT_PTR result = Run(dialog, [](HWND window) { Click(window, IDOK); });
        EXPECT_EQ(result, IDOK) << c.name;
        EXPECT_EQ(dialog.GetDetails(), c.details) << c.name;
        EXPECT_FALSE(dialog.ClosingDateChanged()) << c.name;
    }
}

TEST_F(ClosingDetailsDlgTest, GivesBackWhatIsTypedAsUtf8WithTheAddressLinesEndedByLF)
{
    CClosingDetailsDlg dialog(ClosingDetails{}, &m_owner);
    const INT_PTR result = Run(dialog, [](HWND window) {
        SetWideText(window, IDC_DETAILS_LOAN_NUMBER, L"\u2116 7");
        SetWideText(window, IDC_DETAILS_BORROWERS,
                    L"Jos\u00E9 N\u00FA\u00F1ez, Zo\u00EB \u00C6r\u00F8");
        SetWideText(window, IDC_DETAILS_ADDRESS, L"\u6771\u4EAC\u90FD\r\n\u6E2F\u533A\r\n1-1");
        SetWideText(window, IDC_DETAILS_LENDER, L"\U0001F3E0 Loans");
        SetPickerDay(window, 2026, 7, 1);
        SetWideText(window, IDC_DETAILS_PRINCIPAL_AND_INTEREST, L"  $1,182.10\t");
        Click(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    const ClosingDetails typed{u8"№ 7",
                               u8"José Núñez, Zoë Ærø",
                               u8"東京都\n港区\n1-1",
                               u8"\U0001F3E0 Loans",
                               "2026-07-01",
                               "$1,182.10"};
    EXPECT_EQ(dialog.GetDetails(), typed);
    EXPECT_TRUE(dialog.ClosingDateChanged());
}

// Every way out but OK, after every field was changed.
TEST_F(ClosingDetailsDlgTest, CancelEscapeAndTheCloseBoxGiveNothingBack)
{
    const struct
    {
        const char* name;
        std::function<void(HWND)> leave;
    } ways[] = {
        {"Cancel", [](HWND window) { Click(window, IDCANCEL); }},
        {"Escape in the address",
         [](HWND window) {
             ::SetFocus(Item(window, IDC_DETAILS_ADDRESS));
             PostKey(Item(window, IDC_DETAILS_ADDRESS), VK_ESCAPE);
         }},
        {"Escape in the loan number",
         [](HWND window) {
             ::SetFocus(Item(window, IDC_DETAILS_LOAN_NUMBER));
             PostKey(Item(window, IDC_DETAILS_LOAN_NUMBER), VK_ESCAPE);
         }},
        {"the close box", [](HWND window) { ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : ways)
    {
        CClosingDetailsDlg dialog(Filled(), &m_owner);
        const INT_PTR result = Run(dialog, [&](HWND window) {
            for (int id : kTabOrder)
                if (id != IDC_DETAILS_CLOSING_DATE && id != IDOK && id != IDCANCEL)
                    SetText(window, id, "12");
            SetPickerDay(window, 2027, 1, 2);
            way.leave(window);
        });
        EXPECT_EQ(result, IDCANCEL) << way.name;
        EXPECT_EQ(dialog.GetDetails(), Filled()) << way.name;
        EXPECT_FALSE(dialog.ClosingDateChanged()) << way.name;
    }
}

TEST_F(ClosingDetailsDlgTest, KeepsAnAmountAsTypedLessTheSpacesAround)
{
    const struct
    {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"$1,182.10", "$1,182.10"},
        {"  1182.1\t", "1182.1"},
        {"0", "0"},
        {"-25.00", "-25.00"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& c : cases)
    {
        CClosingDetailsDlg dialog(ClosingDetails{}, &m_owner);
        const INT_PTR result = Run(dialog, [&](HWND window) {
            SetText(window, IDC_DETAILS_PRINCIPAL_AND_INTEREST, c.typed);
            Click(window, IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.typed;
        EXPECT_EQ(dialog.GetDetails().principalAndInterest, c.kept) << c.typed;
    }
}

TEST_F(ClosingDetailsDlgTest, RefusesAPrincipalAndInterestThatIsNoAmountAndStaysOpenOnIt)
{
    const wchar_t* const refused[] = {
        L"abc", L"$", L"1,182.10 USD", L".", L"\u0661\u0662\u0663", L"\u00E9t\u00E9"};
    for (const wchar_t* typed : refused)
    {
        const std::string name = Utf8FromWide(typed);
        CClosingDetailsDlg dialog(Filled(), &m_owner);
        std::string told;
        bool open = false;
        bool focusOnTheBox = false;
        std::wstring shown;
        const INT_PTR result = Run(dialog, [&](HWND window) {
            SetWideText(window, IDC_DETAILS_PRINCIPAL_AND_INTEREST, typed);
            SetText(window, IDC_DETAILS_BORROWERS, "Someone else");
            WhenMessageOpens(told);
            Click(window, IDOK);
            open = ::IsWindowVisible(window);
            focusOnTheBox = ::GetFocus() == Item(window, IDC_DETAILS_PRINCIPAL_AND_INTEREST);
            shown = WideText(window, IDC_DETAILS_PRINCIPAL_AND_INTEREST);
            Click(window, IDCANCEL);
        });
        EXPECT_EQ(told, kNotAnAmount) << name;
        EXPECT_TRUE(open) << name;
        EXPECT_TRUE(focusOnTheBox) << name;
        EXPECT_EQ(shown, typed) << name << ": the text stays as typed";
        EXPECT_EQ(result, IDCANCEL) << name;
        EXPECT_EQ(dialog.GetDetails(), Filled()) << name;
    }
}

// A picker holds only a real day: a stored date that names none (a hand-edited file) shows as no
// date, and OK gives back none without counting it as a change.
TEST_F(ClosingDetailsDlgTest, ShowsAStoredDateThatNamesNoRealDayAsNoDate)
{
    const struct
    {
        const char* stored;
        const char* shown;
    } cases[] = {
        {"2026-03-15", "2026-03-15"},
        {"2024-02-29", "2024-02-29"},
        {"2000-02-29", "2000-02-29"},
        {"2026-12-31", "2026-12-31"},
        {"", "none"},
        {"2026-02-30", "none"},
        {"2025-02-29", "none"},
        {"1900-02-29", "none"},
        {"2026-04-31", "none"},
        {"2026-13-01", "none"},
        {"2026-00-10", "none"},
        {"2026-03-00", "none"},
        {"0000-01-01", "none"},
        {"2026-3-5", "none"},
        {"03/15/2026", "none"},
        {"2026-03-15 ", "none"},
        {"2026-03-1x", "none"},
        {"tomorrow", "none"},
    };
    for (const auto& c : cases)
    {
        ClosingDetails stored;
        stored.closingDate = c.stored;
        CClosingDetailsDlg dialog(stored, &m_owner);
        std::string shown;
        const INT_PTR result = Run(dialog, [&](HWND window) {
            shown = PickerDay(window);
            Click(window, IDOK);
        });
        EXPECT_EQ(shown, c.shown) << c.stored;
        EXPECT_EQ(result, IDOK) << c.stored;
        EXPECT_EQ(dialog.GetDetails().closingDate, shown == "none" ? "" : shown) << c.stored;
        EXPECT_FALSE(dialog.ClosingDateChanged()) << c.stored;
    }
}

TEST_F(ClosingDetailsDlgTest, TellsWhetherTheClosingDateChanged)
{
    constexpr int kLeft = -1; // the picker as it opened
    const struct
    {
        const char* given;
        int year, month, day; // 0: set to no date
        const char* back;
        bool changed;
    } cases[] = {
        {"2026-03-15", kLeft, 0, 0, "2026-03-15", false},
        {"2026-03-15", 2026, 3, 15, "2026-03-15", false},
        {"2026-03-15", 2026, 4, 1, "2026-04-01", true},
        {"2026-03-15", 0, 0, 0, "", true},
        {"", kLeft, 0, 0, "", false},
        {"", 0, 0, 0, "", false},
        {"", 2026, 4, 1, "2026-04-01", true},
        {"2026-02-30", 2026, 3, 2, "2026-03-02", true},
    };
    for (const auto& c : cases)
    {
        ClosingDetails given = Filled();
        given.closingDate = c.given;
        CClosingDetailsDlg dialog(given, &m_owner);
        const INT_PTR result = Run(dialog, [&](HWND window) {
            if (c.year != kLeft)
                SetPickerDay(window, c.year, c.month, c.day);
            Click(window, IDOK);
        });
        const std::string name = std::string(c.given) + " to " + c.back;
        EXPECT_EQ(result, IDOK) << name;
        EXPECT_EQ(dialog.GetDetails().closingDate, c.back) << name;
        EXPECT_EQ(dialog.ClosingDateChanged(), c.changed) << name;
    }
}

TEST_F(ClosingDetailsDlgTest, TabGoesTopToBottomThenRoundAgain)
{
    CClosingDetailsDlg dialog(Filled(), &m_owner);
    std::vector<int> visited;
    Run(dialog, [&](HWND window) {
        ::SetFocus(Item(window, IDC_DETAILS_LOAN_NUMBER));
        for (std::size_t step = 0; step < std::size(kTabOrder); ++step)
            visited.push_back(::GetDlgCtrlID(MoveFocus(VK_TAB)));
        Click(window, IDCANCEL);
    });
    std::vector<int> expected(std::begin(kTabOrder) + 1, std::end(kTabOrder));
    expected.push_back(IDC_DETAILS_LOAN_NUMBER);
    EXPECT_EQ(visited, expected);
}

// Alt and a label's underlined letter go to the box the label names.
TEST_F(ClosingDetailsDlgTest, EachLabelsLetterGoesToItsBox)
{
    const struct
    {
        char letter;
        int box;
    } cases[] = {
        {'l', IDC_DETAILS_LOAN_NUMBER},  {'b', IDC_DETAILS_BORROWERS},
        {'a', IDC_DETAILS_ADDRESS},      {'e', IDC_DETAILS_LENDER},
        {'c', IDC_DETAILS_CLOSING_DATE}, {'p', IDC_DETAILS_PRINCIPAL_AND_INTEREST},
    };
    CClosingDetailsDlg dialog(Filled(), &m_owner);
    Run(dialog, [&](HWND window) {
        for (const auto& c : cases)
        {
            ::SetFocus(Item(window, IDOK));
            // The character the system makes of the letter's key with Alt held.
            ::PostMessageA(Item(window, IDOK), WM_SYSCHAR, static_cast<WPARAM>(c.letter),
                           1 | (1 << 29));
            PumpUntil([&] { return ::GetFocus() != Item(window, IDOK); });
            EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), c.box) << c.letter;
        }
        Click(window, IDCANCEL);
    });
}

TEST_F(ClosingDetailsDlgTest, EnterInTheAddressStartsANewLineAndElsewhereIsOK)
{
    ClosingDetails given;
    given.propertyAddress = "12 Elm Street";
    CClosingDetailsDlg dialog(given, &m_owner);
    bool openAfterEnter = false;
    const INT_PTR result = Run(dialog, [&](HWND window) {
        HWND address = Item(window, IDC_DETAILS_ADDRESS);
        ::SetFocus(address);
        ::SendMessageW(address, EM_SETSEL, 13, 13);
        PostKey(address, VK_RETURN);
        PumpUntil([&] { return WideText(window, IDC_DETAILS_ADDRESS) != L"12 Elm Street"; });
        openAfterEnter = ::IsWindowVisible(window);
        for (char ch : std::string("Apt 4"))
            ::SendMessageW(address, WM_CHAR, static_cast<WPARAM>(ch), 1);
        HWND loanNumber = Item(window, IDC_DETAILS_LOAN_NUMBER);
        ::SetFocus(loanNumber);
        PostKey(loanNumber, VK_RETURN);
    });
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetDetails().propertyAddress, "12 Elm Street\nApt 4");
}
} // namespace

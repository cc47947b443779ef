// Every dialog of the program at the script's screen density, in a real window: each label shows
// its whole text with room to spare for a wider face, no control overlaps another or leaves the
// dialog, the dialog fits a screen of 1280 x 1024 up to 144 DPI, and the hot-tracking rings of
// every box lie on its border. One more dialog is one more row of kProgramDialogs.
#include "AppendixE.h"
#include "Density.h"
#include "ModalDriver.h"
#include "WorkingFolderTest.h"

#include "controls/HotEdit.h"
#include "core/files/SaveFailureMessage.h"
#include "core/statement/NamedLoan.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/ClosingDetailsDlg.h"
#include "dialogs/Disbursements.h"
#include "dialogs/SaveFailedDlg.h"
#include "dialogs/StatementDlg.h"
#include "dialogs/TallyvaneDlg.h"
#include "framework/Dpi.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{

// A dialog of the program, made as the program makes it.
struct ProgramDialog
{
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
};

void PrintTo(const ProgramDialog& dialog, std::ostream* os)
{
    *os << dialog.name;
}

const ProgramDialog kProgramDialogs[] = {
    {"form", [] { return std::make_unique<CTallyvaneDlg>(); }},
    // Item 5, whose caption is the longest of the schedules'.
    {"schedule", [] { return std::make_unique<CDisbursements>(nullptr, 5); }},
    {"about", [] { return std::make_unique<CAboutDlg>(); }},
    // Every field given, the address on three lines.
    {"details",
     [] {
         return std::make_unique<CClosingDetailsDlg>(
             ClosingDetails{"LN-2026-0042", u8"José Núñez and Zoë Ærø",
                            "221 Main Street\nApartment 4B\nSpringfield, IL 62701",
                            "First Federal Savings", "2026-03-15", "$1,182.10"});
     }},
    // The longest reason, for the form file where the installer puts the program for a user.
    {"save_failed",
     [] {
         return std::make_unique<CSaveFailedDlg>(SaveFailureMessage(
             FilePath(L"C:\\Users\\Ann\\AppData\\Local\\Programs\\Tallyvane\\current\\main.txt"),
             "main.txt", SaveFailure::ReadOnly));
     }},
    // Regulation X's Appendix E with a warning, for a closing with every detail, so that every
    // part of the window shows.
    {"statement",
     [] {
         EscrowInputs inputs = AppendixE::Inputs();
         inputs.firstPaymentMonth = "13";
         EscrowStatement named = BuildStatement(AppendixE::Schedules(), inputs, "2026");
         NameTheLoan(named,
                     ClosingDetails{"LN-2026-0042", u8"José Núñez and Zoë Ærø",
                                    "221 Main Street\nApartment 4B\nSpringfield, IL 62701",
                                    "First Federal Savings", "2026-03-15", "$1,182.10"},
                     {2026, 3, 10});
         auto statement = std::make_unique<CStatementDlg>(std::move(named));
         CStatementDlg::Suggestions suggestions{};
         suggestions[3] = SuggestedReserve{8, "100.00"};
         statement->OfferSuggestions(suggestions, [] { return EscrowStatement{}; });
         return statement;
     }},
};

// Each dialog over an empty working folder of its own.
class DialogAtDensity : public WorkingFolderTest,
                        public ::testing::WithParamInterface<ProgramDialog>
{
protected:
    void SetUp() override
    {
        WorkingFolderTest::SetUp();
        ASSERT_NE(ScriptDpi(), 0u)
            << "TALLYVANE_DPI is not set: run these tests through their script";
    }

    // Shows the dialog at the script's DPI, runs the checks on it and ends it as it stands. A
    // dialog without WS_VISIBLE is shown by its loop once the loop is idle, after the steps have
    // started: it is shown here as the loop would.
    void Show(const std::function<void(HWND)>& checks)
    {
        const std::unique_ptr<CDialog> dialog = GetParam().make();
        const INT_PTR result = RunModal(*dialog, [&] {
            ::ShowWindow(dialog->m_hWnd, SW_SHOW);
            ::UpdateWindow(dialog->m_hWnd);
            EXPECT_TRUE(::IsWindowVisible(dialog->m_hWnd));
            EXPECT_EQ(WindowDpi(dialog->m_hWnd), ScriptDpi());
            checks(dialog->m_hWnd);
            dialog->EndDialog(IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL) << "the dialog did not run";
    }
};

std::vector<HWND> VisibleChildren(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsWindowVisible(child))
            children.push_back(child);
    return children;
}

bool IsTextLabel(HWND window)
{
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0)
        return false;
    switch (::GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK)
    {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        return true;
    default:
        return false;
    }
}

bool IsGroupBox(HWND window)
{
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, "Button") == 0 &&
           (::GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The label's text as it shows: an ampersand marks the next letter unless SS_NOPREFIX, and two
// make one.
std::wstring ShownText(HWND label)
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(label)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextW(label, &text[0], static_cast<int>(text.size()))));
    if (::GetWindowLongA(label, GWL_STYLE) & SS_NOPREFIX)
        return text;
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

RECT RectInDialog(HWND dialog, HWND child)
{
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Contains(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Measured with the label's own font: a label of one line holds its text's width and a tenth
// more; a label of more lines holds its text wrapped to all but a tenth of its width.
TEST_P(DialogAtDensity, EveryLabelShowsItsWholeText)
{
    Show([](HWND dialog) {
        for (HWND label : VisibleChildren(dialog))
        {
            const std::wstring text = ShownText(label);
            if (!IsTextLabel(label) || text.empty())
                continue;
            RECT box;
            ::GetClientRect(label, &box);
            const HDC dc = ::GetDC(label);
            const HGDIOBJ oldFont = ::SelectObject(
                dc, reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0)));
            TEXTMETRICW metrics{};
            ::GetTextMetricsW(dc, &metrics);
            const int room = box.right * 10 / 11;
            SIZE needed{};
            if (box.bottom < 2 * metrics.tmHeight)
            {
                ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &needed);
                needed.cy = metrics.tmHeight;
            }
            else
            {
                // The shown text has its ampersands dealt with already.
                const bool breaksWords = ::GetWindowLongA(label, GWL_STYLE) & SS_EDITCONTROL;
                RECT wrapped{0, 0, room, 0};
                ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &wrapped,
                            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX |
                                (breaksWords ? DT_EDITCONTROL : 0));
                needed = {wrapped.right, wrapped.bottom};
            }
            ::SelectObject(dc, oldFont);
            ::ReleaseDC(label, dc);
            EXPECT_LE(needed.cx, room)
                << ControlName(label) << ": " << needed.cx << " pixels wide in a box of "
                << box.right << "; it wants " << DialogUnitsAcross(dialog, needed.cx * 11 / 10 + 1)
                << " dialog units";
            EXPECT_LE(needed.cy, box.bottom) << ControlName(label) << ": " << needed.cy
                                             << " pixels high in a box of " << box.bottom;
        }
    });
}

// The caption, in the caption font of the script's DPI, holds its text and a tenth more between the
// frame, the small icon (a dialog with a modal frame shows none) and the caption's buttons.
TEST_P(DialogAtDensity, TheCaptionShowsItsWholeText)
{
    // Wine has "MS Sans Serif" only up to 20 px, so at 192 DPI a dialog keeps its size at 144 while
    // the caption's font still grows.
    if (ScriptDpi() > 144)
        GTEST_SKIP() << "the dialog's size at " << ScriptDpi() << " DPI is that at 144 DPI";
    Show([](HWND dialog) {
        const DWORD style = ::GetWindowLongA(dialog, GWL_STYLE);
        const DWORD exStyle = ::GetWindowLongA(dialog, GWL_EXSTYLE);
        RECT window;
        RECT client;
        ::GetWindowRect(dialog, &window);
        ::GetClientRect(dialog, &client);
        // A minimize or a maximize box brings the other, disabled.
        const int buttons =
            (style & WS_SYSMENU) ? 1 + ((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) ? 2 : 0) : 0;
        const bool icon = (style & WS_SYSMENU) && !(exStyle & WS_EX_DLGMODALFRAME);
        const int width = client.right - buttons * ::GetSystemMetrics(SM_CXSIZE) -
                          (icon ? ::GetSystemMetrics(SM_CXSMICON) + 2 : 0);
        const int room = width * 10 / 11;

        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
        const HFONT font = ::CreateFontIndirectW(&metrics.lfCaptionFont);
        std::wstring caption(static_cast<size_t>(::GetWindowTextLengthW(dialog)) + 1, L'\0');
        caption.resize(static_cast<size_t>(
            ::GetWindowTextW(dialog, &caption[0], static_cast<int>(caption.size()))));
        const HDC dc = ::GetDC(dialog);
        const HGDIOBJ oldFont = ::SelectObject(dc, font);
        SIZE needed{};
        ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &needed);
        ::SelectObject(dc, oldFont);
        ::ReleaseDC(dialog, dc);
        ::DeleteObject(font);
        EXPECT_LE(needed.cx, room)
            << "the caption is " << needed.cx << " pixels wide in a caption of " << width
            << "; it wants "
            << DialogUnitsAcross(dialog,
                                 (needed.cx * 11 / 10 + 1) + (window.right - window.left) - width)
            << " dialog units across the whole window";
    });
}

// A group box may hold other controls, and the form's group boxes share the sides of its columns.
TEST_P(DialogAtDensity, NoControlOverlapsAnotherOrLeavesTheDialog)
{
    Show([](HWND dialog) {
        RECT client;
        ::GetClientRect(dialog, &client);
        const std::vector<HWND> children = VisibleChildren(dialog);
        for (size_t i = 0; i < children.size(); ++i)
        {
            const RECT a = RectInDialog(dialog, children[i]);
            EXPECT_TRUE(Contains(client, a)) << ControlName(children[i]) << " leaves the dialog";
            for (size_t j = i + 1; j < children.size(); ++j)
            {
                const RECT b = RectInDialog(dialog, children[j]);
                RECT common;
                if (!::IntersectRect(&common, &a, &b))
                    continue;
                const bool groupA = IsGroupBox(children[i]);
                const bool groupB = IsGroupBox(children[j]);
                if ((groupA && groupB) || (groupA && Contains(a, b)) || (groupB && Contains(b, a)))
                    continue;
                ADD_FAILURE() << ControlName(children[i]) << " overlaps "
                              << ControlName(children[j]);
            }
        }
    });
}

TEST_P(DialogAtDensity, FitsAScreenOf1280By1024UpTo144Dpi)
{
    if (ScriptDpi() > 144)
        GTEST_SKIP() << "the dialog's size at " << ScriptDpi() << " DPI is not bounded";
    Show([](HWND dialog) {
        RECT window;
        ::GetWindowRect(dialog, &window);
        EXPECT_LE(window.right - window.left, 1280);
        EXPECT_LE(window.bottom - window.top, 1024);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        ::GetMonitorInfoA(::MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
        EXPECT_TRUE(Contains(monitor.rcWork, window)) << "the dialog is not wholly on the screen";
    });
}

// Focused, a client-edge box shows the sunken ring and the red ring inside it on the two pixels of
// its border, and nothing of either inside; unfocused, both rings take the face colour.
TEST_P(DialogAtDensity, HotRingsLieOnTheBorderOfEveryBox)
{
    constexpr COLORREF kHot = RGB(125, 0, 0);
    Show([&](HWND dialog) {
        MoveCursorAway();
        for (HWND box : VisibleChildren(dialog))
        {
            if (!dynamic_cast<CHotEdit*>(CWnd::FromAttached(box)))
                continue;
            RECT window, client;
            ::GetWindowRect(box, &window);
            ::GetClientRect(box, &client);
            POINT origin{0, 0};
            ::ClientToScreen(box, &origin);
            const int w = window.right - window.left;
            const int h = window.bottom - window.top;
            ASSERT_EQ(origin.x - window.left, 2) << ControlName(box) << ": the border's width";
            ASSERT_EQ(w - client.right, 4) << ControlName(box);
            ASSERT_EQ(h - client.bottom, 4) << ControlName(box);

            ::SetFocus(box);
            PumpPending();
            const struct
            {
                int ring;
                COLORREF topLeft;
                COLORREF bottomRight;
            } hot[] = {{0, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT)},
                       {1, kHot, kHot}};
            for (const auto& r : hot)
            {
                EXPECT_EQ(WindowPixel(box, r.ring, r.ring), r.topLeft) << ControlName(box);
                EXPECT_EQ(WindowPixel(box, w - 2 - r.ring, r.ring), r.topLeft) << ControlName(box);
                EXPECT_EQ(WindowPixel(box, w - 1 - r.ring, h - 1 - r.ring), r.bottomRight)
                    << ControlName(box);
                EXPECT_EQ(WindowPixel(box, r.ring, h - 1 - r.ring), r.bottomRight)
                    << ControlName(box);
            }
            EXPECT_NE(WindowPixel(box, 2, 2), kHot) << ControlName(box) << ": inside the rings";

            ::SetFocus(nullptr);
            PumpPending();
            const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
            for (int ring : {0, 1})
            {
                EXPECT_EQ(WindowPixel(box, ring, ring), face) << ControlName(box);
                EXPECT_EQ(WindowPixel(box, w - 1 - ring, h - 1 - ring), face) << ControlName(box);
            }
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Program, DialogAtDensity, ::testing::ValuesIn(kProgramDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

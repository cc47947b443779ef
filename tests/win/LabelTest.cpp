// The label in real windows: its font and colours chosen in the reflected control-colour handler,
// bold at once, the blink, the link click through the shell seam and the hover cursor.
#include "ModalDriver.h"
#include "TestDialog.h"

#include "controls/Label.h"
#include "framework/ShellOpen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_opened;

void RecordOpen(const char* target)
{
    g_opened.emplace_back(target);
}

COLORREF BrushColour(HBRUSH brush)
{
    LOGBRUSH description{};
    ::GetObjectA(brush, sizeof description, &description);
    return description.lbColor;
}

// Two labels in a running dialog: "Heading" without SS_NOTIFY, "notes.txt" with it. What the
// shell would open is recorded instead of opened.
class LabelInDialog : public ::testing::Test
{
protected:
    TestDialog dialog;
    CLabel heading;
    CLabel link;
    HDC memoryDC = nullptr;

    void SetUp() override
    {
        dialog.m_controls = {{IDC_LABEL, &heading}, {IDC_LABEL_LINK, &link}};
        g_opened.clear();
        g_pfnShellOpen = RecordOpen;
    }
    void TearDown() override { ::DeleteDC(memoryDC); }

    void Run(const std::function<void()>& steps)
    {
        RunModal(dialog, [&] {
            MoveCursorAway();
            PumpPending();
            steps();
            dialog.EndDialog(IDOK);
        });
    }

    // Asks the dialog for a control's colours as the control would, on a fresh memory DC.
    HBRUSH AskColours(UINT message, const CLabel& label)
    {
        ::DeleteDC(memoryDC);
        memoryDC = ::CreateCompatibleDC(nullptr);
        return reinterpret_cast<HBRUSH>(::SendMessageA(dialog.m_hWnd, message,
                                                       reinterpret_cast<WPARAM>(memoryDC),
                                                       reinterpret_cast<LPARAM>(label.m_hWnd)));
    }

    LOGFONTA SelectedFont() const
    {
        LOGFONTA font{};
        ::GetObjectA(::GetCurrentObject(memoryDC, OBJ_FONT), sizeof font, &font);
        return font;
    }

    std::string Text(const CLabel& label) const
    {
        CString text;
        label.GetWindowText(text);
        return text.str();
    }
};

// How many pixels of the window are darker than mid grey: the ink of its text.
int InkPixels(HWND window)
{
    RECT rect;
    ::GetWindowRect(window, &rect);
    HDC dc = ::GetWindowDC(window);
    int ink = 0;
    for (int y = 0; y < rect.bottom - rect.top; ++y)
        for (int x = 0; x < rect.right - rect.left; ++x)
            if (GetRValue(::GetPixel(dc, x, y)) < 128)
                ++ink;
    ::ReleaseDC(window, dc);
    return ink;
}

TEST_F(LabelInDialog, BoldIsRepaintedAtOnce)
{
    Run([&] {
        heading.SetBold(FALSE);
        const int normalInk = InkPixels(heading.m_hWnd);
        heading.SetBold(TRUE);
        EXPECT_FALSE(::GetUpdateRect(heading.m_hWnd, nullptr, FALSE));
        EXPECT_GT(InkPixels(heading.m_hWnd), normalInk);

        struct
        {
            BOOL argument;
            LONG weight;
        } const cases[] = {{TRUE, FW_BOLD}, {FALSE, FW_NORMAL}, {7, FW_BOLD}, {-1, FW_BOLD}};
        for (const auto& c : cases)
        {
            heading.SetBold(c.argument);
            AskColours(WM_CTLCOLORSTATIC, heading);
            EXPECT_EQ(SelectedFont().lfWeight, c.weight) << c.argument;
        }
    });
}

TEST_F(LabelInDialog, ColoursOnlyForStaticCodesAndTheBrushOfTheBlinkPhase)
{
    Run([&] {
        const COLORREF back = RGB(1, 2, 3);
        heading.SetBackColor(back);

        const HBRUSH brush = AskColours(WM_CTLCOLORSTATIC, heading);
        EXPECT_EQ(BrushColour(brush), back);
        EXPECT_EQ(::GetTextColor(memoryDC), ::GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_EQ(::GetBkMode(memoryDC), TRANSPARENT);
        LOGFONTA stock{};
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
        EXPECT_STREQ(SelectedFont().lfFaceName, stock.lfFaceName);

        // Another colour code: the device context is left as it was, a brush still comes back.
        const HBRUSH other = AskColours(WM_CTLCOLOREDIT, heading);
        EXPECT_EQ(other, brush);
        EXPECT_EQ(::GetTextColor(memoryDC), RGB(0, 0, 0));
        EXPECT_EQ(::GetBkMode(memoryDC), OPAQUE);
        EXPECT_EQ(::GetCurrentObject(memoryDC, OBJ_FONT), ::GetStockObject(SYSTEM_FONT));

        // Background blink: the face brush exactly in the phase that starts it.
        const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        heading.BlinkBackground(TRUE);
        EXPECT_EQ(BrushColour(AskColours(WM_CTLCOLORSTATIC, heading)), face);
        ::SendMessageA(heading.m_hWnd, WM_TIMER, 1, 0);
        EXPECT_EQ(BrushColour(AskColours(WM_CTLCOLORSTATIC, heading)), back);
        ::SendMessageA(heading.m_hWnd, WM_TIMER, 1, 0);
        EXPECT_EQ(BrushColour(AskColours(WM_CTLCOLORSTATIC, heading)), face);
        heading.BlinkBackground(FALSE);
        EXPECT_EQ(BrushColour(AskColours(WM_CTLCOLORSTATIC, heading)), face);
    });
}

TEST_F(LabelInDialog, TextBlinkHidesAndRestoresTheText)
{
    Run([&] {
        heading.BlinkText(TRUE);
        EXPECT_EQ(Text(heading), "Heading");
        // The real timer runs.
        ASSERT_TRUE(PumpUntil([&] { return Text(heading).empty(); }));
        ::SendMessageA(heading.m_hWnd, WM_TIMER, 1, 0);
        EXPECT_EQ(Text(heading), "Heading");
        ::SendMessageA(heading.m_hWnd, WM_TIMER, 1, 0);
        EXPECT_EQ(Text(heading), "");
        heading.BlinkText(FALSE);
        EXPECT_EQ(Text(heading), "Heading");
    });
}

TEST_F(LabelInDialog, FaceNameKeepsAtMostThirtyOneCharacters)
{
    const std::string longest(LF_FACESIZE - 1, 'a');
    struct
    {
        std::string name;
        std::string kept;
    } const cases[] = {
        {"Arial", "Arial"},
        {longest, longest},
        {longest + "bcdefgh", longest},
    };
    Run([&] {
        for (const auto& c : cases)
        {
            heading.SetFaceName(c.name);
            AskColours(WM_CTLCOLORSTATIC, heading);
            EXPECT_EQ(std::string(SelectedFont().lfFaceName), c.kept) << c.name;
        }
    });
}

// Presses and releases the left button over the window with the real cursor. The press carries
// the window's centre itself: a press without a place lands wherever the pointer is, and under
// load the pointer may not have reached the window yet.
void ClickOn(HWND window)
{
    MoveCursorOnto(window);
    RECT rect;
    ::GetWindowRect(window, &rect);
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    INPUT input[2] = {};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dx = static_cast<LONG>(x * 65536LL / ::GetSystemMetrics(SM_CXSCREEN));
    input[0].mi.dy = static_cast<LONG>(y * 65536LL / ::GetSystemMetrics(SM_CYSCREEN));
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    input[1].type = INPUT_MOUSE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, input, sizeof(INPUT));
}

TEST_F(LabelInDialog, ClickOpensTheTextOnlyWithNotify)
{
    Run([&] {
        // Without SS_NOTIFY the press goes to the dialog beneath.
        ClickOn(heading.m_hWnd);
        ASSERT_TRUE(PumpUntil([&] { return dialog.m_nDialogClicks == 1; }));
        EXPECT_TRUE(g_opened.empty());

        ClickOn(link.m_hWnd);
        ASSERT_TRUE(PumpUntil([&] { return g_opened.size() == 1; }));
        EXPECT_EQ(g_opened[0], "notes.txt");

        heading.EnableLink(TRUE);
        ClickOn(heading.m_hWnd);
        ASSERT_TRUE(PumpUntil([&] { return g_opened.size() == 2; }));
        EXPECT_EQ(g_opened[1], "Heading");
        EXPECT_EQ(dialog.m_nDialogClicks, 1);

        heading.EnableLink(FALSE);
        ClickOn(heading.m_hWnd);
        ASSERT_TRUE(PumpUntil([&] { return dialog.m_nDialogClicks == 2; }));
        EXPECT_EQ(g_opened.size(), 2u);
    });
}

TEST_F(LabelInDialog, HoverCursorOverALinkElseTheDefault)
{
    const HCURSOR hand = ::LoadCursorA(nullptr, IDC_HAND);
    const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    Run([&] {
        link.SetHoverCursor(hand);
        heading.EnableLink(TRUE);
        MoveCursorOnto(link.m_hWnd);
        ASSERT_TRUE(PumpUntil([&] { return ::GetCursor() == hand; }));
        MoveCursorOnto(heading.m_hWnd);
        EXPECT_TRUE(PumpUntil([&] { return ::GetCursor() == arrow; }));
    });
}
} // namespace

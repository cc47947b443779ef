// The hot-tracking edit box in real windows: its rings read back pixel by pixel, the hover by
// the real cursor, the focus, the disabled state and a change of the system colours.
#include "ModalDriver.h"
#include "TestDialog.h"

#include "controls/HotEdit.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr COLORREF kHot = RGB(125, 0, 0);

// A hot-tracking edit that records every border painting and every mouse move it is given.
class ObservedHotEdit : public CHotEdit
{
public:
    std::vector<bool> m_paints; // the `hot` argument of each painting
    int m_nMouseMoves = 0;
    int m_nTimerTicks = 0;

    bool LastPaintWas(bool hot) const { return !m_paints.empty() && m_paints.back() == hot; }

protected:
    void PaintBorder(bool hot) override
    {
        m_paints.push_back(hot);
        CHotEdit::PaintBorder(hot);
    }
    void OnMouseMove(UINT flags, CPoint point)
    {
        ++m_nMouseMoves;
        CHotEdit::OnMouseMove(flags, point);
    }
    void OnTimer(UINT_PTR id)
    {
        CHotEdit::OnTimer(id);
        ++m_nTimerTicks;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ObservedHotEdit, CHotEdit)
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
END_MESSAGE_MAP()

COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

// The colour of ring `ring` (0 outermost) at the top-left and bottom-right corners.
struct Ring
{
    COLORREF topLeft;
    COLORREF bottomRight;
};

struct RingCase
{
    const char* name;
    int id;
    std::vector<Ring> hot; // outermost first; the flat border has as many rings, all face
};

void PrintTo(const RingCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<RingCase> RingCases()
{
    const Ring red{kHot, kHot};
    const Ring sunken{Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT)};
    const Ring raised{Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW)};
    const Ring outer{Sys(COLOR_3DLIGHT), Sys(COLOR_3DDKSHADOW)};
    return {
        {"client_edge", IDC_EDIT_CLIENTEDGE, {sunken, red}},
        {"modal_frame", IDC_EDIT_MODALFRAME, {outer, raised, red}},
        {"modal_frame_and_static_edge", IDC_EDIT_MODAL_STATIC, {outer, raised, red}},
        {"static_edge", IDC_EDIT_STATICEDGE, {red}},
        {"no_border", IDC_EDIT_PLAIN, {}},
    };
}

// Checks the rings at the four corners of each ring, and that the pixel inside the last ring
// is not painted by the border.
void ExpectRings(HWND edit, const std::vector<Ring>& rings, const char* what)
{
    RECT rect;
    ::GetWindowRect(edit, &rect);
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    int i = 0;
    for (const Ring& ring : rings)
    {
        EXPECT_EQ(WindowPixel(edit, i, i), ring.topLeft) << what << " ring " << i;
        EXPECT_EQ(WindowPixel(edit, w - 2 - i, i), ring.topLeft) << what << " ring " << i;
        EXPECT_EQ(WindowPixel(edit, i, h - 2 - i), ring.topLeft) << what << " ring " << i;
        EXPECT_EQ(WindowPixel(edit, w - 1 - i, i), ring.bottomRight) << what << " ring " << i;
        EXPECT_EQ(WindowPixel(edit, i, h - 1 - i), ring.bottomRight) << what << " ring " << i;
        EXPECT_EQ(WindowPixel(edit, w - 1 - i, h - 1 - i), ring.bottomRight)
            << what << " ring " << i;
        ++i;
    }
    EXPECT_NE(WindowPixel(edit, i, i), kHot) << what << " inside the rings";
}

std::vector<Ring> Flat(size_t count)
{
    return std::vector<Ring>(count, Ring{Sys(COLOR_BTNFACE), Sys(COLOR_BTNFACE)});
}

class HotEditRings : public ::testing::TestWithParam<RingCase>
{
};

TEST_P(HotEditRings, FollowTheExtendedStyle)
{
    const RingCase& c = GetParam();
    TestDialog dialog;
    ObservedHotEdit edit;
    dialog.m_controls = {{c.id, &edit}};
    RunModal(dialog, [&] {
        MoveCursorAway();
        ::SetFocus(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON));
        PumpPending();
        ::SetFocus(edit.m_hWnd);
        PumpPending();
        ExpectRings(edit.m_hWnd, c.hot, "hot");
        ::SetFocus(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON));
        PumpPending();
        ExpectRings(edit.m_hWnd, Flat(c.hot.size()), "flat");
        dialog.EndDialog(IDOK);
    });
}

INSTANTIATE_TEST_SUITE_P(HotEdit, HotEditRings, ::testing::ValuesIn(RingCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A client-edge box (the program's fields) in a running dialog, focus parked on the button.
class HotEditField : public ::testing::Test
{
protected:
    TestDialog dialog;
    ObservedHotEdit edit;

    void SetUp() override { dialog.m_controls = {{IDC_EDIT_CLIENTEDGE, &edit}}; }

    void Run(const std::function<void()>& steps)
    {
        RunModal(dialog, [&] {
            MoveCursorAway();
            ::SetFocus(::GetDlgItem(dialog.m_hWnd, IDC_BUTTON));
            PumpPending();
            edit.m_paints.clear();
            steps();
            dialog.EndDialog(IDOK);
        });
    }

    bool ShowsHot() const
    {
        return WindowPixel(edit.m_hWnd, 1, 1) == kHot &&
               WindowPixel(edit.m_hWnd, 0, 0) == Sys(COLOR_BTNSHADOW);
    }
    bool ShowsFlat() const
    {
        return WindowPixel(edit.m_hWnd, 1, 1) == Sys(COLOR_BTNFACE) &&
               WindowPixel(edit.m_hWnd, 0, 0) == Sys(COLOR_BTNFACE);
    }
};

TEST_F(HotEditField, HoverFollowsTheRealCursor)
{
    Run([&] {
        MoveCursorOnto(edit.m_hWnd);
        ASSERT_TRUE(PumpUntil([&] { return edit.LastPaintWas(true); }));
        EXPECT_TRUE(ShowsHot());
        // Further moves over the field repaint nothing.
        const size_t paints = edit.m_paints.size();
        const int moves = edit.m_nMouseMoves;
        RECT rect;
        ::GetWindowRect(edit.m_hWnd, &rect);
        ::SetCursorPos(rect.left + 5, rect.top + 5);
        ASSERT_TRUE(PumpUntil([&] { return edit.m_nMouseMoves > moves; }));
        EXPECT_EQ(edit.m_paints.size(), paints);

        MoveCursorAway();
        ASSERT_TRUE(PumpUntil([&] { return edit.LastPaintWas(false); }));
        EXPECT_TRUE(ShowsFlat());
    });
}

TEST_F(HotEditField, NonClientMoveStartsTheHoverEvenWithFocus)
{
    Run([&] {
        ::SetFocus(edit.m_hWnd);
        edit.m_paints.clear();
        MoveCursorOnto(edit.m_hWnd);
        ::SendMessageA(edit.m_hWnd, WM_NCMOUSEMOVE, HTBORDER, 0);
        ASSERT_EQ(edit.m_paints, std::vector<bool>{true});
        ::SendMessageA(edit.m_hWnd, WM_NCMOUSEMOVE, HTBORDER, 0);
        EXPECT_EQ(edit.m_paints.size(), 1u) << "the hover timer runs already";

        // With the focus, the end of the hover paints nothing.
        MoveCursorAway();
        const int ticks = edit.m_nTimerTicks;
        ASSERT_TRUE(PumpUntil([&] { return edit.m_nTimerTicks > ticks; }));
        PumpPending();
        EXPECT_EQ(edit.m_paints.size(), 1u);
        EXPECT_TRUE(ShowsHot());
    });
}

TEST_F(HotEditField, FocusPaintsHotAndTabbingOutFlatUnderTheResting)
{
    Run([&] {
        // The cursor comes to rest on the field: hover starts.
        MoveCursorOnto(edit.m_hWnd);
        ASSERT_TRUE(PumpUntil([&] { return edit.LastPaintWas(true); }));
        ::SetFocus(edit.m_hWnd);
        EXPECT_TRUE(edit.LastPaintWas(true));
        EXPECT_TRUE(ShowsHot());

        // Tab out while the cursor rests on the field: flat at once.
        ::PostMessageA(edit.m_hWnd, WM_KEYDOWN, VK_TAB, 1);
        ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() != edit.m_hWnd; }));
        PumpPending();
        EXPECT_TRUE(edit.LastPaintWas(false));
        EXPECT_TRUE(ShowsFlat());

        // Moving within the field keeps it flat while the hover timer still runs.
        const size_t paints = edit.m_paints.size();
        const int moves = edit.m_nMouseMoves;
        RECT rect;
        ::GetWindowRect(edit.m_hWnd, &rect);
        ::SetCursorPos(rect.left + 6, rect.top + 6);
        ASSERT_TRUE(PumpUntil([&] { return edit.m_nMouseMoves > moves; }));
        EXPECT_EQ(edit.m_paints.size(), paints);
        EXPECT_TRUE(ShowsFlat());

        // Leaving ends the hover (no focus: flat again); coming back makes it hot.
        MoveCursorAway();
        ASSERT_TRUE(PumpUntil([&] { return edit.m_paints.size() > paints; }));
        EXPECT_TRUE(edit.LastPaintWas(false));
        MoveCursorOnto(edit.m_hWnd);
        ASSERT_TRUE(PumpUntil([&] { return edit.LastPaintWas(true); }));
        EXPECT_TRUE(ShowsHot());
        MoveCursorAway();
        ASSERT_TRUE(PumpUntil([&] { return edit.LastPaintWas(false); }));
    });
}

TEST_F(HotEditField, FocusedFieldStaysHotWhenTheCursorLeaves)
{
    Run([&] {
        MoveCursorOnto(edit.m_hWnd);
        ASSERT_TRUE(PumpUntil([&] { return edit.LastPaintWas(true); }));
        ::SetFocus(edit.m_hWnd);
        const size_t paints = edit.m_paints.size();
        MoveCursorAway();
        const int ticks = edit.m_nTimerTicks;
        ASSERT_TRUE(PumpUntil([&] { return edit.m_nTimerTicks > ticks; }));
        PumpPending();
        EXPECT_EQ(edit.m_paints.size(), paints);
        EXPECT_TRUE(ShowsHot());
        // A repaint keeps the focused field hot.
        ::RedrawWindow(edit.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_TRUE(edit.LastPaintWas(true));
        EXPECT_TRUE(ShowsHot());
    });
}

TEST_F(HotEditField, DisabledFieldIsAlwaysHot)
{
    Run([&] {
        ::EnableWindow(edit.m_hWnd, FALSE);
        ::RedrawWindow(edit.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        EXPECT_TRUE(edit.LastPaintWas(false)) << "painted without focus";
        EXPECT_TRUE(ShowsHot());
    });
}

// Puts the system's colours back however the test ends.
class SystemColours
{
public:
    SystemColours() : m_face(::GetSysColor(COLOR_BTNFACE)), m_shadow(::GetSysColor(COLOR_BTNSHADOW))
    {
    }
    ~SystemColours() { Set(m_face, m_shadow); }
    static void Set(COLORREF face, COLORREF shadow)
    {
        const INT elements[] = {COLOR_BTNFACE, COLOR_BTNSHADOW};
        const COLORREF colours[] = {face, shadow};
        ::SetSysColors(2, elements, colours);
    }

private:
    COLORREF m_face;
    COLORREF m_shadow;
};

TEST_F(HotEditField, SystemColourChangeShowsAtTheNextPainting)
{
    SystemColours restore;
    const COLORREF face = RGB(10, 200, 30);
    const COLORREF shadow = RGB(40, 50, 220);
    Run([&] {
        // The change reaches the field through its dialog before the system repaints.
        SystemColours::Set(face, shadow);
        PumpPending();
        EXPECT_EQ(WindowPixel(edit.m_hWnd, 0, 0), face);
        EXPECT_EQ(WindowPixel(edit.m_hWnd, 1, 1), face);

        // The field itself repaints nothing when told of a change.
        const size_t paints = edit.m_paints.size();
        ::SendMessageA(dialog.m_hWnd, WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(edit.m_paints.size(), paints);

        ::SetFocus(edit.m_hWnd);
        EXPECT_EQ(WindowPixel(edit.m_hWnd, 0, 0), shadow);
        EXPECT_EQ(WindowPixel(edit.m_hWnd, 1, 1), kHot);
    });
}
} // namespace

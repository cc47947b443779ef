// The dialog framework in real windows: how a modal dialog ends, message-map dispatch through
// the class chain, rows for a run of ids and for notifications, reflection of control colours, the
// data exchange, and the driver that runs the steps of a test inside a dialog's loop.
#include "ModalDriver.h"
#include "TestDialog.h"

#include "controls/HotEdit.h"
#include "framework/Controls.h"
#include "framework/WinApp.h"

#include <commctrl.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace
{
HWND Item(const CDialog& dialog, int id)
{
    return ::GetDlgItem(dialog.m_hWnd, id);
}

void PostKey(HWND window, WPARAM key)
{
    ::PostMessageA(window, WM_KEYDOWN, key, 1);
    ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

struct EndCase
{
    const char* name;
    void (*end)(HWND dialog);
    INT_PTR result;
    bool closeHandlerRan;
    bool checkTaken; // OnOK took the check box into the member
};

const EndCase kEndCases[] = {
    {"ok command", [](HWND d) { ::PostMessageA(d, WM_COMMAND, IDOK, 0); }, IDOK, false, true},
    {"cancel command", [](HWND d) { ::PostMessageA(d, WM_COMMAND, IDCANCEL, 0); }, IDCANCEL, false,
     false},
    {"escape", [](HWND d) { PostKey(::GetDlgItem(d, IDC_EDIT_CLIENTEDGE), VK_ESCAPE); }, IDCANCEL,
     false, false},
    {"enter without a default button",
     [](HWND d) { PostKey(::GetDlgItem(d, IDC_EDIT_CLIENTEDGE), VK_RETURN); }, IDOK, false, true},
    {"close box", [](HWND d) { ::PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL, true,
     false},
};

void PrintTo(const EndCase& c, std::ostream* os)
{
    *os << c.name;
}

class DialogEnds : public ::testing::TestWithParam<EndCase>
{
};

TEST_P(DialogEnds, WithTheResultOfItsWayOut)
{
    const EndCase& c = GetParam();
    TestDialog dialog;
    const INT_PTR result = RunModal(dialog, [&] {
        ::SetFocus(Item(dialog, IDC_EDIT_CLIENTEDGE));
        ::SendMessageA(Item(dialog, IDC_CHECK), BM_SETCHECK, BST_CHECKED, 0);
        c.end(dialog.m_hWnd);
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(dialog.m_nCloses, c.closeHandlerRan ? 1 : 0);
    EXPECT_EQ(dialog.m_nCheck, c.checkTaken ? 1 : 0);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Framework, DialogEnds, ::testing::ValuesIn(kEndCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (ch == ' ')
                                     ch = '_';
                             return name;
                         });

TEST(Dialog, WithoutItsTemplateReturnsMinusOne)
{
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
}

// The application object of a test: the program's own runs everything in InitInstance.
class TestApp : public CWinApp
{
public:
    BOOL InitInstance() override { return FALSE; }
};

TEST(Dialog, WithoutParentIsOwnedByTheMainWindow)
{
    TestApp app;
    TestDialog form;
    app.m_pMainWnd = &form;
    HWND owner = nullptr;
    BOOL formEnabled = TRUE;
    INT_PTR inner = 0;
    RunModal(form, [&] {
        TestDialog schedule;
        inner = RunModal(schedule, [&] {
            owner = ::GetWindow(schedule.m_hWnd, GW_OWNER);
            formEnabled = ::IsWindowEnabled(form.m_hWnd);
            schedule.EndDialog(IDCANCEL);
        });
        EXPECT_TRUE(::IsWindowEnabled(form.m_hWnd)) << "enabled again after the nested dialog";
        EXPECT_EQ(owner, form.m_hWnd);
        form.EndDialog(IDOK);
    });
    EXPECT_EQ(inner, IDCANCEL);
    EXPECT_FALSE(formEnabled) << "the form takes no input while the nested dialog runs";
}

// A class below the test dialog: its own rows come first, the base's rows still apply.
class DerivedDialog : public TestDialog
{
public:
    int m_nOwnKillFocus = 0;
    UINT m_nSysCommand = 0;
    LPARAM m_lSysCommandParam = 0;
    HCURSOR m_hDragIcon = ::LoadCursorA(nullptr, IDC_CROSS);

protected:
    void OnKillFocusOwn() { ++m_nOwnKillFocus; }
    void OnSysCommand(UINT id, LPARAM lParam)
    {
        m_nSysCommand = id;
        m_lSysCommandParam = lParam;
        TestDialog::OnSysCommand(id, lParam);
    }
    HCURSOR OnQueryDragIcon() { return m_hDragIcon; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedDialog, TestDialog)
ON_EN_KILLFOCUS(IDC_EDIT_CLIENTEDGE, OnKillFocusOwn)
ON_WM_SYSCOMMAND()
ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

TEST(MessageMap, DispatchesThroughTheClassChain)
{
    DerivedDialog dialog;
    const INT_PTR result = RunModal(dialog, [&] {
        // The derived row for the kill-focus notification wins over the base's.
        ::SetFocus(Item(dialog, IDC_EDIT_CLIENTEDGE));
        ::SetFocus(Item(dialog, IDC_BUTTON));
        // A click notification only the base maps.
        ::SendMessageA(Item(dialog, IDC_BUTTON), BM_CLICK, 0, 0);
        // Another control's notification has no row and changes nothing.
        ::SetFocus(Item(dialog, IDC_EDIT_PLAIN));
        ::SetFocus(Item(dialog, IDC_BUTTON));
        // Unmapped messages get the window's own handling.
        ::SetWindowTextA(dialog.m_hWnd, "Renamed");
        char caption[32] = {};
        ::GetWindowTextA(dialog.m_hWnd, caption, sizeof caption);
        EXPECT_STREQ(caption, "Renamed");
        // Handlers get the message's parameters decoded.
        ::SendMessageA(dialog.m_hWnd, WM_SYSCOMMAND, 0x0010, 1234);
        EXPECT_EQ(dialog.m_nSysCommand, 0x0010u);
        EXPECT_EQ(dialog.m_lSysCommandParam, 1234);
        EXPECT_EQ(::SendMessageA(dialog.m_hWnd, WM_QUERYDRAGICON, 0, 0),
                  reinterpret_cast<LRESULT>(dialog.m_hDragIcon));
        ::SendMessageA(dialog.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 7));
        EXPECT_EQ(dialog.m_nClickFlags, static_cast<UINT>(MK_LBUTTON | MK_SHIFT));
        EXPECT_EQ(dialog.m_ptClick.x, -3);
        EXPECT_EQ(dialog.m_ptClick.y, 7);
        // The framework's own rows (IDCANCEL) stay at the end of the chain.
        ::SendMessageA(dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_nOwnKillFocus, 1);
    EXPECT_EQ(dialog.m_nKillFocusEdit, 0);
    EXPECT_EQ(dialog.m_nButtonClicks, 1);
}

// Handlers that send their own window messages, one of whose handlers throws.
class NestingDialog : public TestDialog
{
public:
    int m_nDragIconQueries = 0;
    int m_nThrows = 0;

protected:
    void OnSysCommand(UINT id, LPARAM lParam)
    {
        SendMessage(WM_QUERYDRAGICON);
        SendMessage(WM_COMMAND, IDC_BUTTON);
        // Hands on the system command, not the last message the window handled.
        TestDialog::OnSysCommand(id, lParam);
    }
    HCURSOR OnQueryDragIcon()
    {
        ++m_nDragIconQueries;
        return nullptr;
    }
    void OnButtonThrows()
    {
        ++m_nThrows;
        throw std::runtime_error("a handler failed");
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NestingDialog, TestDialog)
ON_WM_SYSCOMMAND()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_BUTTON, OnButtonThrows)
END_MESSAGE_MAP()

TEST(MessageMap, NestedHandlersKeepTheirOwnMessageAndWhatTheyThrowStaysInside)
{
    NestingDialog dialog;
    const INT_PTR result =
        RunModal(dialog, [&] { ::PostMessageA(dialog.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_nDragIconQueries, 1);
    EXPECT_EQ(dialog.m_nThrows, 1);
    EXPECT_EQ(dialog.m_nCloses, 1);
}

// A dialog whose initialisation throws still opens and ends as usual.
class ThrowsAtInit : public TestDialog
{
protected:
    BOOL OnInitDialog() override
    {
        TestDialog::OnInitDialog();
        throw std::runtime_error("initialisation failed");
    }
};

TEST(Dialog, AnInitialisationThatThrowsStaysInside)
{
    ThrowsAtInit dialog;
    bool shown = false;
    const INT_PTR result = RunModal(dialog, [&] {
        shown = ::IsWindow(dialog.m_hWnd) != FALSE;
        dialog.EndDialog(IDOK);
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(result, IDOK);
}

// A row for a run of ids hands its one handler the id of the control that spoke; an id just
// outside the run, or another notification from a control inside it, does not reach it.
TEST(MessageMap, RangeRowsHandTheirHandlerTheId)
{
    TestDialog dialog;
    RunModal(dialog, [&] {
        // The focus walks the edit boxes: the first has a row of its own, the next two are the
        // run, the last is past it. Each box also sends EN_SETFOCUS and EN_CHANGE.
        for (int id :
             {IDC_EDIT_CLIENTEDGE, IDC_EDIT_STATICEDGE, IDC_EDIT_MODAL_STATIC, IDC_EDIT_PLAIN})
        {
            ::SetFocus(Item(dialog, id));
            ::SetWindowTextA(Item(dialog, id), "typed");
        }
        ::SetFocus(Item(dialog, IDC_BUTTON));
        for (int id : {IDC_ROW_BUTTON2, IDC_ROW_BUTTON1, IDC_ROW_BUTTON3, IDC_BUTTON})
            ::SendMessageA(Item(dialog, id), BM_CLICK, 0, 0);
        ::SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_ROW_BUTTON3 + 1, BN_CLICKED), 0);
        ::SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_ROW_BUTTON2, BN_DOUBLECLICKED),
                       reinterpret_cast<LPARAM>(Item(dialog, IDC_ROW_BUTTON2)));
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.m_rowButtons,
              (std::vector<UINT>{IDC_ROW_BUTTON2, IDC_ROW_BUTTON1, IDC_ROW_BUTTON3}));
    EXPECT_EQ(dialog.m_nButtonClicks, 1);
    EXPECT_EQ(dialog.m_killFocusInRange,
              (std::vector<UINT>{IDC_EDIT_STATICEDGE, IDC_EDIT_MODAL_STATIC}));
    EXPECT_EQ(dialog.m_nKillFocusEdit, 1);
}

// A notification row answers its code from its control, and its handler's answer goes back to the
// control; the same code from another control, or another code, gets the dialog's usual answer.
TEST(MessageMap, NotificationRowsAnswerTheirControl)
{
    TestDialog dialog;
    RunModal(dialog, [&] {
        const auto notify = [&](int id, UINT code) {
            NMHDR header{Item(dialog, id), static_cast<UINT_PTR>(id), code};
            return ::SendMessageA(dialog.m_hWnd, WM_NOTIFY, static_cast<WPARAM>(id),
                                  reinterpret_cast<LPARAM>(&header));
        };
        EXPECT_EQ(notify(IDC_BUTTON, NM_CLICK), TestDialog::kNotifyAnswer);
        EXPECT_EQ(notify(IDC_ROW_BUTTON1, NM_CLICK), 0);
        EXPECT_EQ(notify(IDC_BUTTON, NM_DBLCLK), 0);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.m_nNotifyClicks, 1);
}

// A static control whose class answers the reflected control colour with a brush of its choice.
class ColourProbe : public CStatic
{
public:
    HBRUSH m_hBrush = nullptr;
    UINT m_nLastCode = 0xFFFF;
    int m_nCalls = 0;

protected:
    HBRUSH CtlColor(CDC* dc, UINT ctlColor)
    {
        ++m_nCalls;
        m_nLastCode = ctlColor;
        dc->SetTextColor(RGB(1, 2, 3));
        return m_hBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ColourProbe, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST(MessageMap, ReflectsControlColoursToTheChildsClass)
{
    TestDialog dialog;
    ColourProbe probe;
    dialog.m_controls = {{IDC_LABEL, &probe}};
    HBRUSH own = ::CreateSolidBrush(RGB(9, 8, 7));
    RunModal(dialog, [&] {
        HDC dc = ::CreateCompatibleDC(nullptr);
        auto ask = [&](UINT message, int id) {
            return reinterpret_cast<HBRUSH>(
                ::SendMessageA(dialog.m_hWnd, message, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(Item(dialog, id))));
        };
        // Without a brush from the child, the dialog answers as it would for any static.
        const HBRUSH usual = ask(WM_CTLCOLORSTATIC, IDC_LABEL_LINK);
        EXPECT_EQ(ask(WM_CTLCOLORSTATIC, IDC_LABEL), usual);
        EXPECT_EQ(probe.m_nLastCode, static_cast<UINT>(CTLCOLOR_STATIC));

        probe.m_hBrush = own;
        EXPECT_EQ(ask(WM_CTLCOLORSTATIC, IDC_LABEL), own);
        EXPECT_EQ(::GetTextColor(dc), RGB(1, 2, 3)) << "the dialog's own handling did not run";
        EXPECT_EQ(ask(WM_CTLCOLORBTN, IDC_LABEL), own);
        EXPECT_EQ(probe.m_nLastCode, static_cast<UINT>(CTLCOLOR_BTN));
        // A control with no reflected handler is not asked.
        const int calls = probe.m_nCalls;
        ask(WM_CTLCOLORSTATIC, IDC_LABEL_LINK);
        EXPECT_EQ(probe.m_nCalls, calls);
        ::DeleteDC(dc);
        dialog.EndDialog(IDOK);
    });
    ::DeleteObject(own);
}

struct CheckCase
{
    int value;
    LRESULT shown;
    int valueAfter;
};

TEST(DataExchange, CheckBoxToAndFromTheMember)
{
    const CheckCase cases[] = {
        {0, BST_UNCHECKED, 0},  {1, BST_CHECKED, 1},   {2, BST_INDETERMINATE, 2},
        {-1, BST_UNCHECKED, 0}, {3, BST_UNCHECKED, 0}, {1000, BST_UNCHECKED, 0},
    };
    TestDialog dialog;
    CHotEdit edit;
    dialog.m_controls = {{IDC_EDIT_PLAIN, &edit}};
    RunModal(dialog, [&] {
        HWND box = Item(dialog, IDC_CHECK3);
        for (const CheckCase& c : cases)
        {
            dialog.m_nCheck3 = c.value;
            dialog.UpdateData(FALSE);
            EXPECT_EQ(::SendMessageA(box, BM_GETCHECK, 0, 0), c.shown) << c.value;
            EXPECT_EQ(dialog.m_nCheck3, c.valueAfter) << c.value;
        }
        for (LRESULT state : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED})
        {
            ::SendMessageA(box, BM_SETCHECK, static_cast<WPARAM>(state), 0);
            dialog.UpdateData(TRUE);
            EXPECT_EQ(dialog.m_nCheck3, state);
        }
        // Later exchanges leave the attached control as it is.
        EXPECT_EQ(CWnd::FromAttached(Item(dialog, IDC_EDIT_PLAIN)), &edit);
        EXPECT_EQ(edit.m_hWnd, Item(dialog, IDC_EDIT_PLAIN));
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(edit.m_hWnd, nullptr);
}

std::string WindowTextOf(HWND window)
{
    char text[64] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// A plain edit box, button or static text only takes its window's handle, and the window keeps
// the system's procedure (that of a like control no object touches); a control whose class has a
// map of its own takes the window's messages, attached once however many exchanges run. A dialog
// shown again hands the plain objects its new windows.
TEST(DataExchange, SubclassesOnlyAControlWithAMapOfItsOwn)
{
    CEdit edit;
    CButton button;
    CStatic label;
    const struct
    {
        CWnd* control;
        int id;
        int untouched;
    } plain[] = {
        {&edit, IDC_EDIT_PLAIN, IDC_EDIT_MODALFRAME},
        {&button, IDC_ROW_BUTTON1, IDC_ROW_BUTTON2},
        {&label, IDC_LABEL, IDC_LABEL_LINK},
    };
    CHotEdit hot;
    TestDialog dialog;
    for (const auto& c : plain)
        dialog.m_controls.push_back({c.id, c.control});
    dialog.m_controls.push_back({IDC_EDIT_CLIENTEDGE, &hot});
    for (int shown = 1; shown <= 2; ++shown)
    {
        RunModal(dialog, [&] {
            for (const auto& c : plain)
            {
                const HWND window = Item(dialog, c.id);
                EXPECT_EQ(c.control->m_hWnd, window) << c.id << " shown " << shown;
                EXPECT_EQ(::GetWindowLongPtrA(window, GWLP_WNDPROC),
                          ::GetWindowLongPtrA(Item(dialog, c.untouched), GWLP_WNDPROC))
                    << c.id;
                EXPECT_EQ(CWnd::FromAttached(window), nullptr) << c.id;
                // The object still reads and writes its window's text.
                c.control->SetWindowText("written");
                EXPECT_EQ(WindowTextOf(window), "written") << c.id;
                ::SetWindowTextA(window, "read");
                CString text;
                c.control->GetWindowText(text);
                EXPECT_EQ(text.str(), "read") << c.id;
            }
            const LONG_PTR system =
                ::GetWindowLongPtrA(Item(dialog, IDC_EDIT_MODALFRAME), GWLP_WNDPROC);
            const LONG_PTR ours = ::GetWindowLongPtrA(hot.m_hWnd, GWLP_WNDPROC);
            EXPECT_NE(ours, system);
            EXPECT_EQ(CWnd::FromAttached(Item(dialog, IDC_EDIT_CLIENTEDGE)), &hot);
            dialog.UpdateData(FALSE);
            dialog.UpdateData(TRUE);
            EXPECT_EQ(::GetWindowLongPtrA(hot.m_hWnd, GWLP_WNDPROC), ours);
            // Attached twice, the procedure would hand every message on to itself.
            hot.SetWindowText("hot");
            EXPECT_EQ(WindowTextOf(hot.m_hWnd), "hot");
            dialog.EndDialog(IDOK);
        });
        EXPECT_EQ(hot.m_hWnd, nullptr);
    }
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {}

// Steps that wait for a dialog which never opens fail the test when their RunModal ends, and
// are dropped with their timer: a window of that caption shown later is left alone.
TEST(ModalDriver, StepsForADialogThatNeverOpensFailAndGo)
{
    bool ran = false;
    TestDialog first;
    EXPECT_NONFATAL_FAILURE(RunModal(first,
                                     [&] {
                                         WhenDialogOpens("Shown later", [&](HWND) { ran = true; });
                                         first.EndDialog(IDOK);
                                     }),
                            "\"Shown later\" never opened");
    TestDialog later;
    RunModal(later, [&] {
        ::SetWindowTextA(later.m_hWnd, "Shown later");
        // A tick wakes the pump while it waits out the fifth of a second.
        const DWORD start = ::GetTickCount();
        const UINT_PTR tick = ::SetTimer(nullptr, 0, 20, Tick);
        PumpUntil([&] { return ran || ::GetTickCount() - start >= 200; });
        ::KillTimer(nullptr, tick);
        later.EndDialog(IDOK);
    });
    EXPECT_FALSE(ran);
}

// A dialog that cannot open (here: its template is missing) fails the test that meant to drive
// it, rather than passing with none of its steps run.
TEST(ModalDriver, ADialogThatNeverOpensFailsItsTest)
{
    CDialog missing(4242);
    bool ran = false;
    EXPECT_NONFATAL_FAILURE(RunModal(missing, [&] { ran = true; }),
                            "the dialog never opened, so the test's steps did not run");
    EXPECT_FALSE(ran);
}

// Steps that throw fail the test, whether they run in the dialog's loop or in a dialog that a
// handler of it opened (whose handler would otherwise keep the exception to itself).
TEST(ModalDriver, StepsThatThrowFailTheTest)
{
    TestDialog dialog;
    EXPECT_NONFATAL_FAILURE(RunModal(dialog, [] { throw std::runtime_error("a lost file"); }),
                            "the test's steps threw: a lost file");

    TestDialog outer;
    TestDialog nested;
    EXPECT_NONFATAL_FAILURE(RunModal(outer,
                                     [&] {
                                         RunModal(nested,
                                                  [] { throw std::runtime_error("inner"); });
                                         outer.EndDialog(IDOK);
                                     }),
                            "the test's steps threw: inner");
}

// A second wait while the first still waits fails the test; the first steps still run.
TEST(ModalDriver, ASecondWaitFailsAndKeepsTheFirst)
{
    TestDialog dialog;
    std::string ran;
    RunModal(dialog, [&] {
        WhenDialogOpens("Question", [&](HWND box) {
            ran += "first";
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        EXPECT_NONFATAL_FAILURE(WhenDialogOpens("Question", [&](HWND) { ran += "second"; }),
                                "\"Question\" still wait");
        ::MessageBoxA(dialog.m_hWnd, "Go on?", "Question", MB_OK);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(ran, "first");
}
} // namespace

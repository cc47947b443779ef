// The form at the script's screen density: its five headings are bold, in fonts made at the
// window's DPI, both at the script's DPI and in a window of 96 DPI beside it, and made again after
// a change of DPI; its banner is drawn at the dialog's scale.
#include "Density.h"
#include "ModalDriver.h"
#include "WorkingFolderTest.h"

#include "dialogs/TallyvaneDlg.h"
#include "framework/Dpi.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace
{

constexpr int kHeadings[] = {IDC_LABEL_RESERVES, IDC_LABEL_SCHEDULE, IDC_LABEL_FIRST_PAYMENT,
                             IDC_LABEL_CUSHION, IDC_LABEL_ADJUSTMENT};

class FormAtDensity : public WorkingFolderTest
{
protected:
    void SetUp() override
    {
        WorkingFolderTest::SetUp();
        ASSERT_NE(ScriptDpi(), 0u)
            << "TALLYVANE_DPI is not set: run these tests through their script";
    }

    // Shows the form, runs the checks on it and ends it as it stands (closing it would save).
    static void Show(CTallyvaneDlg& form, UINT dpi, const std::function<void(HWND)>& checks)
    {
        const INT_PTR result = RunModal(form, [&] {
            EXPECT_EQ(WindowDpi(form.m_hWnd), dpi);
            checks(form.m_hWnd);
            form.EndDialog(IDOK);
        });
        EXPECT_EQ(result, IDOK) << "the form did not run";
    }

    CTallyvaneDlg m_form;
};

LOGFONTW FontOf(HWND window)
{
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    return font;
}

// How high the default GUI font is at the DPI; the stock font is made at the system's. Asked in
// the program's own awareness: Wine tells a DPI-unaware thread both at 96 DPI.
LONG DefaultGuiFontHeightAt(UINT dpi)
{
    LOGFONTW stock{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    const HDC screen = ::GetDC(nullptr);
    const int systemDpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return ::MulDiv(stock.lfHeight, static_cast<int>(dpi), systemDpi);
}

// The ink of the label's text as the screen shows it in the font.
int InkIn(HWND label, HFONT font)
{
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ::UpdateWindow(label);
    return PictureOfWindow(label).Ink();
}

// Each heading's font is bold at the height given, and its text on screen carries a tenth more
// ink than in the normal weight of the same font.
void ExpectBoldHeadings(HWND form, LONG height)
{
    for (int id : kHeadings)
    {
        const HWND heading = ::GetDlgItem(form, id);
        LOGFONTW font = FontOf(heading);
        EXPECT_EQ(font.lfWeight, FW_BOLD) << ControlName(heading);
        EXPECT_NEAR(font.lfHeight, height, 1) << ControlName(heading);

        const HFONT bold = reinterpret_cast<HFONT>(::SendMessageW(heading, WM_GETFONT, 0, 0));
        font.lfWeight = FW_NORMAL;
        const HFONT normal = ::CreateFontIndirectW(&font);
        const int normalInk = InkIn(heading, normal);
        const int boldInk = InkIn(heading, bold);
        ::DeleteObject(normal);
        EXPECT_GE(boldInk * 10, normalInk * 11)
            << ControlName(heading) << ": " << boldInk << " pixels of ink against " << normalInk
            << " in the normal weight";
    }
}

// How many pixels the dialog's horizontal dialog units cover.
int PixelsAcross(HWND dialog, int units)
{
    RECT rect{0, 0, units, 0};
    ::MapDialogRect(dialog, &rect);
    return rect.right;
}

// At 96 DPI, in the templates' font (MS Sans Serif 8), 400 dialog units are 600 pixels. A dialog
// made at another DPI has no way to a font of 96 DPI under Wine: its MS Sans Serif comes from the
// bitmaps for that DPI.
constexpr int kPixelsOf400UnitsAt96Dpi = 600;

TEST_F(FormAtDensity, HeadingsAreBoldInFontsOfTheWindowsDpi)
{
    const LONG here = DefaultGuiFontHeightAt(ScriptDpi());
    const LONG at96 = DefaultGuiFontHeightAt(96);
    Show(m_form, ScriptDpi(), [&](HWND form) { ExpectBoldHeadings(form, here); });

    // Made before, in the program's own awareness; its window comes at 96 DPI.
    CTallyvaneDlg beside;
    WindowsAt96Dpi windowsAt96;
    Show(beside, 96, [&](HWND form) { ExpectBoldHeadings(form, at96); });
}

// When the form's DPI changes, the system may hand every control the dialog's font again (dialogs
// of per-monitor v2 awareness): the headings are made again, bold, and the banner keeps its scale.
TEST_F(FormAtDensity, AfterAChangeOfDpiTheHeadingsAreBoldAgain)
{
    const LONG height = DefaultGuiFontHeightAt(ScriptDpi());
    Show(m_form, ScriptDpi(), [&](HWND form) {
        const HFONT dialogFont = reinterpret_cast<HFONT>(::SendMessageW(form, WM_GETFONT, 0, 0));
        for (int id : kHeadings)
            ::SendMessageW(::GetDlgItem(form, id), WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont),
                           TRUE);
        RECT banner, window, windowAfter, bannerAfter;
        ::GetWindowRect(::GetDlgItem(form, IDC_BANNER), &banner);
        ::GetWindowRect(form, &window);

        ::SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(ScriptDpi(), ScriptDpi()),
                       reinterpret_cast<LPARAM>(&window));
        PumpPending();
        ExpectBoldHeadings(form, height);
        ::GetWindowRect(form, &windowAfter);
        ::GetWindowRect(::GetDlgItem(form, IDC_BANNER), &bannerAfter);
        EXPECT_TRUE(::EqualRect(&window, &windowAfter)) << "the form takes the suggested rectangle";
        EXPECT_TRUE(::EqualRect(&banner, &bannerAfter)) << "the banner's size changed";
    });
}

// The banner grows as the dialog's units do from 96 DPI, within a pixel, and at 96 DPI it is its
// bitmap pixel for pixel. The window shows the whole picture the static holds, and that picture is
// the banner: its average colour is the bitmap's.
TEST_F(FormAtDensity, BannerIsDrawnAtTheDialogsScale)
{
    const HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BANNER));
    ASSERT_TRUE(bitmap);
    const Picture original = PictureOfBitmap(bitmap);
    ::DeleteObject(bitmap);

    Show(m_form, ScriptDpi(), [&](HWND form) {
        const double scale =
            static_cast<double>(PixelsAcross(form, 400)) / kPixelsOf400UnitsAt96Dpi;
        const HWND banner = ::GetDlgItem(form, IDC_BANNER);
        const Picture shown = PictureOfWindow(banner);
        EXPECT_NEAR(shown.width, original.width * scale, 1.0) << "scale " << scale;
        EXPECT_NEAR(shown.height, original.height * scale, 1.0) << "scale " << scale;
        if (ScriptDpi() == 96)
        {
            EXPECT_TRUE(shown.pixels == original.pixels) << "at 96 DPI the banner is its bitmap";
        }

        const Picture held = PictureOfBitmap(
            reinterpret_cast<HBITMAP>(::SendMessageW(banner, STM_GETIMAGE, IMAGE_BITMAP, 0)));
        EXPECT_TRUE(shown.pixels == held.pixels) << "the window does not show its whole picture";
        const COLORREF expected = original.Average();
        const COLORREF average = held.Average();
        EXPECT_LE(std::abs(GetRValue(average) - GetRValue(expected)), 8);
        EXPECT_LE(std::abs(GetGValue(average) - GetGValue(expected)), 8);
        EXPECT_LE(std::abs(GetBValue(average) - GetBValue(expected)), 8);
    });
}

} // namespace

#include "dialogs/Disbursements.h"

#include "core/closing/ClosingDate.h"
#include "core/escrow/ItemHeadings.h"
#include "core/escrow/ScheduleClipboard.h"
#include "core/escrow/Schedules.h"
#include "core/files/SaveFailureMessage.h"
#include "core/files/WorkingFolder.h"
#include "dialogs/SaveFailedDlg.h"
#include "fields/EditBoxText.h"
#include "fields/MoneyField.h"
#include "framework/AccessibleControls.h"
#include "framework/Clipboard.h"
#include "framework/TextEncoding.h"
#include "res/resource.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace
{
// The month boxes, January first; their identifiers are not in calendar order.
constexpr int kMonthBoxes[kMonths] = {
    IDC_JANUARY, IDC_FEBRUARY, IDC_MARCH,     IDC_APRIL,   IDC_MAY,      IDC_JUNE,
    IDC_JULY,    IDC_AUGUST,   IDC_SEPTEMBER, IDC_OCTOBER, IDC_NOVEMBER, IDC_DECEMBER,
};
// The lowest and the highest of them: the range of the dialog's one change row. The months are the
// dialog's only edit boxes, so no other control in between sends a change.
constexpr int kFirstMonthBox = [] {
    int first = kMonthBoxes[0];
    for (int id : kMonthBoxes)
        first = std::min(first, id);
    return first;
}();
constexpr int kLastMonthBox = [] {
    int last = kMonthBoxes[0];
    for (int id : kMonthBoxes)
        last = std::max(last, id);
    return last;
}();

constexpr wchar_t kClipboardBusy[] =
    L"The schedule could not be put on the clipboard: another program may be using it.\n\n"
    L"Try again in a moment.";
} // namespace

BEGIN_MESSAGE_MAP(CDisbursements, CDialog)
ON_BN_CLICKED(IDC_SCHEDULE_RESET, OnReset)
ON_BN_CLICKED(IDC_SCHEDULE_COPY, OnCopy)
ON_CONTROL_RANGE(EN_CHANGE, kFirstMonthBox, kLastMonthBox, OnMonthChange)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CDisbursements::CMonthBox, CHotEdit)
ON_WM_PASTE()
ON_WM_COPY()
END_MESSAGE_MAP()

CDisbursements::CDisbursements(CWnd* parent, int item)
    : CDialog(IDD_DISBURSEMENTS, parent), m_nItem(item)
{
    for (int month = 0; month < kMonths; ++month)
    {
        m_months[month].m_pSchedule = this;
        m_months[month].m_nMonth = month;
    }
}

void CDisbursements::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int index = 0; index < kMonths; ++index)
        DDX_Control(pDX, kMonthBoxes[index], m_months[index]);
    DDX_Control(pDX, IDC_SCHEDULE_TOTAL, m_staticTotal);
}

BOOL CDisbursements::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ScheduleCaption(m_nItem).c_str());
    // Each month's box is named after its month: its label comes before the previous box's.
    for (int index = 0; index < kMonths; ++index)
        SetAccessibleName(m_hWnd, kMonthBoxes[index], WideFromUtf8(MonthName(index + 1)));
    // No month takes more than a stored line keeps, so no month runs into the next.
    for (CHotEdit& month : m_months)
        month.SendMessage(EM_LIMITTEXT, kLineWriteLimit);

    if (FileExists(ScheduleFilePath(WorkingFolder(), m_nItem)))
        LoadSchedule();
    else
        ClearSchedule();
    ShowTotal();
    return TRUE;
}

void CDisbursements::ClearSchedule()
{
    for (CHotEdit& month : m_months)
        month.SetWindowText("");
}

void CDisbursements::LoadSchedule()
{
    {
        LineReader in(ScheduleFilePath(WorkingFolder(), m_nItem));
        for (CHotEdit& month : m_months)
            ReadEditBoxText(month, in);
    }
    UpdateData(FALSE);
}

SaveFailure CDisbursements::SaveSchedule()
{
    UpdateData(TRUE);
    LineWriter out;
    for (const CHotEdit& month : m_months)
        WriteEditBoxText(month, out);
    return SaveFileSafely(ScheduleFilePath(WorkingFolder(), m_nItem), out.Bytes());
}

void CDisbursements::OnOK()
{
    // A schedule that could not be saved stays on screen, as typed, after the user is told why.
    const SaveFailure failure = SaveSchedule();
    if (failure != SaveFailure::None)
    {
        ShowSaveFailure(m_hWnd, SaveFailureMessage(ScheduleFilePath(WorkingFolder(), m_nItem),
                                                   ScheduleFileName(m_nItem), failure));
        return;
    }
    CDialog::OnOK();
}

void CDisbursements::OnReset()
{
    ClearSchedule();
    ShowTotal();
}

void CDisbursements::OnCopy()
{
    CopySchedule();
}

void CDisbursements::OnMonthChange(UINT)
{
    ShowTotal();
}

void CDisbursements::ShowTotal()
{
    // The months read as the schedule file's lines will be read once saved, so the total is the
    // one the item's button shows after OK.
    MonthAmounts amounts{};
    for (int month = 0; month < kMonths; ++month)
        amounts[month] = ParseMoneyField(m_months[month]);
    m_staticTotal.SetWindowTextIfChanged(ItemTotalText(amounts).c_str());
}

bool CDisbursements::PasteAmounts(int month)
{
    const std::optional<std::wstring> text = ClipboardText(m_hWnd);
    if (!text)
        return false;
    const std::vector<std::string> amounts = PastedAmounts(Utf8FromWide(*text));
    if (amounts.size() <= 1)
        return false;
    const int count = static_cast<int>(amounts.size());
    if (count > kMonths - month)
    {
        ::MessageBoxW(m_hWnd, WideFromUtf8(AmountsDoNotFitMessage(count, month)).c_str(),
                      kMessageCaption, MB_OK | MB_ICONWARNING);
        return true;
    }
    for (int index = 0; index < count; ++index)
    {
        // Each month takes its amount as a paste would, within the box's limit, and can undo it.
        CMonthBox& box = m_months[month + index];
        box.SendMessage(EM_SETSEL, 0, -1);
        ::SendMessageW(box, EM_REPLACESEL, TRUE,
                       reinterpret_cast<LPARAM>(WideFromUtf8(amounts[index]).c_str()));
    }
    return true;
}

void CDisbursements::CopySchedule()
{
    std::array<std::string, kMonths> months;
    for (int month = 0; month < kMonths; ++month)
        months[month] = Utf8Text(m_months[month]);
    if (!PutClipboardText(m_hWnd, WideFromUtf8(ScheduleClipboardText(months))))
        ::MessageBoxW(m_hWnd, kClipboardBusy, kMessageCaption, MB_OK | MB_ICONWARNING);
}

void CDisbursements::CMonthBox::OnPaste()
{
    if (!m_pSchedule->PasteAmounts(m_nMonth))
        Default();
}

void CDisbursements::CMonthBox::OnCopy()
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end)
        m_pSchedule->CopySchedule();
    else
        Default();
}

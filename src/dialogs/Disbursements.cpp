#include "dialogs/Disbursements.h"

#include "core/escrow/Schedules.h"
#include "core/files/SaveFailureMessage.h"
#include "core/files/WorkingFolder.h"
#include "dialogs/SaveFailedDlg.h"
#include "fields/EditBoxText.h"
#include "res/resource.h"

namespace
{
// The month boxes, January first; their identifiers are not in calendar order.
constexpr int kMonthBoxes[kMonths] = {
    IDC_JANUARY, IDC_FEBRUARY, IDC_MARCH,     IDC_APRIL,   IDC_MAY,      IDC_JUNE,
    IDC_JULY,    IDC_AUGUST,   IDC_SEPTEMBER, IDC_OCTOBER, IDC_NOVEMBER, IDC_DECEMBER,
};
} // namespace

BEGIN_MESSAGE_MAP(CDisbursements, CDialog)
ON_BN_CLICKED(IDC_SCHEDULE_RESET, OnReset)
END_MESSAGE_MAP()

CDisbursements::CDisbursements(CWnd* parent, int item)
    : CDialog(IDD_DISBURSEMENTS, parent), m_nItem(item)
{
}

void CDisbursements::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int index = 0; index < kMonths; ++index)
        DDX_Control(pDX, kMonthBoxes[index], m_months[index]);
}

BOOL CDisbursements::OnInitDialog()
{
    CDialog::OnInitDialog();
    // No month takes more than a stored line keeps, so no month runs into the next.
    for (CHotEdit& month : m_months)
        month.SendMessage(EM_LIMITTEXT, kLineWriteLimit);

    if (FileExists(ScheduleFilePath(WorkingFolder(), m_nItem)))
        LoadSchedule();
    else
        ClearSchedule();
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
}

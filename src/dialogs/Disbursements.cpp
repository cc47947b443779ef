#include "dialogs/Disbursements.h"

#include "core/Schedules.h"
#include "dialogs/SaveFailedDlg.h"
#include "fields/EditBoxText.h"
#include "res/resource.h"

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
    DDX_Control(pDX, IDC_SEPTEMBER, m_editSeptember);
    DDX_Control(pDX, IDC_AUGUST, m_editAugust);
    DDX_Control(pDX, IDC_JULY, m_editJuly);
    DDX_Control(pDX, IDC_JUNE, m_editJune);
    DDX_Control(pDX, IDC_MAY, m_editMay);
    DDX_Control(pDX, IDC_APRIL, m_editApril);
    DDX_Control(pDX, IDC_MARCH, m_editMarch);
    DDX_Control(pDX, IDC_FEBRUARY, m_editFebruary);
    DDX_Control(pDX, IDC_DECEMBER, m_editDecember);
    DDX_Control(pDX, IDC_NOVEMBER, m_editNovember);
    DDX_Control(pDX, IDC_OCTOBER, m_editOctober);
    DDX_Control(pDX, IDC_JANUARY, m_editJanuary);
}

CHotEdit* CDisbursements::Month(int index)
{
    CHotEdit* const months[kMonths] = {
        &m_editJanuary,   &m_editFebruary, &m_editMarch,    &m_editApril,
        &m_editMay,       &m_editJune,     &m_editJuly,     &m_editAugust,
        &m_editSeptember, &m_editOctober,  &m_editNovember, &m_editDecember,
    };
    return months[index];
}

BOOL CDisbursements::OnInitDialog()
{
    CDialog::OnInitDialog();
    // No month takes more than a stored line keeps, so no month runs into the next.
    for (int index = 0; index < kMonths; ++index)
        Month(index)->SendMessage(EM_LIMITTEXT, kLineWriteLimit);

    if (FileExists(ScheduleFilePath(WorkingFolder(), m_nItem)))
        LoadSchedule();
    else
        ClearSchedule();
    return TRUE;
}

void CDisbursements::ClearSchedule()
{
    for (int index = 0; index < kMonths; ++index)
        Month(index)->SetWindowText("");
}

void CDisbursements::LoadSchedule()
{
    {
        LineReader in(ScheduleFilePath(WorkingFolder(), m_nItem));
        for (int index = 0; index < kMonths; ++index)
            ReadEditBoxText(*Month(index), in);
    }
    UpdateData(FALSE);
}

SaveFailure CDisbursements::SaveSchedule()
{
    UpdateData(TRUE);
    LineWriter out;
    for (int index = 0; index < kMonths; ++index)
        WriteEditBoxText(*Month(index), out);
    return SaveFileSafely(ScheduleFilePath(WorkingFolder(), m_nItem), out.Bytes());
}

void CDisbursements::OnOK()
{
    // A schedule that could not be saved stays on screen, as typed, after the user is told why.
    const SaveFailure failure = SaveSchedule();
    if (failure != SaveFailure::None)
    {
        const FilePath file = ScheduleFilePath(WorkingFolder(), m_nItem).value_or(FilePath());
        ShowSaveFailure(m_hWnd, file, SaveFailureReason(failure));
        return;
    }
    CDialog::OnOK();
}

void CDisbursements::OnReset()
{
    ClearSchedule();
}

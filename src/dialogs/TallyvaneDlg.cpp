#include "dialogs/TallyvaneDlg.h"

#include "core/NumberFormat.h"
#include "core/Schedules.h"
#include "core/WorkingFiles.h"
#include "core/WorkingFolder.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/Disbursements.h"
#include "dialogs/SaveFailedDlg.h"
#include "fields/EditBoxText.h"
#include "framework/WinApp.h"
#include "res/resource.h"

#include <cwchar>
#include <string>

namespace
{

constexpr char kFormFileName[] = "main.txt";

// The boxes whose loss of focus runs the analysis: the cushion, the first payment month and the
// sixteen item boxes. The first payment year is only stored.
constexpr int kAnalysisInputs[] = {
    IDC_CUSHION,    IDC_FIRST_PAYMENT_MONTH,
    IDC_MONTHS1,    IDC_MONTHS2,
    IDC_MONTHS3,    IDC_MONTHS4,
    IDC_MONTHS5,    IDC_MONTHS6,
    IDC_MONTHS7,    IDC_MONTHS8,
    IDC_PER_MONTH1, IDC_PER_MONTH2,
    IDC_PER_MONTH3, IDC_PER_MONTH4,
    IDC_PER_MONTH5, IDC_PER_MONTH6,
    IDC_PER_MONTH7, IDC_PER_MONTH8,
};

std::string TextOf(const CWnd& box)
{
    CString text;
    box.GetWindowText(text);
    return text.str();
}

} // namespace

BEGIN_MESSAGE_MAP(CTallyvaneDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_ITEM1, OnButtonItem1)
ON_BN_CLICKED(IDC_ITEM2, OnButtonItem2)
ON_BN_CLICKED(IDC_ITEM3, OnButtonItem3)
ON_BN_CLICKED(IDC_ITEM4, OnButtonItem4)
ON_BN_CLICKED(IDC_ITEM5, OnButtonItem5)
ON_BN_CLICKED(IDC_ITEM6, OnButtonItem6)
ON_BN_CLICKED(IDC_ITEM7, OnButtonItem7)
ON_BN_CLICKED(IDC_ITEM8, OnButtonItem8)
ON_BN_CLICKED(IDC_TWO_MONTHS, OnTwoMonths)
ON_EN_KILLFOCUS(IDC_CUSHION, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_FIRST_PAYMENT_MONTH, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_MONTHS1, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_MONTHS2, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_MONTHS3, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_MONTHS4, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_MONTHS5, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_MONTHS6, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_MONTHS7, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_MONTHS8, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_PER_MONTH1, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_PER_MONTH2, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_PER_MONTH3, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_PER_MONTH4, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_PER_MONTH5, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_PER_MONTH6, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_PER_MONTH7, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_PER_MONTH8, OnKillFocusInput)
ON_WM_CLOSE()
ON_BN_CLICKED(IDC_RESET, OnReset)
END_MESSAGE_MAP()

CTallyvaneDlg::CTallyvaneDlg(CWnd* parent)
    : CDialog(IDD_TALLYVANE_DIALOG, parent), m_bTwoMonths(0),
      m_hIcon(AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : nullptr)
{
}

void CTallyvaneDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MONTHLY_PAYMENT, m_editMonthlyPayment);
    DDX_Control(pDX, IDC_FIRST_PAYMENT_YEAR, m_editFirstPaymentYear);
    DDX_Control(pDX, IDC_CUSHION, m_editCushion);
    DDX_Control(pDX, IDC_FIRST_PAYMENT_MONTH, m_editFirstPaymentMonth);
    DDX_Control(pDX, IDC_ADJUSTMENT, m_editAdjustment);
    DDX_Control(pDX, IDC_PER_MONTH8, m_editPerMonth8);
    DDX_Control(pDX, IDC_PER_MONTH7, m_editPerMonth7);
    DDX_Control(pDX, IDC_PER_MONTH6, m_editPerMonth6);
    DDX_Control(pDX, IDC_PER_MONTH5, m_editPerMonth5);
    DDX_Control(pDX, IDC_PER_MONTH4, m_editPerMonth4);
    DDX_Control(pDX, IDC_PER_MONTH3, m_editPerMonth3);
    DDX_Control(pDX, IDC_PER_MONTH2, m_editPerMonth2);
    DDX_Control(pDX, IDC_PER_MONTH1, m_editPerMonth1);
    DDX_Control(pDX, IDC_MONTHS8, m_editMonths8);
    DDX_Control(pDX, IDC_MONTHS7, m_editMonths7);
    DDX_Control(pDX, IDC_MONTHS6, m_editMonths6);
    DDX_Control(pDX, IDC_MONTHS4, m_editMonths4);
    DDX_Control(pDX, IDC_MONTHS5, m_editMonths5);
    DDX_Control(pDX, IDC_MONTHS3, m_editMonths3);
    DDX_Control(pDX, IDC_MONTHS2, m_editMonths2);
    DDX_Control(pDX, IDC_MONTHS1, m_editMonths1);
    DDX_Control(pDX, IDC_ITEM8, m_btnItem8);
    DDX_Control(pDX, IDC_ITEM6, m_btnItem6);
    DDX_Control(pDX, IDC_ITEM7, m_btnItem7);
    DDX_Control(pDX, IDC_ITEM5, m_btnItem5);
    DDX_Control(pDX, IDC_ITEM4, m_btnItem4);
    DDX_Control(pDX, IDC_ITEM3, m_btnItem3);
    DDX_Control(pDX, IDC_ITEM2, m_btnItem2);
    DDX_Control(pDX, IDC_ITEM1, m_btnItem1);
    DDX_Control(pDX, IDC_LABEL_ADJUSTMENT, m_labelAdjustment);
    DDX_Control(pDX, IDC_LABEL_CUSHION, m_labelCushion);
    DDX_Control(pDX, IDC_LABEL_FIRST_PAYMENT, m_labelFirstPayment);
    DDX_Control(pDX, IDC_LABEL_SCHEDULE, m_labelSchedule);
    DDX_Control(pDX, IDC_LABEL_RESERVES, m_labelReserves);
    DDX_Check(pDX, IDC_TWO_MONTHS, m_bTwoMonths);
}

BOOL CTallyvaneDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (HMENU systemMenu = GetSystemMenu(FALSE))
    {
        CString about;
        if (about.LoadString(IDS_ABOUTBOX) && !about.IsEmpty())
        {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, ID_SYSCMD_ABOUT, about);
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_labelReserves.SetBold(TRUE);
    m_labelSchedule.SetBold(TRUE);
    m_labelFirstPayment.SetBold(TRUE);
    m_labelCushion.SetBold(TRUE);
    m_labelAdjustment.SetBold(TRUE);

    // No box takes more than a stored line keeps, so no stored line runs into the next.
    for (int id : kAnalysisInputs)
        ::SendDlgItemMessageA(m_hWnd, id, EM_LIMITTEXT, kLineWriteLimit, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_FIRST_PAYMENT_YEAR, EM_LIMITTEXT, kLineWriteLimit, 0);

    RemoveStrayTemporaryFiles(WorkingFolder());
    if (FileExists(WorkingFilePath(kFormFileName)))
        LoadForm();
    else
        ClearForm();
    return TRUE;
}

void CTallyvaneDlg::OnOK()
{
    if (SaveBeforeClosing())
        CDialog::OnOK();
}

void CTallyvaneDlg::OnCancel()
{
    if (SaveBeforeClosing())
        CDialog::OnCancel();
}

bool CTallyvaneDlg::SaveBeforeClosing()
{
    for (;;)
    {
        const SaveFailure failure = SaveForm();
        if (failure == SaveFailure::None)
            return true;
        const FilePath file = WorkingFilePath(kFormFileName).value_or(kFormFileName);
        CSaveFailedDlg question(SaveFailureMessage(file, SaveFailureReason(failure)));
        const INT_PTR choice = question.DoModal();
        if (choice == IDCANCEL)
            return false;
        if (choice != IDRETRY)
            return true;
    }
}

void CTallyvaneDlg::OnClose()
{
    // Ending through the cancel path saves the form first.
    OnCancel();
}

CHotEdit& CTallyvaneDlg::ReserveMonthsBox(int item)
{
    CHotEdit* const boxes[] = {&m_editMonths1, &m_editMonths2, &m_editMonths3, &m_editMonths4,
                               &m_editMonths5, &m_editMonths6, &m_editMonths7, &m_editMonths8};
    return *boxes[item - 1];
}

CHotEdit& CTallyvaneDlg::MonthlyDepositBox(int item)
{
    CHotEdit* const boxes[] = {&m_editPerMonth1, &m_editPerMonth2, &m_editPerMonth3,
                               &m_editPerMonth4, &m_editPerMonth5, &m_editPerMonth6,
                               &m_editPerMonth7, &m_editPerMonth8};
    return *boxes[item - 1];
}

CButton& CTallyvaneDlg::ItemButton(int item)
{
    CButton* const buttons[] = {&m_btnItem1, &m_btnItem2, &m_btnItem3, &m_btnItem4,
                                &m_btnItem5, &m_btnItem6, &m_btnItem7, &m_btnItem8};
    return *buttons[item - 1];
}

void CTallyvaneDlg::ClearForm()
{
    for (int item = 1; item <= kEscrowItems; ++item)
    {
        ReserveMonthsBox(item).SetWindowText("");
        MonthlyDepositBox(item).SetWindowText("");
    }
    for (int item = 1; item <= kEscrowItems; ++item)
        ItemButton(item).SetWindowText("$0.00");
    m_editFirstPaymentMonth.SetWindowText("01");
    m_editFirstPaymentYear.SetWindowText("2004");
    m_editCushion.SetWindowText("");
    m_editMonthlyPayment.SetWindowText("");
    m_editAdjustment.SetWindowText("");
}

SaveFailure CTallyvaneDlg::SaveForm()
{
    UpdateData(TRUE);
    LineWriter out;
    for (int item = 1; item <= kEscrowItems; ++item)
    {
        WriteEditBoxText(ReserveMonthsBox(item), out);
        WriteEditBoxText(MonthlyDepositBox(item), out);
    }
    WriteEditBoxText(m_editFirstPaymentMonth, out);
    WriteEditBoxText(m_editFirstPaymentYear, out);
    out.WriteLine(std::to_string(m_bTwoMonths));
    WriteEditBoxText(m_editCushion, out);
    return SaveFileSafely(WorkingFilePath(kFormFileName), out.Bytes());
}

void CTallyvaneDlg::LoadForm()
{
    {
        LineReader in(WorkingFilePath(kFormFileName));
        for (int item = 1; item <= kEscrowItems; ++item)
        {
            ReadEditBoxText(ReserveMonthsBox(item), in);
            ReadEditBoxText(MonthlyDepositBox(item), in);
        }
        ReadEditBoxText(m_editFirstPaymentMonth, in);
        ReadEditBoxText(m_editFirstPaymentYear, in);
        m_bTwoMonths = ParseWholeNumber(in.ReadLine());
        ReadEditBoxText(m_editCushion, in);
    }
    UpdateData(FALSE);
    for (int item = 1; item <= kEscrowItems; ++item)
        RefreshItem(item);
}

void CTallyvaneDlg::EditSchedule(int item)
{
    CDisbursements schedule(nullptr, item);
    schedule.DoModal();
}

void CTallyvaneDlg::RefreshItem(int item)
{
    ItemButton(item).SetWindowText(LoadItemTotal(item));
}

EscrowInputs CTallyvaneDlg::ReadInputs()
{
    EscrowInputs inputs;
    for (int item = 1; item <= kEscrowItems; ++item)
    {
        inputs.reserveMonths[item - 1] = TextOf(ReserveMonthsBox(item));
        inputs.monthlyDeposits[item - 1] = TextOf(MonthlyDepositBox(item));
    }
    inputs.firstPaymentMonth = TextOf(m_editFirstPaymentMonth);
    inputs.cushion = TextOf(m_editCushion);
    return inputs;
}

void CTallyvaneDlg::Recalculate()
{
    UpdateData(TRUE);
    const EscrowFigures figures =
        AnalyzeEscrow(CombinedSchedule(ReadItemSchedules(WorkingFolder())), ReadInputs());
    m_editMonthlyPayment.SetWindowText(TwoDecimalText(figures.monthlyPayment).c_str());
    m_editAdjustment.SetWindowText(ResultText(figures).c_str());
}

double CTallyvaneDlg::ComputeMonthlyPayment()
{
    const double payment = MonthlyPayment(CombinedSchedule(ReadItemSchedules(WorkingFolder())));
    m_editMonthlyPayment.SetWindowText(TwoDecimalText(payment).c_str());
    UpdateData(FALSE);
    return payment;
}

CString CTallyvaneDlg::LoadItemTotal(int item)
{
    const std::string total =
        ItemTotalText(ReadScheduleAmounts(ScheduleFilePath(WorkingFolder(), item)));
    Recalculate();
    return CString(total);
}

void CTallyvaneDlg::OnTwoMonths()
{
    // The flag still holds the state from before the click; the box has already toggled.
    if (m_bTwoMonths != 0)
    {
        m_bTwoMonths = 0;
    }
    else
    {
        m_bTwoMonths = 1;
        m_editCushion.SetWindowText(TwoMonthsCushionText(ComputeMonthlyPayment()).c_str());
        Recalculate();
    }
    UpdateData(FALSE);
}

void CTallyvaneDlg::OnKillFocusInput()
{
    Recalculate();
}

void CTallyvaneDlg::OnButtonItem1()
{
    EditSchedule(1);
    RefreshItem(1);
}

void CTallyvaneDlg::OnButtonItem2()
{
    EditSchedule(2);
    RefreshItem(2);
}

void CTallyvaneDlg::OnButtonItem3()
{
    EditSchedule(3);
    RefreshItem(3);
}

void CTallyvaneDlg::OnButtonItem4()
{
    EditSchedule(4);
    RefreshItem(4);
}

void CTallyvaneDlg::OnButtonItem5()
{
    EditSchedule(5);
    RefreshItem(5);
}

void CTallyvaneDlg::OnButtonItem6()
{
    EditSchedule(6);
    RefreshItem(6);
}

void CTallyvaneDlg::OnButtonItem7()
{
    EditSchedule(7);
    RefreshItem(7);
}

void CTallyvaneDlg::OnButtonItem8()
{
    EditSchedule(8);
    RefreshItem(8);
}

void CTallyvaneDlg::OnReset()
{
    if (const std::optional<FilePath> folder = WorkingFolder())
    {
        std::error_code error;
        for (std::filesystem::directory_iterator entry(*folder, error), end; !error && entry != end;
             entry.increment(error))
        {
            // A file that cannot be deleted stays; the others still go.
            if (_wcsicmp(entry->path().extension().c_str(), L".txt") == 0 &&
                entry->is_regular_file(error))
                ::DeleteFileW(entry->path().c_str());
        }
    }
    ClearForm();
}

void CTallyvaneDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & 0xFFF0) == ID_SYSCMD_ABOUT)
    {
        CAboutDlg about;
        about.DoModal();
    }
    else
    {
        CDialog::OnSysCommand(id, lParam);
    }
}

void CTallyvaneDlg::OnPaint()
{
    if (!IsIconic())
    {
        CDialog::OnPaint();
        return;
    }
    // Minimised: the icon, centred in the client area.
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - iconWidth + 1) / 2;
    const int y = (client.Height() - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CTallyvaneDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

#include "dialogs/TallyvaneDlg.h"

#include "core/closing/ClosingRecords.h"
#include "core/closing/WorkingClosing.h"
#include "core/escrow/ItemHeadings.h"
#include "core/escrow/ReserveMonths.h"
#include "core/escrow/Schedules.h"
#include "core/files/SaveFailureMessage.h"
#include "core/files/WorkingFiles.h"
#include "core/files/WorkingFolder.h"
#include "core/money/NumberFormat.h"
#include "core/statement/EscrowStatement.h"
#include "core/statement/NamedLoan.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/Disbursements.h"
#include "dialogs/FormItems.h"
#include "dialogs/SaveFailedDlg.h"
#include "dialogs/StatementDlg.h"
#include "fields/EditBoxText.h"
#include "framework/AccessibleControls.h"
#include "framework/TextEncoding.h"
#include "framework/WinApp.h"
#include "res/resource.h"

#include <string>

namespace
{

// What a cleared form shows: January of the year the form was made for, and no amount on the
// item buttons.
constexpr char kDefaultFirstPaymentMonth[] = "01";
constexpr char kDefaultFirstPaymentYear[] = "2004";
constexpr char kNoItemTotal[] = "$0.00";

constexpr wchar_t kResetQuestion[] = L"Clear the form and delete all disbursement schedules?";

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
ON_CONTROL_RANGE(BN_CLICKED, IDC_ITEM1, IDC_ITEM8, OnItemButton)
ON_BN_CLICKED(IDC_TWO_MONTHS, OnTwoMonths)
ON_CONTROL_RANGE(EN_KILLFOCUS, kFirstAnalysisInput, kLastAnalysisInput, OnKillFocusInput)
ON_EN_KILLFOCUS(IDC_FIRST_PAYMENT_YEAR, OnKillFocusYear)
ON_CONTROL_RANGE(EN_CHANGE, kFirstAnalysisInput, kLastAnalysisInput, OnChangeInput)
ON_MESSAGE(kClosingSavedMessage, OnClosingSaved)
ON_MESSAGE(WM_COPYDATA, OnCopyData)
ON_MESSAGE(kOpenHandedClosingMessage, OnOpenHandedClosing)
ON_MESSAGE(kTellClosingLeftMessage, OnTellClosingLeft)
ON_MESSAGE(WM_ENABLE, OnEnableForm)
ON_WM_CLOSE()
ON_BN_CLICKED(IDC_RESET, OnReset)
ON_BN_CLICKED(IDC_SHOW_STATEMENT, OnShowStatement)
ON_BN_CLICKED(IDC_DETAILS, OnDetails)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
ON_COMMAND_RANGE(ID_FILE_RECENT_FIRST, ID_FILE_RECENT_LAST, OnFileRecent)
ON_COMMAND(ID_FILE_EXIT, OnFileExit)
ON_COMMAND(ID_WHOLE_CENT, OnWholeCentCommand)
ON_COMMAND(ID_HELP_ABOUT, OnHelpAbout)
ON_WM_QUERYENDSESSION()
ON_WM_ENDSESSION()
END_MESSAGE_MAP()

CTallyvaneDlg::CTallyvaneDlg(CWnd* parent)
    : CDialog(IDD_TALLYVANE_DIALOG, parent), m_bTwoMonths(0),
      m_hIcon(AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : nullptr)
{
    LoadAccelerators(IDR_FORM_ACCELERATORS);
}

INT_PTR CTallyvaneDlg::DoModal()
{
    const INT_PTR result = CDialog::DoModal();
    m_saves.Flush();
    return result;
}

void CTallyvaneDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int index = 0; index < kEscrowItems; ++index)
    {
        DDX_Control(pDX, kFormItems[index].monthsBox, m_items[index].months);
        DDX_Control(pDX, kFormItems[index].depositBox, m_items[index].deposit);
        DDX_Control(pDX, kFormItems[index].button, m_items[index].button);
    }
    DDX_Control(pDX, IDC_FIRST_PAYMENT_MONTH, m_editFirstPaymentMonth);
    DDX_Control(pDX, IDC_FIRST_PAYMENT_YEAR, m_editFirstPaymentYear);
    DDX_Control(pDX, IDC_CUSHION, m_editCushion);
    DDX_Control(pDX, IDC_MONTHLY_PAYMENT, m_editMonthlyPayment);
    DDX_Control(pDX, IDC_ADJUSTMENT, m_editAdjustment);
    DDX_Control(pDX, IDC_LABEL_RESERVES, m_labelReserves);
    DDX_Control(pDX, IDC_LABEL_SCHEDULE, m_labelSchedule);
    DDX_Control(pDX, IDC_LABEL_FIRST_PAYMENT, m_labelFirstPayment);
    DDX_Control(pDX, IDC_LABEL_CUSHION, m_labelCushion);
    DDX_Control(pDX, IDC_LABEL_ADJUSTMENT, m_labelAdjustment);
    DDX_Control(pDX, IDC_BANNER, m_banner);
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
    NameControlsForScreenReaders();

    for (CLabel* heading : {&m_labelReserves, &m_labelSchedule, &m_labelFirstPayment,
                            &m_labelCushion, &m_labelAdjustment})
        heading->SetBold(TRUE);

    // No box takes more than a stored line keeps, so no stored line runs into the next.
    for (ItemControls& item : m_items)
    {
        item.months.SendMessage(EM_LIMITTEXT, kLineWriteLimit);
        item.deposit.SendMessage(EM_LIMITTEXT, kLineWriteLimit);
    }
    for (CHotEdit* box : {&m_editFirstPaymentMonth, &m_editFirstPaymentYear, &m_editCushion})
        box->SendMessage(EM_LIMITTEXT, kLineWriteLimit);

    const std::optional<FilePath> folder = WorkingFolder();
    RemoveStrayTemporaryFiles(folder);
    m_bWholeCent = ReadWholeCentFile(folder);
    m_details = ReadDetailsFile(folder);
    m_recentClosings = ReadRecentClosings(folder);
    m_closingFile = ReadOpenClosingPath(folder);
    // Another program has the closing open: this one goes on with the figures, untitled.
    if (m_closingFile && !LockClosing(*m_closingFile))
    {
        m_closingFile.reset();
        WriteOpenClosingPath(folder, std::nullopt);
    }
    ShowRecentClosings();
    ShowWholeCentChoice();
    // The folder's figures reach the closing file only once it is known what becomes of it.
    m_closingSavesHeld = m_closingFile.has_value();
    std::optional<WorkingSchedules> schedules;
    if (FileExists(WorkingFilePath(kFormFileName)))
        schedules = LoadForm();
    else
        ClearForm();
    m_closingSavesHeld = false;
    if (m_closingFile)
    {
        const WorkingSchedules* read = schedules ? &*schedules : nullptr;
        switch (MeetClosingAtStart(folder, CurrentClosing(FormFileBytes(), read)))
        {
        case ClosingAtStart::SaveFolder:
            // The save the form's loading held.
            if (read)
                SaveAsTyped(read);
            break;
        case ClosingAtStart::OpenFile:
            if (!OpenClosing(*m_closingFile))
                KeepFiguresUntitled();
            break;
        case ClosingAtStart::LeaveFile:
            break;
        }
    }
    ShowCaption();
    if (!m_closingLeftAtStart.empty())
        ::PostMessageW(m_hWnd, kTellClosingLeftMessage, 0, 0);
    if (m_openAtStart && SaveOrDiscardBeforeLeaving())
        OpenClosing(*m_openAtStart);
    return TRUE;
}

void CTallyvaneDlg::OnOK()
{
    if (!SaveBeforeClosing())
        return;
    UnlockClosing();
    CDialog::OnOK();
}

void CTallyvaneDlg::OnCancel()
{
    if (!SaveBeforeClosing())
        return;
    UnlockClosing();
    CDialog::OnCancel();
}

bool CTallyvaneDlg::SaveBeforeClosing()
{
    // The box being typed in is saved as if left, while the closing file is still locked; the
    // saves as typed then end first, so the last word on disk is this one.
    SaveAsTyped();
    m_saves.Flush();
    for (;;)
    {
        const SaveFailure failure = SaveForm();
        if (failure == SaveFailure::None)
            return true;
        CSaveFailedDlg question(
            SaveFailureMessage(WorkingFilePath(kFormFileName), kFormFileName, failure));
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

void CTallyvaneDlg::ClearForm()
{
    for (ItemControls& item : m_items)
    {
        item.months.SetWindowText("");
        item.deposit.SetWindowText("");
    }
    for (ItemControls& item : m_items)
        item.button.SetWindowText(kNoItemTotal);
    m_editFirstPaymentMonth.SetWindowText(kDefaultFirstPaymentMonth);
    m_editFirstPaymentYear.SetWindowText(kDefaultFirstPaymentYear);
    m_editCushion.SetWindowText("");
    m_editMonthlyPayment.SetWindowText("");
    m_editAdjustment.SetWindowText("");
}

std::string CTallyvaneDlg::FormFileBytes()
{
    UpdateData(TRUE);
    LineWriter out;
    for (const ItemControls& item : m_items)
        WriteEditBoxPair(item.months, item.deposit, out);
    WriteEditBoxText(m_editFirstPaymentMonth, out);
    WriteEditBoxText(m_editFirstPaymentYear, out);
    out.WriteLine(std::to_string(m_bTwoMonths));
    WriteEditBoxText(m_editCushion, out);
    return out.Bytes();
}

std::string CTallyvaneDlg::ClearedFormFileBytes()
{
    LineWriter out;
    for (int line = 0; line < 2 * kEscrowItems; ++line)
        out.WriteLine("");
    out.WriteLine(kDefaultFirstPaymentMonth);
    out.WriteLine(kDefaultFirstPaymentYear);
    out.WriteLine("0");
    out.WriteLine("");
    return out.Bytes();
}

SaveFailure CTallyvaneDlg::SaveForm()
{
    return SaveFileSafely(WorkingFilePath(kFormFileName), FormFileBytes());
}

WorkingSchedules CTallyvaneDlg::LoadForm()
{
    {
        LineReader in(WorkingFilePath(kFormFileName));
        for (ItemControls& item : m_items)
            ReadEditBoxPair(item.months, item.deposit, in);
        ReadEditBoxText(m_editFirstPaymentMonth, in);
        ReadEditBoxText(m_editFirstPaymentYear, in);
        m_bTwoMonths = ParseWholeNumber(in.ReadLine());
        ReadEditBoxText(m_editCushion, in);
    }
    UpdateData(FALSE);
    // What the form file holds needs no save until a box changes.
    m_savedFormFile = FormFileBytes();
    ShowCushionEditable();
    const WorkingSchedules schedules = ReadWorkingSchedules(WorkingFolder());
    for (int item = 1; item <= kEscrowItems; ++item)
        ShowItemTotal(item, schedules.amounts[item - 1]);
    ShowFigures(schedules);
    return schedules;
}

void CTallyvaneDlg::EditSchedule(int item)
{
    CDisbursements schedule(nullptr, item);
    schedule.DoModal();
}

EscrowInputs CTallyvaneDlg::ReadInputs() const
{
    EscrowInputs inputs;
    for (int index = 0; index < kEscrowItems; ++index)
    {
        inputs.reserveMonths[index] = TextOf(m_items[index].months);
        inputs.monthlyDeposits[index] = TextOf(m_items[index].deposit);
    }
    inputs.firstPaymentMonth = TextOf(m_editFirstPaymentMonth);
    inputs.cushion = TextOf(m_editCushion);
    inputs.twoMonths = TwoMonthsOn();
    inputs.wholeCentPayment = m_bWholeCent;
    return inputs;
}

void CTallyvaneDlg::ShowFigures(const WorkingSchedules& schedules)
{
    ShowResults(CombinedSchedule(schedules.amounts));
    SaveAsTyped(&schedules);
    ShowCaption();
}

void CTallyvaneDlg::ShowResults(const MonthAmounts& combined)
{
    EscrowInputs inputs = ReadInputs();
    if (TwoMonthsOn())
        m_editCushion.SetWindowTextIfChanged(CushionText(combined, inputs).c_str());
    const EscrowFigures figures = AnalyzeEscrow(combined, inputs);
    m_editMonthlyPayment.SetWindowTextIfChanged(TwoDecimalText(figures.monthlyPayment).c_str());
    m_editAdjustment.SetWindowTextIfChanged(ResultText(figures).c_str());
}

void CTallyvaneDlg::ShowCushionEditable()
{
    m_editCushion.SendMessage(EM_SETREADONLY, TwoMonthsOn());
}

void CTallyvaneDlg::NameControlsForScreenReaders()
{
    for (int item = 1; item <= kEscrowItems; ++item)
    {
        const FormItem& line = kFormItems[item - 1];
        const std::wstring name = WideFromUtf8(ItemSpokenName(item));
        SetAccessibleName(m_hWnd, line.monthsBox, name + L", months");
        SetAccessibleName(m_hWnd, line.depositBox, name + L", per month");
        SetAccessibleName(m_hWnd, line.button, name + L" schedule");
    }
    const struct
    {
        int id;
        const wchar_t* name;
    } named[] = {
        {IDC_FIRST_PAYMENT_MONTH, L"First payment month"},
        {IDC_FIRST_PAYMENT_YEAR, L"First payment year"},
        {IDC_TWO_MONTHS, L"Cushion of two months"},
        {IDC_CUSHION, L"Escrow cushion"},
        {IDC_MONTHLY_PAYMENT, L"Monthly escrow payment"},
        {IDC_ADJUSTMENT, L"Aggregate escrow adjustment"},
    };
    for (const auto& control : named)
        SetAccessibleName(m_hWnd, control.id, control.name);
}

void CTallyvaneDlg::ShowItemTotal(int item, const MonthAmounts& schedule)
{
    m_items[item - 1].button.SetWindowTextIfChanged(ItemTotalText(schedule).c_str());
}

void CTallyvaneDlg::Recalculate()
{
    ShowFigures(ReadWorkingSchedules(WorkingFolder()));
}

void CTallyvaneDlg::OnItemButton(UINT id)
{
    const int item = ItemOfButton(static_cast<int>(id));
    if (item == 0)
        return;
    EditSchedule(item);
    const WorkingSchedules schedules = ReadWorkingSchedules(WorkingFolder());
    ShowItemTotal(item, schedules.amounts[item - 1]);
    ShowFigures(schedules);
}

void CTallyvaneDlg::OnTwoMonths()
{
    // The flag still holds the state from before the click; the box has already toggled.
    m_bTwoMonths = TwoMonthsOn() ? 0 : 1;
    UpdateData(FALSE);
    ShowCushionEditable();
    if (TwoMonthsOn())
    {
        Recalculate();
        return;
    }
    SaveAsTyped();
    ShowCaption();
}

void CTallyvaneDlg::OnKillFocusInput(UINT id)
{
    if (IsAnalysisInput(static_cast<int>(id)))
        Recalculate();
}

void CTallyvaneDlg::OnChangeInput(UINT id)
{
    // Only the box being typed in: the program's own texts (loading, clearing, the cushion of
    // "two months") are not typing.
    if (!IsAnalysisInput(static_cast<int>(id)) || ::GetFocus() != ::GetDlgItem(m_hWnd, id))
        return;
    ShowResults(CombinedSchedule(ReadItemSchedules(WorkingFolder())));
}

void CTallyvaneDlg::OnKillFocusYear()
{
    SaveAsTyped();
    ShowCaption();
}

void CTallyvaneDlg::OnReset()
{
    // One click would otherwise lose every schedule typed: No, the default, changes nothing.
    if (::MessageBoxW(m_hWnd, kResetQuestion, kMessageCaption,
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    m_saves.Flush();
    RemoveWorkingTextFiles(WorkingFolder());
    m_bWholeCent = false;
    m_details = ClosingDetails{};
    ShowWholeCentChoice();
    ClearForm();
    // The folder stays as Reset leaves it, with no form file, until the next change is saved.
    m_savedFormFile.clear();
    ShowCaption();
}

void CTallyvaneDlg::OnShowStatement()
{
    // One reading of the schedules serves the analysis, the statement and the suggestions, so all
    // show the same; the statement is modal, so they stay the schedules on disk while it shows.
    const WorkingSchedules schedules = ReadWorkingSchedules(WorkingFolder());
    const CStatementDlg::Suggestions suggestions =
        SuggestReserves(schedules.amounts, TextOf(m_editFirstPaymentMonth), TwoMonthsOn());
    CStatementDlg statement(AnalyzeForStatement(schedules), this);
    statement.OfferWholeCentChoice(m_bWholeCent, [this, &schedules](bool on) {
        SetWholeCentPayment(on);
        return AnalyzeForStatement(schedules);
    });
    statement.OfferSuggestions(suggestions, [this, &schedules, &suggestions] {
        UseSuggestedReserves(suggestions);
        return AnalyzeForStatement(schedules);
    });
    statement.DoModal();
}

EscrowStatement CTallyvaneDlg::AnalyzeForStatement(const WorkingSchedules& schedules)
{
    ShowFigures(schedules);
    // The year is the one text of the boxes the statement shows; the statement's texts are UTF-8.
    EscrowStatement statement = BuildStatement(schedules.amounts, ReadInputs(),
                                               Utf8FromCodePage(TextOf(m_editFirstPaymentYear)));
    SYSTEMTIME today{};
    ::GetLocalTime(&today);
    NameTheLoan(statement, m_details, CalendarDate{today.wYear, today.wMonth, today.wDay});
    return statement;
}

void CTallyvaneDlg::UseSuggestedReserves(const CStatementDlg::Suggestions& suggestions)
{
    for (int index = 0; index < kEscrowItems; ++index)
    {
        if (!suggestions[index])
            continue;
        m_items[index].months.SetWindowText(std::to_string(suggestions[index]->months).c_str());
        m_items[index].deposit.SetWindowText(suggestions[index]->deposit.c_str());
    }
}

void CTallyvaneDlg::SetWholeCentPayment(bool on)
{
    m_bWholeCent = on;
    ShowWholeCentChoice();
    const std::optional<FilePath> folder = WorkingFolder();
    const SaveFailure failure = WriteWholeCentFile(folder, on);
    if (failure != SaveFailure::None)
        ::MessageBoxW(
            m_hWnd,
            SaveFailureMessage(WholeCentFilePath(folder), kWholeCentFileName, failure).c_str(),
            kMessageCaption, MB_OK | MB_ICONWARNING);
}

BOOL CTallyvaneDlg::OnQueryEndSession()
{
    return TRUE;
}

void CTallyvaneDlg::OnEndSession(BOOL ending)
{
    if (!ending)
        return;
    m_saves.Flush();
    SaveForm();
    UnlockClosing();
}

void CTallyvaneDlg::OnSysCommand(UINT id, LPARAM lParam)
{
    if ((id & kSysCommandMask) == ID_SYSCMD_ABOUT)
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

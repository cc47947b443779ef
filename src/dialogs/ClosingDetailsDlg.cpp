#include "dialogs/ClosingDetailsDlg.h"

#include "core/money/NumberFormat.h"
#include "dialogs/SaveFailedDlg.h"
#include "fields/EditBoxText.h"
#include "framework/AccessibleControls.h"
#include "framework/TextEncoding.h"
#include "res/resource.h"

#include <cstdio>
#include <optional>
#include <utility>

namespace
{
constexpr wchar_t kNotAnAmount[] = L"The monthly principal and interest is not an amount.";

// The lines of the details (ended by LF) as an edit box ends them (CR LF).
std::string WithBoxLineEnds(const std::string& text)
{
    std::string box;
    for (std::size_t at = 0; at < text.size(); ++at)
    {
        if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r'))
            box += '\r';
        box += text[at];
    }
    return box;
}

// An edit box's lines (ended by CR LF) as the details end them (LF).
std::string WithDetailsLineEnds(const std::string& text)
{
    std::string details;
    for (std::size_t at = 0; at < text.size(); ++at)
        if (!(text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n'))
            details += text[at];
    return details;
}

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whether a text that is not empty is an amount: ParseMoney finds a number in it, or it has a
// digit; and it has no letter in any script.
bool IsAmount(const std::string& text)
{
    bool digit = false;
    for (wchar_t character : WideFromUtf8(text))
    {
        if (::IsCharAlphaW(character))
            return false;
        digit = digit || (character >= L'0' && character <= L'9');
    }
    return digit || ParseMoney(text) != 0;
}

// The closing date's text "YYYY-MM-DD" as a day the picker can be set to: exactly that form, a
// year from 1, a month of the year and a day of that month, leap years counted. These stand in
// for the core's reading of a closing date until the two branches meet.
std::optional<SYSTEMTIME> DayOfDateText(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int figures[3] = {};
    const std::pair<std::size_t, std::size_t> parts[3] = {{0, 4}, {5, 2}, {8, 2}};
    for (int part = 0; part < 3; ++part)
        for (std::size_t at = parts[part].first; at < parts[part].first + parts[part].second; ++at)
        {
            if (text[at] < '0' || text[at] > '9')
                return std::nullopt;
            figures[part] = figures[part] * 10 + (text[at] - '0');
        }
    const int year = figures[0];
    const int month = figures[1];
    const int day = figures[2];
    static const int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (year < 1 || month < 1 || month > 12 || day < 1 ||
        day > kDaysInMonth[month - 1] + (month == 2 && leap ? 1 : 0))
        return std::nullopt;
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    return time;
}

std::string DateTextOfDay(const SYSTEMTIME& day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", day.wYear, day.wMonth, day.wDay);
    return text;
}
} // namespace

CClosingDetailsDlg::CClosingDetailsDlg(ClosingDetails details, CWnd* parent)
    : CDialog(IDD_CLOSING_DETAILS, parent), m_details(std::move(details))
{
}

void CClosingDetailsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAILS_LOAN_NUMBER, m_editLoanNumber);
    DDX_Control(pDX, IDC_DETAILS_BORROWERS, m_editBorrowers);
    DDX_Control(pDX, IDC_DETAILS_ADDRESS, m_editAddress);
    DDX_Control(pDX, IDC_DETAILS_LENDER, m_editLender);
    DDX_Control(pDX, IDC_DETAILS_CLOSING_DATE, m_dateClosing);
    DDX_Control(pDX, IDC_DETAILS_PRINCIPAL_AND_INTEREST, m_editPrincipalAndInterest);
}

BOOL CClosingDetailsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The boxes are named by the labels before them; a date picker would say its date.
    SetAccessibleName(m_hWnd, IDC_DETAILS_CLOSING_DATE, L"Closing date");
    SetUtf8Text(m_editLoanNumber, m_details.loanNumber);
    SetUtf8Text(m_editBorrowers, m_details.borrowers);
    SetUtf8Text(m_editAddress, WithBoxLineEnds(m_details.propertyAddress));
    SetUtf8Text(m_editLender, m_details.lender);
    SetUtf8Text(m_editPrincipalAndInterest, m_details.principalAndInterest);
    // A picker holds only a real day within its range: any other date shows as none.
    const std::optional<SYSTEMTIME> day = DayOfDateText(m_details.closingDate);
    if (!day || !m_dateClosing.SetTime(&*day))
        m_dateClosing.SetTime(nullptr);
    m_strDateShown = PickerDateText();
    return TRUE;
}

void CClosingDetailsDlg::OnOK()
{
    UpdateData(TRUE);
    ClosingDetails typed;
    typed.loanNumber = Utf8Text(m_editLoanNumber);
    typed.borrowers = Utf8Text(m_editBorrowers);
    typed.propertyAddress = WithDetailsLineEnds(Utf8Text(m_editAddress));
    typed.lender = Utf8Text(m_editLender);
    typed.closingDate = PickerDateText();
    typed.principalAndInterest = Trimmed(Utf8Text(m_editPrincipalAndInterest));
    if (!typed.principalAndInterest.empty() && !IsAmount(typed.principalAndInterest))
    {
        ::MessageBoxW(m_hWnd, kNotAnAmount, kMessageCaption, MB_OK | MB_ICONWARNING);
        // As the dialog's own navigation would: the focus and the whole text selected.
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_editPrincipalAndInterest.m_hWnd),
                    TRUE);
        return;
    }
    m_bClosingDateChanged = typed.closingDate != m_strDateShown;
    m_details = std::move(typed);
    EndDialog(IDOK);
}

std::string CClosingDetailsDlg::PickerDateText() const
{
    SYSTEMTIME day;
    if (m_dateClosing.GetTime(&day) != GDT_VALID)
        return {};
    return DateTextOfDay(day);
}

// The form's closing files: New closing, Open, Save, Save As, the recent closings, the details,
// and the caption that names the closing file.
#include "dialogs/TallyvaneDlg.h"

#include "core/closing/ClosingDate.h"
#include "core/closing/ClosingRecords.h"
#include "core/closing/WorkingClosing.h"
#include "core/files/SaveFailureMessage.h"
#include "core/files/WorkingFiles.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/ClosingDetailsDlg.h"
#include "dialogs/ClosingFileDialogs.h"
#include "dialogs/SaveFailedDlg.h"
#include "dialogs/SaveQuestionDlg.h"
#include "framework/LateLibrary.h"
#include "framework/TextEncoding.h"
#include "res/resource.h"

#include <shlobj.h>

#include <algorithm>

namespace
{

constexpr wchar_t kFormTitle[] = L"Aggregate Escrow Adjustment";

// Whether a schedule file holds anything but line ends and spaces.
bool HoldsAmounts(const std::optional<std::string>& file)
{
    return file && file->find_first_not_of(" \t\r\n") != std::string::npos;
}

// The file name of the process's program ("Tallyvane.exe"); empty when it cannot be told.
std::wstring ProgramFileName(HANDLE process)
{
    std::vector<wchar_t> image(32768);
    DWORD length = static_cast<DWORD>(image.size());
    if (!::QueryFullProcessImageNameW(process, 0, image.data(), &length))
        return {};
    return FilePath(std::wstring(image.data(), length)).filename().wstring();
}

// The path as a menu shows it: every "&" doubled, so none becomes a mnemonic.
std::wstring MenuText(const std::wstring& text)
{
    std::wstring escaped;
    for (wchar_t c : text)
        escaped += c == L'&' ? L"&&" : std::wstring(1, c);
    return escaped;
}

std::wstring WindowTextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

std::optional<ClosingContents> CTallyvaneDlg::CurrentClosing(std::string formFile,
                                                             const WorkingSchedules* read)
{
    // The schedules as their files hold them; the form, the details and the whole-cent choice
    // are the form's own, which their working files hold once saved.
    const std::optional<ScheduleFileBytes> files =
        read ? read->files : ReadScheduleFileBytes(WorkingFolder());
    if (!files)
        return std::nullopt;
    ClosingContents closing;
    closing.formFile = std::move(formFile);
    closing.scheduleFiles = *files;
    closing.details = m_details;
    closing.wholeCentPayment = m_bWholeCent;
    return closing;
}

bool CTallyvaneDlg::HoldsUnsavedFigures()
{
    if (m_closingFile)
    {
        // A closing with a file saves itself as typed: it holds unsaved figures only when its
        // last save failed.
        SaveAsTyped();
        m_saves.Flush();
        return m_lastClosingSave != SaveFailure::None;
    }
    const std::optional<ClosingContents> current = CurrentClosing(FormFileBytes());
    // An untitled closing holds figures once anything differs from a new closing's; one whose
    // schedules are too large for a closing file holds more than a new one.
    return !current || !current->details.IsEmpty() || current->wholeCentPayment ||
           std::any_of(current->scheduleFiles.begin(), current->scheduleFiles.end(),
                       HoldsAmounts) ||
           current->formFile != ClearedFormFileBytes();
}

bool CTallyvaneDlg::SaveOrDiscardBeforeLeaving()
{
    if (!HoldsUnsavedFigures())
        return true;
    CSaveQuestionDlg question(this);
    switch (question.DoModal())
    {
    case IDYES:
        return m_closingFile ? SaveClosingAs(*m_closingFile) : AskAndSaveClosing();
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool CTallyvaneDlg::SaveClosingAs(const FilePath& file)
{
    const bool anotherFile = !m_closingFile || !IsSameClosingPath(file, *m_closingFile);
    if (anotherFile && !LockClosing(file))
        return false;
    m_saves.Flush();
    // A schedule file too large for a closing file makes a closing that could not be opened.
    const std::optional<ClosingContents> closing = CurrentClosing(FormFileBytes());
    const SaveFailure failure = closing ? SaveClosingFile(file, *closing) : SaveFailure::TooLarge;
    if (failure != SaveFailure::None)
    {
        ShowSaveFailure(m_hWnd, SaveFailureMessage(file, file.filename().u8string(), failure));
        if (anotherFile)
            ReleaseClosingLock(file, m_self);
        return false;
    }
    if (anotherFile)
        UnlockClosing();
    m_closingFile = file;
    m_savedClosing = closing;
    m_lastClosingSave = SaveFailure::None;
    m_closingFileBehind = false;
    m_closingFailureTold = false;
    WriteOpenClosingPath(WorkingFolder(), m_closingFile);
    WriteSavedClosingDigest(WorkingFolder(), ClosingDigest(ClosingFileBytes(*closing)));
    RememberRecent(file);
    ShowCaption();
    return true;
}

bool CTallyvaneDlg::AskAndSaveClosing()
{
    const std::optional<FilePath> file =
        AskClosingToSaveAs(m_hWnd, RecentFolder(), m_details.loanNumber);
    return file && SaveClosingAs(*file);
}

bool CTallyvaneDlg::OpenClosing(const FilePath& file)
{
    const ClosingFileRead read = ReadClosingFile(file);
    if (read.problem != ClosingFileRead::Problem::None)
    {
        ::MessageBoxW(m_hWnd, ClosingFileProblemMessage(file, read).c_str(), kMessageCaption,
                      MB_OK | MB_ICONWARNING);
        return false;
    }
    const bool anotherFile = !m_closingFile || !IsSameClosingPath(file, *m_closingFile);
    if (anotherFile && !LockClosing(file))
        return false;
    // Saves still waiting belong to the closing being left; they end before its files go.
    m_saves.Flush();
    const std::optional<FilePath> folder = WorkingFolder();
    const std::optional<ClosingContents> leaving = CurrentClosing(FormFileBytes());
    const WorkingFileFailure failure = WriteWorkingClosing(folder, read.contents);
    if (failure.failure != SaveFailure::None)
    {
        // The files written before the refusal go back to the closing that stays open, or its
        // next save would take the other closing's figures into its file. They are written again
        // in the same order, up to the file that refused and was never changed.
        if (leaving)
            WriteWorkingClosing(folder, *leaving);
        ShowSaveFailure(m_hWnd,
                        SaveFailureMessage(failure.file, failure.fileName, failure.failure));
        if (anotherFile)
            ReleaseClosingLock(file, m_self);
        return false;
    }
    if (anotherFile)
        UnlockClosing();
    m_details = read.contents.details;
    m_bWholeCent = read.contents.wholeCentPayment;
    ShowWholeCentChoice();
    m_closingFile = file;
    m_savedClosing = read.contents;
    m_lastClosingSave = SaveFailure::None;
    m_closingFileBehind = false;
    m_closingFailureTold = false;
    WriteOpenClosingPath(folder, m_closingFile);
    WriteSavedClosingDigest(folder, ClosingDigest(ClosingFileBytes(read.contents)));
    if (read.contents.formFile)
    {
        LoadForm();
    }
    else
    {
        m_bTwoMonths = 0;
        UpdateData(FALSE);
        ShowCushionEditable();
        ClearForm();
        m_savedFormFile.clear();
    }
    RememberRecent(file);
    ShowCaption();
    return true;
}

std::optional<FilePath> CTallyvaneDlg::RecentFolder() const
{
    if (m_recentClosings.empty())
        return std::nullopt;
    return m_recentClosings.front().parent_path();
}

void CTallyvaneDlg::RememberRecent(const FilePath& file)
{
    // The system's recent documents too: the taskbar's and Start's lists show the closing.
    using AddToRecentFunction = void(WINAPI*)(UINT, LPCVOID);
    if (const auto addToRecent =
            LateFunctionAs<AddToRecentFunction>(L"shell32.dll", "SHAddToRecentDocs"))
        addToRecent(SHARD_PATHW, file.wstring().c_str());
    m_recentClosings = WithRecentClosing(m_recentClosings, file);
    WriteRecentClosings(WorkingFolder(), m_recentClosings);
    ShowRecentClosings();
}

void CTallyvaneDlg::ShowRecentClosings()
{
    HMENU menu = ::GetMenu(m_hWnd);
    HMENU file = menu ? ::GetSubMenu(menu, 0) : nullptr;
    if (!file)
        return;
    // The recent closings and their separator stand just before Exit.
    const auto exitPosition = [file] {
        const int count = ::GetMenuItemCount(file);
        for (int position = 0; position < count; ++position)
            if (::GetMenuItemID(file, position) == ID_FILE_EXIT)
                return position;
        return count;
    };
    for (; m_recentMenuItems > 0; --m_recentMenuItems)
        ::DeleteMenu(file, static_cast<UINT>(exitPosition() - 1), MF_BYPOSITION);
    if (m_recentClosings.empty())
        return;
    for (std::size_t index = 0; index < m_recentClosings.size(); ++index)
    {
        const std::wstring text =
            L"&" + std::to_wstring(index + 1) + L" " + MenuText(m_recentClosings[index].wstring());
        ::InsertMenuW(file, static_cast<UINT>(exitPosition()), MF_BYPOSITION | MF_STRING,
                      ID_FILE_RECENT_FIRST + index, text.c_str());
        ++m_recentMenuItems;
    }
    ::InsertMenuW(file, static_cast<UINT>(exitPosition()), MF_BYPOSITION | MF_SEPARATOR, 0,
                  nullptr);
    ++m_recentMenuItems;
}

void CTallyvaneDlg::ShowCaption()
{
    std::wstring caption = kFormTitle;
    if (m_closingFile)
        caption = m_closingFile->filename().wstring() +
                  (m_closingFileBehind ? L" (not saved)" : L"") + L" - " + caption;
    if (WindowTextOf(m_hWnd) != caption)
        ::SetWindowTextW(m_hWnd, caption.c_str());
}

void CTallyvaneDlg::ShowWholeCentChoice()
{
    if (HMENU menu = ::GetMenu(m_hWnd))
        ::CheckMenuItem(menu, ID_WHOLE_CENT, MF_BYCOMMAND | (m_bWholeCent ? MF_CHECKED : 0));
}

void CTallyvaneDlg::OnDetails()
{
    CClosingDetailsDlg details(m_details, this);
    if (details.DoModal() != IDOK)
        return;
    m_details = details.GetDetails();
    const std::optional<FilePath> folder = WorkingFolder();
    const SaveFailure failure = WriteDetailsFile(folder, m_details);
    if (failure != SaveFailure::None)
        ShowSaveFailure(m_hWnd,
                        SaveFailureMessage(DetailsFilePath(folder), kDetailsFileName, failure));
    // A loan paid in arrears: the first payment falls in the month after the next one.
    if (details.ClosingDateChanged())
        if (const std::optional<CalendarDate> closing = ParseClosingDate(m_details.closingDate))
        {
            const PaymentMonth first = FirstPaymentAfterClosing(*closing);
            m_editFirstPaymentMonth.SetWindowText(first.MonthText().c_str());
            m_editFirstPaymentYear.SetWindowText(first.YearText().c_str());
        }
    Recalculate();
}

void CTallyvaneDlg::OnFileNew()
{
    if (!SaveOrDiscardBeforeLeaving())
        return;
    m_saves.Flush();
    const std::optional<FilePath> folder = WorkingFolder();
    RemoveWorkingTextFiles(folder);
    UnlockClosing();
    m_closingFile.reset();
    m_savedClosing.reset();
    m_closingFileBehind = false;
    m_savedFormFile.clear();
    WriteOpenClosingPath(folder, std::nullopt);
    WriteSavedClosingDigest(folder, std::nullopt);
    m_details = ClosingDetails{};
    m_bWholeCent = false;
    ShowWholeCentChoice();
    m_bTwoMonths = 0;
    UpdateData(FALSE);
    ShowCushionEditable();
    ClearForm();
    ShowCaption();
}

void CTallyvaneDlg::OnFileOpen()
{
    if (!SaveOrDiscardBeforeLeaving())
        return;
    if (const std::optional<FilePath> file = AskClosingToOpen(m_hWnd, RecentFolder()))
        OpenClosing(*file);
}

void CTallyvaneDlg::OnFileSave()
{
    if (m_closingFile)
        SaveClosingAs(*m_closingFile);
    else
        AskAndSaveClosing();
}

void CTallyvaneDlg::OnFileSaveAs()
{
    AskAndSaveClosing();
}

void CTallyvaneDlg::OnFileRecent(UINT id)
{
    const std::size_t index = id - ID_FILE_RECENT_FIRST;
    if (index >= m_recentClosings.size())
        return;
    const FilePath file = m_recentClosings[index];
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
    {
        ::MessageBoxW(m_hWnd, (file.wstring() + L" was moved or deleted.").c_str(), kMessageCaption,
                      MB_OK | MB_ICONWARNING);
        m_recentClosings = WithoutRecentClosing(m_recentClosings, file);
        WriteRecentClosings(WorkingFolder(), m_recentClosings);
        ShowRecentClosings();
        return;
    }
    if (SaveOrDiscardBeforeLeaving())
        OpenClosing(file);
}

void CTallyvaneDlg::OnFileExit()
{
    OnClose();
}

void CTallyvaneDlg::OnWholeCentCommand()
{
    SetWholeCentPayment(!m_bWholeCent);
    Recalculate();
}

void CTallyvaneDlg::OnHelpAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CTallyvaneDlg::SaveAsTyped(const WorkingSchedules* read)
{
    const std::string formFile = FormFileBytes();
    if (formFile != m_savedFormFile)
    {
        m_savedFormFile = formFile;
        m_saves.Save(WorkingFilePath(kFormFileName), formFile);
    }
    if (!m_closingFile || m_closingSavesHeld)
        return;
    const std::optional<ClosingContents> closing = CurrentClosing(formFile, read);
    if (closing && !m_closingFileBehind && m_savedClosing && SameFigures(*closing, *m_savedClosing))
        return;
    std::string bytes = closing ? ClosingFileBytes(*closing) : std::string();
    const HWND window = m_hWnd;
    // Once the file holds the bytes, the working folder records them, right after and on the same
    // thread: a start then knows the file as this program left it.
    const auto told = [this, window, folder = WorkingFolder(),
                       digest = ClosingDigest(bytes)](SaveFailure failure) {
        if (failure == SaveFailure::None)
            WriteSavedClosingDigest(folder, digest);
        m_lastClosingSave = failure;
        ::PostMessageW(window, kClosingSavedMessage, static_cast<WPARAM>(failure), 0);
    };
    // A closing too large to open again is not saved, as Save does not save it: the file keeps
    // the closing it holds.
    if (!closing || bytes.size() > kClosingFileSizeLimit)
    {
        // Told after the saves still waiting, or one of them would report a success after it and
        // the caption lose its mark while the file is behind.
        m_saves.Flush();
        told(SaveFailure::TooLarge);
        return;
    }
    m_savedClosing = closing;
    m_saves.Save(*m_closingFile, std::move(bytes), told);
}

LRESULT CTallyvaneDlg::OnClosingSaved(WPARAM, LPARAM)
{
    // The latest save's outcome, whichever save this message was posted for.
    const SaveFailure result = m_lastClosingSave;
    m_closingFileBehind = result != SaveFailure::None;
    if (!m_closingFileBehind)
    {
        m_closingFailureTold = false;
    }
    else if (!m_closingFailureTold && m_closingFile)
    {
        // Told once, not at every change: the next change tries again, and the caption says
        // the file is behind until a save works.
        m_closingFailureTold = true;
        ShowSaveFailure(m_hWnd, SaveFailureMessage(*m_closingFile,
                                                   m_closingFile->filename().u8string(), result));
    }
    ShowCaption();
    return 0;
}

bool CTallyvaneDlg::LockClosing(const FilePath& file)
{
    if (m_self.computer.empty())
    {
        wchar_t user[256] = {};
        DWORD userLength = 256;
        wchar_t computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
        DWORD computerLength = MAX_COMPUTERNAME_LENGTH + 1;
        ::GetUserNameW(user, &userLength);
        ::GetComputerNameW(computer, &computerLength);
        m_self = {Utf8FromWide(user), Utf8FromWide(computer), ::GetCurrentProcessId()};
    }
    // Whether the lock's program still runs: a process of that number that is a copy of this
    // program (from any folder). Windows gives a dead program's number to new processes, and a
    // lock naming one of those is as stale as one naming nobody that runs. A process that cannot
    // be asked counts as running.
    const auto isRunning = [](unsigned long processId) {
        const HANDLE process =
            ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
        if (!process)
            return ::GetLastError() == ERROR_ACCESS_DENIED;
        DWORD code = 0;
        bool running = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
        if (running)
        {
            const std::wstring program = ProgramFileName(process);
            const std::wstring self = ProgramFileName(::GetCurrentProcess());
            running =
                program.empty() || self.empty() || ::lstrcmpiW(program.c_str(), self.c_str()) == 0;
        }
        ::CloseHandle(process);
        return running;
    };
    const std::optional<ClosingLockHolder> holder = TakeClosingLock(file, m_self, isRunning);
    if (!holder)
        return true;
    ::MessageBoxW(m_hWnd, WideFromUtf8(ClosingLockedMessage(file, *holder)).c_str(),
                  kMessageCaption, MB_OK | MB_ICONINFORMATION);
    return false;
}

void CTallyvaneDlg::UnlockClosing()
{
    if (m_closingFile)
        ReleaseClosingLock(*m_closingFile, m_self);
}

ClosingAtStart CTallyvaneDlg::MeetClosingAtStart(const std::optional<FilePath>& folder,
                                                 const std::optional<ClosingContents>& working)
{
    const FilePath file = *m_closingFile;
    const ClosingFileRead read = ReadClosingFile(file);
    const std::optional<std::string> lastSeen = ReadSavedClosingDigest(folder);
    const ClosingAtStart choice = ChooseClosingAtStart(read, working, lastSeen);
    switch (choice)
    {
    case ClosingAtStart::SaveFolder:
        if (read.problem == ClosingFileRead::Problem::None)
        {
            m_savedClosing = read.contents;
            // A folder that holds the file's figures knows the file as it is now.
            const std::string digest = ClosingDigest(ClosingFileBytes(read.contents));
            if (working && SameFigures(*working, read.contents) && lastSeen != digest)
                WriteSavedClosingDigest(folder, digest);
        }
        break;
    case ClosingAtStart::OpenFile:
        break;
    case ClosingAtStart::LeaveFile: {
        const std::wstring why =
            read.problem == ClosingFileRead::Problem::None
                ? ShownPath(file).wstring() +
                      L" was changed by another program since these figures were saved in it."
                : ClosingFileProblemMessage(file, read);
        KeepFiguresUntitled();
        m_closingLeftAtStart = why + L" The figures on the form go on as an untitled closing, and "
                                     L"the file is left as it is.";
        break;
    }
    }
    return choice;
}

void CTallyvaneDlg::KeepFiguresUntitled()
{
    const std::optional<FilePath> folder = WorkingFolder();
    UnlockClosing();
    m_closingFile.reset();
    m_savedClosing.reset();
    m_closingFileBehind = false;
    WriteOpenClosingPath(folder, std::nullopt);
    WriteSavedClosingDigest(folder, std::nullopt);
}

LRESULT CTallyvaneDlg::OnCopyData(WPARAM, LPARAM data)
{
    const auto* copied = reinterpret_cast<const COPYDATASTRUCT*>(data);
    if (!copied || copied->dwData != kOpenClosingData || !copied->lpData ||
        copied->cbData < sizeof(wchar_t))
        return FALSE;
    const auto* path = static_cast<const wchar_t*>(copied->lpData);
    m_handedClosing = FilePath(std::wstring(path, copied->cbData / sizeof(wchar_t) - 1));
    ::PostMessageW(m_hWnd, kOpenHandedClosingMessage, 0, 0);
    return TRUE;
}

LRESULT CTallyvaneDlg::OnOpenHandedClosing(WPARAM, LPARAM)
{
    // A modal window of the form disables it; the form's enabling asks again.
    if (!m_handedClosing || !::IsWindowEnabled(m_hWnd))
        return 0;
    const FilePath file = *m_handedClosing;
    m_handedClosing.reset();
    if (SaveOrDiscardBeforeLeaving())
        OpenClosing(file);
    return 0;
}

LRESULT CTallyvaneDlg::OnEnableForm(WPARAM enabled, LPARAM)
{
    if (enabled && m_handedClosing)
        ::PostMessageW(m_hWnd, kOpenHandedClosingMessage, 0, 0);
    return Default();
}

LRESULT CTallyvaneDlg::OnTellClosingLeft(WPARAM, LPARAM)
{
    const std::wstring told = std::move(m_closingLeftAtStart);
    m_closingLeftAtStart.clear();
    ::MessageBoxW(m_hWnd, told.c_str(), kMessageCaption, MB_OK | MB_ICONWARNING);
    return 0;
}

// The form's closing files in a real window: the details, Save As to a named file, New closing,
// Open again, the recent closings, the question before figures would be lost, and the files that
// are refused.
#include "DialogItems.h"
#include "FormFile.h"
#include "ModalDriver.h"
#include "TempFolder.h"
#include "WorkingFolderTest.h"

#include "core/closing/ClosingFile.h"
#include "core/closing/ClosingRecords.h"
#include "core/escrow/ItemHeadings.h"
#include "core/escrow/Schedules.h"
#include "dialogs/TallyvaneDlg.h"
#include "res/ClosingDetailsRes.h"
#include "res/resource.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

constexpr wchar_t kTitle[] = L"Aggregate Escrow Adjustment";
// The file name box of the system's open and save dialogs.
constexpr int kFileDialogName = 0x47C;

// Runs a menu command of the form; its handler has run when this returns.
void Command(HWND form, int id)
{
    ::SendMessageW(form, WM_COMMAND, id, 0);
}

// Types the text into the form's box and moves the focus on to `next`, as the user leaves a box.
void TypeAndLeave(HWND form, int box, const char* text, int next)
{
    SetText(form, box, text);
    ::SetFocus(::GetDlgItem(form, box));
    ::SetFocus(::GetDlgItem(form, next));
}

// Answers the next file dialog with the path.
void AnswerFileDialog(const char* caption, const FilePath& path)
{
    WhenDialogOpens(caption, [path](HWND dialog) {
        ::SetDlgItemTextW(dialog, kFileDialogName, path.wstring().c_str());
        ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
}

// Saves the form's closing as the file: the menu command (Save As, or Save of an untitled closing)
// and the system's save dialog answered with the path.
void SaveThroughDialog(HWND form, const FilePath& file, int command = ID_FILE_SAVE_AS)
{
    AnswerFileDialog("Save As", file);
    Command(form, command);
}

// Answers the question asked before figures would be lost with Save, Don't Save or Cancel.
void AnswerSaveQuestion(int button, bool& asked)
{
    WhenDialogOpens("Tallyvane", [button, &asked](HWND question) {
        asked = true;
        ::PostMessageW(question, WM_COMMAND, button, 0);
    });
}

std::wstring WindowCaption(HWND window)
{
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

// Hands the closing file to the form as a second start of the program does.
void HandOver(HWND form, const FilePath& file)
{
    const std::wstring path = file.wstring();
    COPYDATASTRUCT data{kOpenClosingData, static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)),
                        const_cast<wchar_t*>(path.c_str())};
    ::SendMessageW(form, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

// Starts the form on the working folder as it is and runs the steps in it. When the form `tells`
// something as it starts, its message (shown over the loaded form) is kept in `told` and answered
// first.
void StartForm(bool tells, std::string& told, const std::function<void(HWND)>& steps)
{
    told.clear();
    CTallyvaneDlg form;
    RunModal(form, [&] {
        if (tells)
        {
            // The message may be up already, these steps running in its loop.
            if (const HWND box = ThreadWindow("Tallyvane"))
            {
                told = Text(box, kMessageBoxText);
                ::PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
            else
            {
                WhenMessageOpens(told);
            }
            PumpUntil([&] { return !told.empty() && !ThreadWindow("Tallyvane"); });
        }
        else
        {
            PumpPending();
            EXPECT_EQ(ThreadWindow("Tallyvane"), nullptr) << "a message at start";
        }
        steps(form.m_hWnd);
        form.EndDialog(IDOK);
    });
}

class ClosingFilesTest : public WorkingFolderTest
{
protected:
    // The working folder's form, schedule and details files, as bytes; "-" for a missing file.
    std::vector<std::string> WorkingFiles() const
    {
        std::vector<std::string> files;
        for (const char* name : {"main.txt", "part1.txt", "part2.txt", "part3.txt", "part4.txt",
                                 "part5.txt", "part6.txt", "part7.txt", "part8.txt", "details.txt"})
            files.push_back(std::filesystem::exists(File(name)) ? ReadBytes(File(name)) : "-");
        return files;
    }

    TempFolder m_elsewhere;
};

// Details typed, Save As to a named file, New closing (the form empty, the file untouched), and
// Open again: every box, the flag, the schedules and the details come back byte for byte.
TEST_F(ClosingFilesTest, SaveAsNewAndOpenBringTheClosingBack)
{
    WorkedExample::Write(m_folder);
    const FilePath file = m_elsewhere.Path() / "Loan 2026-0142.tallyvane";
    std::vector<std::string> saved;
    std::string fileBytes;
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        EXPECT_EQ(WindowCaption(window), kTitle);
        WhenDialogOpens("Closing details", [](HWND details) {
            SetWideText(details, IDC_DETAILS_LOAN_NUMBER, L"2026-0142");
            SetWideText(details, IDC_DETAILS_BORROWERS, L"Jos\u00e9 N\u00fa\u00f1ez");
            ::PostMessageW(details, WM_COMMAND, IDOK, 0);
        });
        Click(window, IDC_DETAILS);
        Click(window, IDC_TWO_MONTHS);
        EXPECT_EQ(Text(window, IDC_ADJUSTMENT), WorkedExample::kTwoMonthsAdjustment);

        std::wstring offered;
        WhenDialogOpens("Save As", [&](HWND save) {
            offered = WideText(save, kFileDialogName);
            ::SetDlgItemTextW(save, kFileDialogName, file.wstring().c_str());
            ::PostMessageW(save, WM_COMMAND, IDOK, 0);
        });
        Command(window, ID_FILE_SAVE_AS);
        EXPECT_EQ(offered, L"2026-0142");
        EXPECT_EQ(WindowCaption(window), std::wstring(L"Loan 2026-0142.tallyvane - ") + kTitle);
        ASSERT_TRUE(std::filesystem::exists(file));
        fileBytes = ReadBytes(file);
        form.SendMessage(WM_CLOSE);
    });
    saved = WorkingFiles();

    CTallyvaneDlg again;
    RunModal(again, [&] {
        const HWND window = again.m_hWnd;
        // The next start shows the same closing under the same caption.
        EXPECT_EQ(WindowCaption(window), std::wstring(L"Loan 2026-0142.tallyvane - ") + kTitle);
        // Nothing to lose: New closing asks nothing.
        Command(window, ID_FILE_NEW);
        EXPECT_EQ(WindowCaption(window), kTitle);
        EXPECT_EQ(Text(window, IDC_MONTHS1), "");
        EXPECT_EQ(Text(window, IDC_ITEM2), "$0.00");
        EXPECT_FALSE(Checked(window, IDC_TWO_MONTHS));
        EXPECT_EQ(ReadBytes(file), fileBytes) << "New closing leaves the file";

        AnswerFileDialog("Open", file);
        Command(window, ID_FILE_OPEN);
        EXPECT_EQ(WindowCaption(window), std::wstring(L"Loan 2026-0142.tallyvane - ") + kTitle);
        EXPECT_EQ(Text(window, IDC_MONTHS1), WorkedExample::kMonths1);
        EXPECT_EQ(Text(window, IDC_ITEM2), WorkedExample::kItem2);
        EXPECT_TRUE(Checked(window, IDC_TWO_MONTHS));
        EXPECT_EQ(Text(window, IDC_ADJUSTMENT), WorkedExample::kTwoMonthsAdjustment);
        std::wstring borrowers;
        WhenDialogOpens("Closing details", [&](HWND details) {
            borrowers = WideText(details, IDC_DETAILS_BORROWERS);
            ::PostMessageW(details, WM_COMMAND, IDCANCEL, 0);
        });
        Click(window, IDC_DETAILS);
        EXPECT_EQ(borrowers, L"Jos\u00e9 N\u00fa\u00f1ez");
        again.SendMessage(WM_CLOSE);
    });
    EXPECT_EQ(WorkingFiles(), saved);
}

// A closing that holds figures its file does not have is never left without a question: Cancel
// keeps everything, Save goes through Save As (and Cancel there cancels the whole command), Don't
// Save starts the new closing.
TEST_F(ClosingFilesTest, NewClosingAsksBeforeFiguresAreLost)
{
    WorkedExample::Write(m_folder);
    const FilePath file = m_elsewhere.Path() / "kept.tallyvane";
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        const std::vector<std::string> before = WorkingFiles();
        bool asked = false;
        AnswerSaveQuestion(IDCANCEL, asked);
        Command(window, ID_FILE_NEW);
        EXPECT_TRUE(asked);
        EXPECT_EQ(Text(window, IDC_MONTHS1), WorkedExample::kMonths1);
        EXPECT_EQ(WorkingFiles(), before);

        asked = false;
        WhenDialogOpens("Tallyvane", [&](HWND question) {
            asked = true;
            WhenDialogOpens("Save As",
                            [](HWND save) { ::PostMessageW(save, WM_COMMAND, IDCANCEL, 0); });
            ::PostMessageW(question, WM_COMMAND, IDYES, 0);
        });
        Command(window, ID_FILE_NEW);
        EXPECT_TRUE(asked);
        EXPECT_EQ(Text(window, IDC_MONTHS1), WorkedExample::kMonths1)
            << "Cancel in Save As cancels New closing";
        EXPECT_EQ(WorkingFiles(), before);

        WhenDialogOpens("Tallyvane", [&](HWND question) {
            AnswerFileDialog("Save As", file);
            ::PostMessageW(question, WM_COMMAND, IDYES, 0);
        });
        Command(window, ID_FILE_NEW);
        EXPECT_EQ(Text(window, IDC_MONTHS1), "");
        ASSERT_TRUE(std::filesystem::exists(file));
        const ClosingFileRead read = ReadClosingFile(file);
        EXPECT_EQ(read.contents.formFile->substr(0, 3), "4\r\n");
        ASSERT_TRUE(read.contents.scheduleFiles[1]);
        EXPECT_NE(read.contents.scheduleFiles[1]->find("1200"), std::string::npos);

        SetText(window, IDC_MONTHS3, "2");
        asked = false;
        AnswerSaveQuestion(IDNO, asked);
        Command(window, ID_FILE_NEW);
        EXPECT_TRUE(asked);
        EXPECT_EQ(Text(window, IDC_MONTHS3), "");
        form.EndDialog(IDOK);
    });
}

// Closing 15 March 2026 makes the first payment May 2026; 20 December 2026 makes it February
// 2027.
TEST_F(ClosingFilesTest, TheClosingDateSetsTheFirstPaymentTheMonthAfterNext)
{
    const struct
    {
        WORD year, month, day;
        const char* firstMonth;
        const char* firstYear;
    } cases[] = {{2026, 3, 15, "05", "2026"}, {2026, 12, 20, "02", "2027"}};
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        for (const auto& c : cases)
        {
            WhenDialogOpens("Closing details", [&](HWND details) {
                SYSTEMTIME date{};
                date.wYear = c.year;
                date.wMonth = c.month;
                date.wDay = c.day;
                ::SendDlgItemMessageW(details, IDC_DETAILS_CLOSING_DATE, DTM_SETSYSTEMTIME,
                                      GDT_VALID, reinterpret_cast<LPARAM>(&date));
                ::PostMessageW(details, WM_COMMAND, IDOK, 0);
            });
            Click(window, IDC_DETAILS);
            EXPECT_EQ(Text(window, IDC_FIRST_PAYMENT_MONTH), c.firstMonth);
            EXPECT_EQ(Text(window, IDC_FIRST_PAYMENT_YEAR), c.firstYear);
        }
        form.EndDialog(IDOK);
    });
}

// Files that are no closing file, or of a newer version, are told and change nothing; a recent
// closing that was moved is told and leaves the list.
TEST_F(ClosingFilesTest, RefusedFilesAndMovedRecentClosingsChangeNothing)
{
    WorkedExample::Write(m_folder);
    const struct
    {
        const char* name;
        std::string bytes;
        const char* told;
    } cases[] = {
        {"empty.tallyvane", "", "is not a Tallyvane closing file."},
        {"binary.tallyvane", std::string("\x00\x01\xFF\xFE garbage", 12),
         "is not a Tallyvane closing file."},
        {"utf16.tallyvane", std::string("\xFF\xFET\0a\0l\0", 8),
         "is not a Tallyvane closing file."},
        {"newer.tallyvane", "Tallyvane closing file, version 2\r\n", "newer version"},
    };
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        const std::vector<std::string> before = WorkingFiles();
        for (const auto& c : cases)
        {
            SCOPED_TRACE(c.name);
            const FilePath file = m_elsewhere.Path() / c.name;
            WriteBytes(file, c.bytes);
            std::string told;
            WhenDialogOpens("Tallyvane", [&](HWND question) {
                WhenDialogOpens("Open", [&](HWND open) {
                    WhenMessageOpens(told);
                    ::SetDlgItemTextW(open, kFileDialogName, file.wstring().c_str());
                    ::PostMessageW(open, WM_COMMAND, IDOK, 0);
                });
                ::PostMessageW(question, WM_COMMAND, IDNO, 0);
            });
            Command(window, ID_FILE_OPEN);
            EXPECT_NE(told.find(c.name), std::string::npos) << told;
            EXPECT_NE(told.find(c.told), std::string::npos) << told;
            EXPECT_EQ(Text(window, IDC_MONTHS1), WorkedExample::kMonths1);
            EXPECT_EQ(WorkingFiles(), before);
            EXPECT_EQ(WindowCaption(window), kTitle);
        }

        // Saved, then moved: its recent entry is told and goes.
        const FilePath saved = m_elsewhere.Path() / "moved.tallyvane";
        SaveThroughDialog(window, saved);
        HMENU fileMenu = ::GetSubMenu(::GetMenu(window), 0);
        EXPECT_EQ(::GetMenuState(fileMenu, ID_FILE_RECENT_FIRST, MF_BYCOMMAND) & MF_DISABLED, 0u);
        std::filesystem::rename(saved, m_elsewhere.Path() / "elsewhere.tallyvane");
        std::string told;
        WhenMessageOpens(told);
        Command(window, ID_FILE_RECENT_FIRST);
        EXPECT_EQ(told, saved.u8string() + " was moved or deleted.");
        EXPECT_EQ(::GetMenuState(fileMenu, ID_FILE_RECENT_FIRST, MF_BYCOMMAND), 0xFFFFFFFFu);

        // Opened from the recent list.
        AnswerFileDialog("Open", m_elsewhere.Path() / "elsewhere.tallyvane");
        Command(window, ID_FILE_OPEN);
        Command(window, ID_FILE_NEW);
        Command(window, ID_FILE_RECENT_FIRST);
        EXPECT_EQ(WindowCaption(window), std::wstring(L"elsewhere.tallyvane - ") + kTitle);
        EXPECT_EQ(Text(window, IDC_MONTHS1), WorkedExample::kMonths1);
        form.EndDialog(IDOK);
    });
}

// Ctrl+N, Ctrl+O and Ctrl+S are the form's New closing, Open and Save. A closing with a file saves
// itself as typed: a box left changed is in the file within a second, and the caption stays.
TEST_F(ClosingFilesTest, KeysAndTheChangedMark)
{
    const HACCEL keys =
        ::LoadAcceleratorsW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_FORM_ACCELERATORS));
    ASSERT_NE(keys, nullptr);
    ACCEL table[8] = {};
    const int count = ::CopyAcceleratorTableW(keys, table, 8);
    std::vector<std::pair<WORD, WORD>> shortcuts;
    for (int i = 0; i < count; ++i)
        shortcuts.emplace_back(table[i].key, table[i].cmd);
    EXPECT_EQ(shortcuts, (std::vector<std::pair<WORD, WORD>>{
                             {'N', ID_FILE_NEW}, {'O', ID_FILE_OPEN}, {'S', ID_FILE_SAVE}}));

    const FilePath file = m_elsewhere.Path() / "marked.tallyvane";
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        SaveThroughDialog(window, file, ID_FILE_SAVE);
        EXPECT_EQ(WindowCaption(window), std::wstring(L"marked.tallyvane - ") + kTitle);
        // Saved, the closing is among the system's recent documents.
        wchar_t recent[MAX_PATH] = {};
        ASSERT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_RECENT, nullptr, 0, recent)));
        EXPECT_TRUE(std::filesystem::exists(FilePath(recent) / "marked.tallyvane.lnk"));
        TypeAndLeave(window, IDC_MONTHS1, "3", IDC_MONTHS2);
        EXPECT_TRUE(PumpUntil(
            [&] { return ReadClosingFile(file).contents.formFile->substr(0, 3) == "3\r\n"; }));
        EXPECT_EQ(ReadBytes(File("main.txt")).substr(0, 3), "3\r\n");
        EXPECT_EQ(WindowCaption(window), std::wstring(L"marked.tallyvane - ") + kTitle);
        form.EndDialog(IDOK);
    });
}

// Leaving a changed box saves the closing file with the schedule files as they are on disk then,
// byte for byte and each in its own place, those the analysis found missing and left empty too.
TEST_F(ClosingFilesTest, LeavingAChangedBoxSavesTheSchedulesAsTheyAre)
{
    WriteBytes(File("part1.txt"), "\r\n\r\n600.00\r\n");
    WriteBytes(File("part3.txt"), "1\r2\r\n$1,200.00\n");
    const FilePath file = m_elsewhere.Path() / "typed.tallyvane";
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        SaveThroughDialog(window, file, ID_FILE_SAVE);
        // A schedule changed since the closing file was saved.
        WriteBytes(File("part3.txt"), "\r\n900.00\r\n");
        TypeAndLeave(window, IDC_MONTHS1, "3", IDC_MONTHS2);
        EXPECT_TRUE(PumpUntil(
            [&] { return ReadClosingFile(file).contents.formFile->substr(0, 3) == "3\r\n"; }));
        const ClosingContents saved = ReadClosingFile(file).contents;
        for (int item = 1; item <= kEscrowItems; ++item)
            EXPECT_EQ(saved.scheduleFiles[item - 1], ReadBytes(File(ScheduleFileName(item))))
                << item;
        form.EndDialog(IDOK);
    });
}

// A schedule file grown larger than a closing file may be (by something other than the program)
// makes a closing that could not be opened: it is not saved, the file keeps the closing it holds
// with every schedule, and the user is told; Save says the same.
TEST_F(ClosingFilesTest, AScheduleTooLargeForTheClosingFileLeavesTheFileAsItWas)
{
    WriteBytes(File("part2.txt"), "\r\n450.00\r\n");
    const FilePath file = m_elsewhere.Path() / "grown.tallyvane";
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        SaveThroughDialog(window, file);
        const std::string saved = ReadBytes(file);
        ASSERT_NE(saved.find("450.00"), std::string::npos);

        WriteBytes(File("part5.txt"), std::string(kClosingFileSizeLimit + 1, '1'));
        std::string told;
        WhenMessageOpens(told);
        TypeAndLeave(window, IDC_MONTHS1, "3", IDC_MONTHS2);
        EXPECT_TRUE(PumpUntil([&] { return !told.empty(); }));
        EXPECT_NE(told.find("grown.tallyvane"), std::string::npos) << told;
        EXPECT_EQ(WindowCaption(window), std::wstring(L"grown.tallyvane (not saved) - ") + kTitle);
        EXPECT_EQ(ReadBytes(file), saved);

        told.clear();
        WhenMessageOpens(told);
        Command(window, ID_FILE_SAVE);
        EXPECT_NE(told.find("grown.tallyvane"), std::string::npos) << told;
        EXPECT_EQ(ReadBytes(file), saved);
        form.EndDialog(IDOK);
    });
}

// The statement of a closing with details names the borrower and the loan and says the monthly
// mortgage payment: principal and interest from the details, the escrow payment from the form.
TEST_F(ClosingFilesTest, TheStatementNamesTheLoanAndThePayment)
{
    WorkedExample::Write(m_folder);
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        WhenDialogOpens("Closing details", [](HWND details) {
            SetWideText(details, IDC_DETAILS_LOAN_NUMBER, L"2026-0142");
            SetWideText(details, IDC_DETAILS_BORROWERS, L"Zo\u00eb \u00c6r\u00f8");
            SetWideText(details, IDC_DETAILS_PRINCIPAL_AND_INTEREST, L"$1,182.10");
            ::PostMessageW(details, WM_COMMAND, IDOK, 0);
        });
        Click(window, IDC_DETAILS);
        std::wstring sentence;
        std::wstring named;
        WhenDialogOpens("Initial Escrow Account Statement", [&](HWND statement) {
            sentence = WideText(statement, IDC_STATEMENT_SENTENCE);
            named = WideText(statement, IDC_STATEMENT_DETAILS);
            PostKey(::GetFocus(), VK_ESCAPE);
        });
        Click(window, IDC_SHOW_STATEMENT);
        EXPECT_EQ(sentence, L"Your monthly mortgage payment for the coming year will be $1,432.10, "
                            L"of which $1,182.10 will be for principal and interest and $250.00 "
                            L"will go into your escrow account.");
        EXPECT_NE(named.find(L"Zo\u00eb \u00c6r\u00f8"), std::wstring::npos);
        EXPECT_NE(named.find(L"2026-0142"), std::wstring::npos);
        form.EndDialog(IDOK);
    });
}

// Closing > Whole-cent payment is the statement window's choice as a checked command: it runs the
// form's analysis at the payment as collected, is kept in the working folder, and goes with the
// closing into its file.
TEST_F(ClosingFilesTest, WholeCentPaymentIsACheckedCommandKeptWithTheClosing)
{
    WriteBytes(File("part1.txt"), "\r\n\r\n\r\n\r\n710\r\n");
    WriteBytes(File("part4.txt"), "\r\n\r\n\r\n540\r\n");
    WriteBytes(File("part6.txt"), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n2000\r\n");
    const FilePath file = m_elsewhere.Path() / "cents.tallyvane";
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        const HMENU menu = ::GetMenu(window);
        SetText(window, IDC_FIRST_PAYMENT_MONTH, "06");
        Command(window, ID_WHOLE_CENT);
        EXPECT_TRUE(::GetMenuState(menu, ID_WHOLE_CENT, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_EQ(Text(window, IDC_ADJUSTMENT), "1187.51 = $1187.51 - $0.00");
        EXPECT_EQ(ReadBytes(File("wholecent.txt")), "1\r\n");
        SaveThroughDialog(window, file);
        EXPECT_TRUE(ReadClosingFile(file).contents.wholeCentPayment);

        Command(window, ID_WHOLE_CENT);
        EXPECT_FALSE(::GetMenuState(menu, ID_WHOLE_CENT, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_EQ(Text(window, IDC_ADJUSTMENT), "1187.50 = $1187.50 - $0.00");
        EXPECT_TRUE(PumpUntil([&] { return !ReadClosingFile(file).contents.wholeCentPayment; }))
            << "the closing file follows the choice as it is made";
        form.EndDialog(IDOK);
    });
}

// A closing file that cannot be saved (here: made read-only) is told once, not at every change;
// the caption says "(not saved)" while the working folder keeps every figure, and the first save
// that works again takes the mark away.
TEST_F(ClosingFilesTest, AFailedSaveOfTheClosingFileIsToldOnceAndMarked)
{
    const FilePath file = m_elsewhere.Path() / "held.tallyvane";
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        SaveThroughDialog(window, file);
        ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
        const std::wstring marked = std::wstring(L"held.tallyvane (not saved) - ") + kTitle;

        std::string told;
        WhenMessageOpens(told);
        TypeAndLeave(window, IDC_MONTHS1, "5", IDC_MONTHS2);
        EXPECT_TRUE(PumpUntil([&] { return WindowCaption(window) == marked; }));
        EXPECT_NE(told.find("held.tallyvane"), std::string::npos) << told;

        // Another change: still behind, and nothing told again.
        TypeAndLeave(window, IDC_MONTHS2, "6", IDC_MONTHS3);
        EXPECT_FALSE(PumpUntil([&] { return ::GetForegroundWindow() != window; }))
            << "a second message";
        EXPECT_EQ(WindowCaption(window), marked);
        // Item 1's months, its deposit, item 2's months.
        EXPECT_EQ(ReadBytes(File("main.txt")).substr(0, 8), "5\r\n\r\n6\r\n")
            << "the working folder keeps every figure";

        ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        TypeAndLeave(window, IDC_MONTHS3, "7", IDC_MONTHS4);
        EXPECT_TRUE(PumpUntil(
            [&] { return WindowCaption(window) == L"held.tallyvane - " + std::wstring(kTitle); }));
        EXPECT_EQ(ReadClosingFile(file).contents.formFile->substr(0, 13),
                  "5\r\n\r\n6\r\n\r\n7\r\n");
        form.EndDialog(IDOK);
    });
}

// A closing handed over by a second start while a window of the form is open (here item 1's
// schedule) opens once that window is done: what was typed there stays with the closing it was
// typed for, and the handed closing comes in as its file holds it.
TEST_F(ClosingFilesTest, AClosingHandedOverWhileAScheduleIsOpenWaitsForIt)
{
    const FilePath typedFor = m_elsewhere.Path() / "typed-for.tallyvane";
    const FilePath handed = m_elsewhere.Path() / "handed.tallyvane";
    ClosingContents other;
    other.scheduleFiles[0] = "\r\n200.00\r\n";
    const std::string handedBytes = ClosingFileBytes(other);
    WriteBytes(handed, handedBytes);
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        SaveThroughDialog(window, typedFor);
        WhenDialogOpens(ScheduleCaption(1).c_str(), [&](HWND schedule) {
            SetText(schedule, IDC_JANUARY, "999");
            HandOver(window, handed);
            PumpPending();
            ::PostMessageW(schedule, WM_COMMAND, IDOK, 0);
        });
        Click(window, IDC_ITEM1);
        EXPECT_TRUE(PumpUntil([&] {
            return WindowCaption(window) == L"handed.tallyvane - " + std::wstring(kTitle);
        }));
        EXPECT_EQ(ReadBytes(File("part1.txt")), "\r\n200.00\r\n");
        EXPECT_EQ(ReadBytes(handed), handedBytes);
        EXPECT_EQ(ReadClosingFile(typedFor).contents.scheduleFiles[0].value_or("").substr(0, 5),
                  "999\r\n");
        form.EndDialog(IDOK);
    });
}

// An open that cannot write every working file (here a read-only schedule the opened closing does
// not have) is told and leaves the closing open as it was: the files written before the refusal
// go back, so the next save of its file holds none of the other closing's figures.
TEST_F(ClosingFilesTest, AnOpenCutShortLeavesTheOpenClosingAsItWas)
{
    WriteBytes(File("part1.txt"), "\r\n100.00\r\n");
    WriteBytes(File("part2.txt"), "\r\n50.00\r\n");
    ::SetFileAttributesW(File("part2.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    const FilePath open = m_elsewhere.Path() / "open.tallyvane";
    const FilePath other = m_elsewhere.Path() / "other.tallyvane";
    ClosingContents otherClosing;
    otherClosing.scheduleFiles[0] = "\r\n200.00\r\n";
    WriteBytes(other, ClosingFileBytes(otherClosing));
    CTallyvaneDlg form;
    RunModal(form, [&] {
        const HWND window = form.m_hWnd;
        SaveThroughDialog(window, open);
        const std::vector<std::string> before = WorkingFiles();
        std::string told;
        WhenDialogOpens("Open", [&](HWND dialog) {
            WhenMessageOpens(told);
            ::SetDlgItemTextW(dialog, kFileDialogName, other.wstring().c_str());
            ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
        Command(window, ID_FILE_OPEN);
        EXPECT_NE(told.find("part2.txt"), std::string::npos) << told;
        EXPECT_EQ(WindowCaption(window), L"open.tallyvane - " + std::wstring(kTitle));
        EXPECT_EQ(WorkingFiles(), before);

        TypeAndLeave(window, IDC_MONTHS1, "3", IDC_MONTHS2);
        EXPECT_TRUE(PumpUntil(
            [&] { return ReadClosingFile(open).contents.formFile->substr(0, 3) == "3\r\n"; }));
        EXPECT_EQ(ReadClosingFile(open).contents.scheduleFiles[0], "\r\n100.00\r\n");
        ::SetFileAttributesW(File("part2.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
        form.EndDialog(IDOK);
    });
}

// A start meets the closing file as a colleague at another computer may have left it: changed
// there after this program ended, it is opened and its figures come in; changed there while this
// folder also holds figures the file never got, it is left as it is and told, and the form goes on
// with this folder's figures, untitled. Neither is ever written over.
TEST_F(ClosingFilesTest, AtStartAClosingChangedElsewhereIsOpenedOrLeftButNeverWrittenOver)
{
    const FilePath file = m_elsewhere.Path() / "shared.tallyvane";
    std::string told;
    StartForm(false, told, [&](HWND window) {
        SaveThroughDialog(window, file);
        TypeAndLeave(window, IDC_MONTHS1, "3", IDC_MONTHS2);
        EXPECT_TRUE(PumpUntil(
            [&] { return ReadClosingFile(file).contents.formFile->substr(0, 3) == "3\r\n"; }));
    });
    // Another program saves the closing with item 1's months at 9.
    const auto savedElsewhere = [&](const char* months) {
        ClosingContents theirs = ReadClosingFile(file).contents;
        theirs.formFile = months + theirs.formFile->substr(theirs.formFile->find('\r'));
        const std::string bytes = ClosingFileBytes(theirs);
        WriteBytes(file, bytes);
        return bytes;
    };
    std::string theirs = savedElsewhere("9");

    StartForm(false, told, [&](HWND window) {
        EXPECT_EQ(WindowCaption(window), L"shared.tallyvane - " + std::wstring(kTitle));
        EXPECT_EQ(Text(window, IDC_MONTHS1), "9");
        EXPECT_EQ(ReadBytes(File("main.txt")).substr(0, 3), "9\r\n");
        TypeAndLeave(window, IDC_MONTHS2, "2", IDC_MONTHS3);
        EXPECT_TRUE(PumpUntil([&] {
            return ReadClosingFile(file).contents.formFile->substr(0, 8) == "9\r\n\r\n2\r\n";
        })) << "the opened file is saved into as typed";
    });

    // A change here that never reached the file, and one saved elsewhere since.
    WriteBytes(File("main.txt"), "7" + ReadBytes(File("main.txt")).substr(1));
    theirs = savedElsewhere("8");
    StartForm(true, told, [&](HWND window) {
        EXPECT_NE(told.find("shared.tallyvane was changed by another program"), std::string::npos)
            << told;
        EXPECT_EQ(WindowCaption(window), kTitle);
        EXPECT_EQ(Text(window, IDC_MONTHS1), "7");
        TypeAndLeave(window, IDC_MONTHS3, "4", IDC_MONTHS4);
        PumpUntil([] { return false; });
    });
    EXPECT_EQ(ReadBytes(file), theirs);
    EXPECT_FALSE(std::filesystem::exists(File("closing.path")));

    // A file of a newer version, where the folder's closing file was, is left as it is too.
    ASSERT_EQ(WriteOpenClosingPath(m_folder, file), SaveFailure::None);
    const std::string newer = "Tallyvane closing file, version 2\r\n[what comes later]\r\n";
    WriteBytes(file, newer);
    StartForm(true, told, [&](HWND window) {
        EXPECT_NE(told.find("shared.tallyvane"), std::string::npos) << told;
        EXPECT_NE(told.find("untitled closing"), std::string::npos) << told;
        EXPECT_EQ(WindowCaption(window), kTitle);
        TypeAndLeave(window, IDC_MONTHS4, "5", IDC_MONTHS5);
        PumpUntil([] { return false; });
    });
    EXPECT_EQ(ReadBytes(file), newer);
}

} // namespace

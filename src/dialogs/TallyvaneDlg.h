// CTallyvaneDlg: the escrow adjustment form, the program's main window. It holds every input of
// the escrow analysis, shows its two results, opens each item's disbursement schedule from the
// item's button, opens the statement of its figures and the closing's details, keeps its inputs in
// the form file "main.txt" of the working folder and clears the working folder on Reset. Every
// event that changes a figure ends in one analysis, which reads each schedule file once.
//
// The working folder holds one closing; its File menu keeps closings in closing files: New
// closing, Open, Save, Save As and the recent closings. The caption names the closing file, with
// an asterisk while the form holds figures the file does not have.
#pragma once

#include "controls/HotEdit.h"
#include "controls/Label.h"
#include "controls/Picture.h"
#include "core/closing/ClosingAtStart.h"
#include "core/closing/ClosingFile.h"
#include "core/closing/ClosingLock.h"
#include "core/closing/WorkingClosing.h"
#include "core/escrow/EscrowAnalysis.h"
#include "core/files/SafeSave.h"
#include "core/files/SaveQueue.h"
#include "core/statement/EscrowStatement.h"
#include "dialogs/StatementDlg.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <array>
#include <atomic>
#include <optional>
#include <vector>

// Posted to the form when a save of its closing file ended.
constexpr UINT kClosingSavedMessage = WM_APP + 1;
// Posted to the form to open the closing file another start of the program handed over.
constexpr UINT kOpenHandedClosingMessage = WM_APP + 2;
// Posted at start when the closing file was left as it is: the form tells why once it shows.
constexpr UINT kTellClosingLeftMessage = WM_APP + 3;
// The WM_COPYDATA kind with which a second start hands its closing file (a UTF-16 path) over.
constexpr ULONG_PTR kOpenClosingData = 0x54560001;

class CTallyvaneDlg : public CDialog
{
public:
    explicit CTallyvaneDlg(CWnd* parent = nullptr);

    // Runs the form; when it returns, every save asked for as the user typed is done.
    INT_PTR DoModal() override;

    // The closing file to open once the form shows (the program's command line), as File > Open
    // would open it.
    void OpenAtStart(FilePath closingFile) { m_openAtStart = std::move(closingFile); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Escape end the form as in any dialog, but keep the user's figures first.
    void OnOK() override;
    void OnCancel() override;
    // Saves the form before it closes. When the save fails the user is told why and chooses:
    // retry, close without saving, or (Escape) go back to the form. True when the form may close.
    bool SaveBeforeClosing();

    // Every field and item button to its default text; no file and no analysis is touched.
    void ClearForm();
    // Writes the form file from the boxes and the "two months" state.
    SaveFailure SaveForm();
    // Fills the boxes and the "two months" state from the form file, then shows every item's
    // total on its button and the figures of one analysis; gives the schedules it read.
    WorkingSchedules LoadForm();
    // Runs the schedule dialog of escrow item 1 to 8.
    void EditSchedule(int item);

    // The analysis: reads the schedule files and shows the monthly payment and the result.
    void Recalculate();
    // Whether the cushion follows the payment: "two months" is on.
    bool TwoMonthsOn() const { return m_bTwoMonths != 0; }
    // Switches "Whole-cent payment" and keeps the choice in the working folder; a failed save is
    // told, and the choice still holds while the program runs.
    void SetWholeCentPayment(bool on);

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    // An item's schedule button: the schedule dialog, then the item's new total and the figures.
    void OnItemButton(UINT id);
    // The "two months" box clicked. While it is on, every analysis first sets the cushion to two
    // monthly payments and the cushion box is read-only; switching it off keeps the last cushion.
    void OnTwoMonths();
    // A box lost the focus; leaving one the analysis reads runs it.
    void OnKillFocusInput(UINT id);
    // The year box lost the focus: the analysis does not read it, but it is saved as typed.
    void OnKillFocusYear();
    // The user changed the text of a box the analysis reads (a key, a paste, a cut, an undo):
    // its figures show at once. Texts the program sets itself change nothing here.
    void OnChangeInput(UINT id);
    void OnClose();
    // Asks first; on Yes deletes the working folder's text files (the form file and every
    // schedule), then clears the form.
    void OnReset();
    // The analysis, as leaving a box runs it, then the statement of the same inputs in its own
    // window over the form, offering each item's suggested reserve months.
    void OnShowStatement();
    // The closing's details in their dialog; a new closing date moves the first payment to the
    // month after the next one.
    void OnDetails();
    // The File menu: New closing, Open..., Save, Save As..., a recent closing, Exit.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileRecent(UINT id);
    void OnFileExit();
    // Closing > Whole-cent payment: the same choice as the statement window's box.
    void OnWholeCentCommand();
    void OnHelpAbout();
    // A save of the closing file ended: a failure is told once, and the caption says whether the
    // file is behind the form.
    LRESULT OnClosingSaved(WPARAM failure, LPARAM);
    // Another start of the program handed over a closing file: it is kept and opened once the
    // sender has its answer, so the sender never waits on a question asked here. While a window
    // of the form's own is open (a schedule, the details, the statement, a question), what it ends
    // with belongs to the closing open now: the handed one waits until the form takes input again.
    LRESULT OnCopyData(WPARAM, LPARAM data);
    LRESULT OnOpenHandedClosing(WPARAM, LPARAM);
    LRESULT OnEnableForm(WPARAM enabled, LPARAM);
    LRESULT OnTellClosingLeft(WPARAM, LPARAM);
    // Windows is logging off or shutting down: the program never holds that up.
    BOOL OnQueryEndSession();
    // The session ends: the form is saved as at closing, without a question, since nobody is
    // there to answer one; a failed save leaves the old file whole.
    void OnEndSession(BOOL ending);

    DECLARE_MESSAGE_MAP()

private:
    // The controls of one escrow item's line.
    struct ItemControls
    {
        CHotEdit months;
        CHotEdit deposit;
        CButton button;
    };

    // The texts of the boxes the analysis reads.
    EscrowInputs ReadInputs() const;
    // Shows the figures of the boxes against the schedules as read, then saves what changed;
    // while "two months" is on, the cushion is first set to two monthly payments.
    void ShowFigures(const WorkingSchedules& schedules);
    // The figures alone, without saving: what typing shows before the focus leaves the box.
    void ShowResults(const MonthAmounts& combined);
    // The analysis, then the statement of the same inputs over the same schedules.
    EscrowStatement AnalyzeForStatement(const WorkingSchedules& schedules);
    // Writes each suggested item's reserve months and monthly deposit into its boxes; the other
    // items' boxes stay as they are.
    void UseSuggestedReserves(const CStatementDlg::Suggestions& suggestions);
    // The cushion box takes typing only while "two months" is off.
    void ShowCushionEditable();
    // Gives the boxes and buttons the names a screen reader says: the template's labels come
    // after its boxes, and an item's button shows its total.
    void NameControlsForScreenReaders();
    // The item's annual total on its button.
    void ShowItemTotal(int item, const MonthAmounts& schedule);
    // The bytes of the form file for the boxes and the "two months" state.
    std::string FormFileBytes();
    // The bytes of the form file of a new closing: empty boxes, January of the default year.
    static std::string ClearedFormFileBytes();

    // The closing the form holds now: its boxes (the form file's bytes, as FormFileBytes gives
    // them), the working folder's schedules, the details and the whole-cent choice. The schedule
    // files are those just read, if given; else they are read.
    // None when a schedule file is too large for a closing file.
    std::optional<ClosingContents> CurrentClosing(std::string formFile,
                                                  const WorkingSchedules* read = nullptr);
    // Whether the closing holds figures its closing file does not have (an untitled one: any).
    bool HoldsUnsavedFigures();
    // Asks whether to save a closing whose figures would be lost; false when the user cancels, or
    // a save chosen does not happen.
    bool SaveOrDiscardBeforeLeaving();
    // Writes the closing into the file and makes it the closing's file; a failure is told.
    bool SaveClosingAs(const FilePath& file);
    // Save As: asks for the file, then saves there; false when nothing was saved.
    bool AskAndSaveClosing();
    // Opens the closing file into the working folder and the form; a file that is not one, or
    // cannot be read, is told and changes nothing.
    bool OpenClosing(const FilePath& file);
    // Takes the lock beside the closing file; when another program holds it, says who and gives
    // false.
    bool LockClosing(const FilePath& file);
    // Gives up the lock of the open closing file, if it has one.
    void UnlockClosing();
    // At start: reads the closing file the working folder's figures belong to and chooses, from
    // the folder's closing as the form holds it, what becomes of it (see ClosingAtStart). When
    // the file is left as it is, the figures are untitled now, and why is told once the form shows.
    ClosingAtStart MeetClosingAtStart(const std::optional<FilePath>& folder,
                                      const std::optional<ClosingContents>& working);
    // The figures stay on the form and in the working folder, with no closing file: its lock is
    // given up and the folder forgets it.
    void KeepFiguresUntitled();
    // The folder the file dialogs start in: that of the closing last opened or saved.
    std::optional<FilePath> RecentFolder() const;
    // The closing file goes first in the recent closings, on disk and in the menu.
    void RememberRecent(const FilePath& file);
    // The File menu's recent closings for the list.
    void ShowRecentClosings();
    // The caption for the closing file and whether the form holds figures the file does not have.
    void ShowCaption();
    // Saves what changed as the user typed it, off the window's thread: the form file when its
    // bytes changed, and the closing file when the closing has one and it is behind. The closing's
    // schedule files are those just read, if given, so they are not read twice.
    void SaveAsTyped(const WorkingSchedules* read = nullptr);
    // The whole-cent choice's check mark in the menu.
    void ShowWholeCentChoice();

    std::array<ItemControls, kEscrowItems> m_items; // item 1 first
    CHotEdit m_editFirstPaymentMonth;
    CHotEdit m_editFirstPaymentYear;
    CHotEdit m_editCushion;
    CEdit m_editMonthlyPayment;
    CEdit m_editAdjustment;
    CLabel m_labelReserves;
    CLabel m_labelSchedule;
    CLabel m_labelFirstPayment;
    CLabel m_labelCushion;
    CLabel m_labelAdjustment;
    CPicture m_banner;
    int m_bTwoMonths;
    // "Whole-cent payment": the analysis works at the payment as collected.
    bool m_bWholeCent = false;
    // The closing's details, as its details file holds them.
    ClosingDetails m_details;
    // The closing file the figures belong to, and what it held when last opened or saved (none
    // when it could not be read).
    std::optional<FilePath> m_closingFile;
    std::optional<ClosingContents> m_savedClosing;
    std::optional<FilePath> m_openAtStart;
    std::optional<FilePath> m_handedClosing;
    std::vector<FilePath> m_recentClosings;
    // How many items of the File menu the recent closings take now, their separator with them.
    int m_recentMenuItems = 0;
    // The form file's bytes as last saved or asked to be saved, and whether the last save of the
    // closing file failed (told once until a save works again).
    std::string m_savedFormFile;
    bool m_closingFileBehind = false;
    bool m_closingFailureTold = false;
    // While set, a save as typed leaves the closing file alone: at start, until it is known what
    // becomes of the file.
    bool m_closingSavesHeld = false;
    // Why the closing file was left as it is at start, told once the form shows.
    std::wstring m_closingLeftAtStart;
    // How the last save of the closing file went, as the saving thread tells it.
    std::atomic<SaveFailure> m_lastClosingSave{SaveFailure::None};
    // This program as a closing's lock names it: the user, the computer and the process.
    ClosingLockHolder m_self;
    // The saves as typed, in order; the last one is waited for before the form closes.
    SaveQueue m_saves;
    HICON m_hIcon;
};

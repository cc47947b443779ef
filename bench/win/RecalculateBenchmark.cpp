// Recalculation speed inside the program, with a closing file open as the user has one, every
// figure beside the floor of the bare system calls the same work cannot do without:
//   - the form's Recalculate, beside opening, reading and closing the eight schedule files;
//   - a keystroke in a deposit box (the figures follow the typing), once changing the result and
//     once leaving it as it was, beside the same floor;
//   - a focus change out of a deposit box whose text changed, which recalculates and saves the
//     form file and the closing file as typed: the time the window's thread takes, and the time
//     until both saves are on disk, beside the eight files read plus one safe save of a file the
//     size of the closing file; and one out of the box unchanged, which saves nothing, beside the
//     eight files read.
// All run alternately in one process, on the form's own thread, once its window shows; medians
// and their ratios are printed, then the medians of the recalculation's parts, each timed alone,
// to show where the time beyond the floor goes.
//   recalculate_bench [ROUNDS]
#include "core/closing/ClosingFile.h"
#include "core/closing/WorkingClosing.h"
#include "core/escrow/EscrowAnalysis.h"
#include "core/escrow/Schedules.h"
#include "core/files/FileBytes.h"
#include "core/files/SafeSave.h"
#include "core/files/TextLines.h"
#include "core/files/WorkingFolder.h"
#include "core/money/NumberFormat.h"
#include "dialogs/FormItems.h"
#include "dialogs/TallyvaneDlg.h"

#include "Timing.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace
{

std::string WindowText(HWND window)
{
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// The closing the form opens: two months' reserves of $100.00 a month for every item, and a
// schedule in each item's file.
ClosingContents BenchClosing()
{
    ClosingContents closing;
    LineWriter form;
    for (int item = 1; item <= kEscrowItems; ++item)
    {
        form.WriteLine("2");
        form.WriteLine("100.00");
    }
    for (const char* line : {"05", "2026", "0", "200.00"})
        form.WriteLine(line);
    closing.formFile = form.Bytes();
    LineWriter schedule;
    for (int month = 1; month <= kMonths; ++month)
        schedule.WriteLine(month % 3 == 0 ? "$1,234.56" : "600.00");
    for (std::optional<std::string>& file : closing.scheduleFiles)
        file = schedule.Bytes();
    return closing;
}

// Dispatches what waits in the thread's queue (paints, the caret), as the loop does between the
// user's actions.
void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Takes the form's word that a save of its closing file ended off the queue; the saving thread
// saves in order, so every save asked for before it is on disk too. False when none came within
// five seconds.
bool TakeClosingSaved(HWND form, MSG& msg)
{
    const double limit = Now() + 5;
    while (!::PeekMessageA(&msg, form, kClosingSavedMessage, kClosingSavedMessage, PM_REMOVE))
        if (Now() > limit || ::MsgWaitForMultipleObjectsEx(0, nullptr, 5000, QS_POSTMESSAGE,
                                                           MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT)
            return false;
    return true;
}

// The form, measuring itself once its window shows.
class MeasuredForm : public CTallyvaneDlg
{
public:
    MeasuredForm(int rounds, FilePath closingFile)
        : m_rounds(rounds), m_closingFile(std::move(closingFile))
    {
    }

    // Whether every round did what it measures: a save after each focus change, and a keystroke
    // that reached the figures.
    bool Measured() const { return m_measured; }

protected:
    BOOL OnInitDialog() override
    {
        CTallyvaneDlg::OnInitDialog();
        s_form = this;
        ::SetTimer(m_hWnd, 1, 0, MeasureOnce);
        return TRUE;
    }

private:
    static void CALLBACK MeasureOnce(HWND window, UINT, UINT_PTR timer, DWORD)
    {
        ::KillTimer(window, timer);
        s_form->Measure();
        s_form->EndDialog(IDOK);
    }
    void Measure();

    static MeasuredForm* s_form;
    int m_rounds;
    FilePath m_closingFile;
    bool m_measured = false;
};

MeasuredForm* MeasuredForm::s_form = nullptr;

void MeasuredForm::Measure()
{
    std::vector<FilePath> files;
    for (int item = 1; item <= kEscrowItems; ++item)
        files.push_back(ScheduleFilePath(WorkingFolder(), item).value());
    char buffer[4096];
    const auto readFloor = [&] {
        for (const FilePath& file : files)
        {
            HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            DWORD got = 0;
            ReadFile(handle, buffer, sizeof buffer, &got, nullptr);
            CloseHandle(handle);
        }
    };
    // One safe save of a file the size of the closing file, beside it.
    const FilePath floorFile = m_closingFile.parent_path() / "floor.tallyvane";
    const std::string closingBytes = ReadFileBytes(m_closingFile, kClosingFileSizeLimit).bytes;
    const std::string floorBytes(closingBytes.size(), 'x');
    const ClosingContents closing = ParseClosingFile(closingBytes).contents;

    // The boxes' handles, as the form holds them.
    const auto box = [this](int id) { return ::GetDlgItem(m_hWnd, id); };
    std::vector<HWND> inputBoxes;
    for (const FormItem& item : kFormItems)
    {
        inputBoxes.push_back(box(item.monthsBox));
        inputBoxes.push_back(box(item.depositBox));
    }
    const HWND typedBox = box(kFormItems[0].depositBox);
    const HWND nextBox = box(kFormItems[1].monthsBox);
    const HWND monthBox = box(IDC_FIRST_PAYMENT_MONTH);
    const HWND cushionBox = box(IDC_CUSHION);
    const HWND paymentBox = box(IDC_MONTHLY_PAYMENT);
    const HWND resultBox = box(IDC_ADJUSTMENT);
    WorkingSchedules schedules;
    EscrowInputs inputs;
    const std::string payment = WindowText(paymentBox);
    const std::string result = WindowText(resultBox);
    const std::string changed = result + " ";
    volatile bool unchanged = true;
    const struct
    {
        const char* name;
        std::function<void()> run;
    } parts[] = {
        {"reading the schedule files", [&] { schedules = ReadWorkingSchedules(WorkingFolder()); }},
        {"reading the inputs' texts",
         [&] {
             for (int index = 0; index < kEscrowItems; ++index)
             {
                 inputs.reserveMonths[index] = WindowText(inputBoxes[2 * index]);
                 inputs.monthlyDeposits[index] = WindowText(inputBoxes[2 * index + 1]);
             }
             inputs.firstPaymentMonth = WindowText(monthBox);
             inputs.cushion = WindowText(cushionBox);
         }},
        {"the arithmetic and its texts",
         [&] {
             const EscrowFigures figures = AnalyzeEscrow(MonthAmounts{}, inputs);
             TwoDecimalText(figures.monthlyPayment);
             ResultText(figures);
         }},
        {"comparing the two results",
         [&] { unchanged = WindowText(paymentBox) == payment && WindowText(resultBox) == result; }},
        // What a recalculation whose result changed adds: a new text, and the old one back.
        {"writing a changed result, twice",
         [&] {
             ::SetWindowTextA(resultBox, changed.c_str());
             ::SetWindowTextA(resultBox, result.c_str());
         }},
        {"the data exchange", [this] { UpdateData(TRUE); }},
        // What a save as typed of the closing adds on the window's thread.
        {"the closing file's bytes", [&] { ClosingFileBytes(closing); }},
    };

    // A text that differs from the one saved last: the rounds alternate two amounts, the form
    // holding the first.
    const char* const typedTexts[] = {"100.00", "100.50"};
    std::vector<double> recalculate, bare, focusHandler, focusChange, untilSaved, saveFloor,
        focusUnchanged, keyChanged, keyUnchanged;
    std::vector<std::vector<double>> partTimes(std::size(parts));
    bool measured = true;
    for (int round = 0; round < m_rounds; ++round)
    {
        PumpPending();
        // A focus change out of a box whose text changed, and its saves.
        ::SetFocus(typedBox);
        ::SetWindowTextA(typedBox, typedTexts[(round + 1) % 2]);
        double start = Now();
        ::SetFocus(nextBox);
        focusChange.push_back((Now() - start) * 1e6);
        MSG saved;
        if (!TakeClosingSaved(m_hWnd, saved))
        {
            std::printf("round %d: the focus change saved no closing file\n", round);
            measured = false;
            break;
        }
        untilSaved.push_back((Now() - start) * 1e6);
        ::DispatchMessageA(&saved);

        start = Now();
        readFloor();
        SaveFileSafely(floorFile, floorBytes);
        saveFloor.push_back((Now() - start) * 1e6);

        // Nothing changed since the save: leaving the box again, and a recalculation, show the
        // same and save nothing.
        ::SetFocus(typedBox);
        start = Now();
        ::SetFocus(nextBox);
        focusUnchanged.push_back((Now() - start) * 1e6);

        start = Now();
        Recalculate();
        recalculate.push_back((Now() - start) * 1e6);

        // What the form itself does when the focus leaves a changed box, without the window
        // system's moving of the focus: the recalculation with its save as typed. Then the text
        // the round began with, saved again, so that the next round's focus change saves.
        for (const bool timed : {true, false})
        {
            ::SetWindowTextA(typedBox, timed ? "100.25" : typedTexts[(round + 1) % 2]);
            start = Now();
            Recalculate();
            if (timed)
                focusHandler.push_back((Now() - start) * 1e6);
            if (!TakeClosingSaved(m_hWnd, saved))
            {
                std::printf("round %d: the recalculation saved no closing file\n", round);
                measured = false;
                break;
            }
            ::DispatchMessageA(&saved);
        }
        if (!measured)
            break;

        start = Now();
        readFloor();
        bare.push_back((Now() - start) * 1e6);

        // A keystroke typed over the box's last character: another digit, then the same again.
        PumpPending();
        ::SetFocus(typedBox);
        const auto typeOverLast = [&](char key, std::vector<double>& times) {
            const int length = ::GetWindowTextLengthA(typedBox);
            ::SendMessageA(typedBox, EM_SETSEL, length - 1, length);
            const std::string before = WindowText(resultBox);
            const double typed = Now();
            ::SendMessageA(typedBox, WM_CHAR, static_cast<WPARAM>(key), 1);
            times.push_back((Now() - typed) * 1e6);
            return WindowText(resultBox) != before;
        };
        const char key = round % 2 ? '1' : '2';
        if (!typeOverLast(key, keyChanged) || typeOverLast(key, keyUnchanged))
        {
            std::printf("round %d: the keystroke did not reach the figures as typed\n", round);
            measured = false;
            break;
        }

        for (std::size_t part = 0; part < std::size(parts); ++part)
        {
            start = Now();
            parts[part].run();
            partTimes[part].push_back((Now() - start) * 1e6);
        }
    }
    m_measured = measured;
    if (!measured)
        return;
    std::printf("recalculate median: %.1f us, file floor %.1f us, ratio %.2f (%d rounds)\n",
                Median(recalculate), Median(bare), Median(recalculate) / Median(bare), m_rounds);
    std::printf("keystroke median: result changed %.1f us, ratio %.2f; result unchanged %.1f us, "
                "ratio %.2f (file floor as above)\n",
                Median(keyChanged), Median(keyChanged) / Median(bare), Median(keyUnchanged),
                Median(keyUnchanged) / Median(bare));
    std::printf("focus change with its save, the form's handler median: %.1f us, ratio %.2f to "
                "the files and one safe save\n",
                Median(focusHandler), Median(focusHandler) / Median(saveFloor));
    std::printf("focus change with its save, the focus moved median: window's thread %.1f us, "
                "ratio %.2f; until "
                "saved %.1f us, ratio %.2f; floor (files and one safe save of %zu bytes) %.1f us\n",
                Median(focusChange), Median(focusChange) / Median(saveFloor), Median(untilSaved),
                Median(untilSaved) / Median(saveFloor), floorBytes.size(), Median(saveFloor));
    std::printf("focus change out of an unchanged box median: %.1f us, ratio %.2f (file floor as "
                "above)\n",
                Median(focusUnchanged), Median(focusUnchanged) / Median(bare));
    for (std::size_t part = 0; part < std::size(parts); ++part)
        std::printf("  %-30s %8.1f us\n", parts[part].name, Median(partTimes[part]));
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
    const FilePath folder = WorkingFolder().value();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const FilePath scratch = std::filesystem::temp_directory_path() / "tallyvane-recalculate-bench";
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch);
    const FilePath closingFile = scratch / "Bench.tallyvane";
    if (SaveClosingFile(closingFile, BenchClosing()) != SaveFailure::None)
    {
        std::printf("could not save %s\n", closingFile.u8string().c_str());
        return 1;
    }
    bool measured = false;
    {
        MeasuredForm form(rounds, closingFile);
        form.OpenAtStart(closingFile);
        form.DoModal();
        measured = form.Measured();
    }
    std::filesystem::remove_all(folder);
    std::filesystem::remove_all(scratch);
    return measured ? 0 : 1;
}

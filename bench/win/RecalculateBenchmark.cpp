// Recalculation speed inside the program: the form's Recalculate beside the floor of opening,
// reading and closing the same eight schedule files with the bare system calls, interleaved in
// one process. Medians and their ratio are printed, then the medians of the recalculation's
// parts, each timed alone, to show where the time beyond the floor goes.
//   recalculate_bench [ROUNDS]
#include "core/escrow/EscrowAnalysis.h"
#include "core/escrow/Schedules.h"
#include "core/files/WorkingFolder.h"
#include "core/money/NumberFormat.h"
#include "dialogs/FormItems.h"
#include "dialogs/TallyvaneDlg.h"

#include "Timing.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
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

// The form, measuring itself once its window and controls exist.
class MeasuredForm : public CTallyvaneDlg
{
public:
    explicit MeasuredForm(int rounds) : m_rounds(rounds) {}

protected:
    BOOL OnInitDialog() override
    {
        CTallyvaneDlg::OnInitDialog();
        std::vector<FilePath> files;
        for (int item = 1; item <= kEscrowItems; ++item)
            files.push_back(ScheduleFilePath(WorkingFolder(), item).value());
        char buffer[4096];
        const std::function<void()> floor = [&] {
            for (const FilePath& file : files)
            {
                HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
                DWORD got = 0;
                ReadFile(handle, buffer, sizeof buffer, &got, nullptr);
                CloseHandle(handle);
            }
        };
        // The boxes' handles, as the form holds them.
        const auto box = [this](int id) { return ::GetDlgItem(m_hWnd, id); };
        std::vector<HWND> inputBoxes;
        for (const FormItem& item : kFormItems)
        {
            inputBoxes.push_back(box(item.monthsBox));
            inputBoxes.push_back(box(item.depositBox));
        }
        const HWND monthBox = box(IDC_FIRST_PAYMENT_MONTH);
        const HWND cushionBox = box(IDC_CUSHION);
        const HWND paymentBox = box(IDC_MONTHLY_PAYMENT);
        const HWND resultBox = box(IDC_ADJUSTMENT);
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
            {"reading the schedule files", [] { ReadItemSchedules(WorkingFolder()); }},
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
             [&] {
                 unchanged = WindowText(paymentBox) == payment && WindowText(resultBox) == result;
             }},
            // What a recalculation whose result changed adds: a new text, and the old one back.
            {"writing a changed result, twice",
             [&] {
                 ::SetWindowTextA(resultBox, changed.c_str());
                 ::SetWindowTextA(resultBox, result.c_str());
             }},
            {"the data exchange", [this] { UpdateData(TRUE); }},
        };

        std::vector<double> recalculate, bare;
        std::vector<std::vector<double>> partTimes(std::size(parts));
        for (int round = 0; round < m_rounds; ++round)
        {
            double start = Now();
            Recalculate();
            recalculate.push_back((Now() - start) * 1e6);

            start = Now();
            floor();
            bare.push_back((Now() - start) * 1e6);

            for (std::size_t part = 0; part < std::size(parts); ++part)
            {
                start = Now();
                parts[part].run();
                partTimes[part].push_back((Now() - start) * 1e6);
            }
        }
        std::printf("recalculate median: %.1f us, file floor %.1f us, ratio %.2f (%d rounds)\n",
                    Median(recalculate), Median(bare), Median(recalculate) / Median(bare),
                    m_rounds);
        for (std::size_t part = 0; part < std::size(parts); ++part)
            std::printf("  %-30s %8.1f us\n", parts[part].name, Median(partTimes[part]));
        EndDialog(IDOK);
        return TRUE;
    }

private:
    int m_rounds;
};

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
    const FilePath folder = WorkingFolder().value();
    std::filesystem::create_directories(folder);
    for (int item = 1; item <= kEscrowItems; ++item)
    {
        std::ofstream out(folder / ScheduleFileName(item), std::ios::binary);
        for (int month = 1; month <= kMonths; ++month)
            out << (month % 3 == 0 ? "$1,234.56" : "600.00") << "\r\n";
    }
    MeasuredForm form(rounds);
    form.DoModal();
    std::filesystem::remove_all(folder);
    return 0;
}

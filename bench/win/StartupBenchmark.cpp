// Start-up speed: from process start until the form shows its results (eight schedule files and
// a form file present, so nine analyses run), beside a bare program that only shows the same
// dialog template. Both run alternately in scratch folders; medians and their ratio are printed.
//   startup_bench [ROUNDS]
#include "BuiltFile.h"
#include "FormFile.h"
#include "RemoteWindow.h"
#include "TempFolder.h"

#include "core/escrow/Schedules.h"
#include "core/files/WorkingFolder.h"
#include "res/resource.h"

#include "Timing.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace
{

// How often the window is looked for, in milliseconds: finely, since the automation client's usual
// 20 would round every start up to its next look and hide a difference of that size.
constexpr DWORD kPoll = 1;

// Milliseconds from CreateProcess until the window shows and `ready` holds; the program is then
// closed and waited for.
template <class Ready>
double TimeStart(const FilePath& program, const FilePath& folder, Ready ready)
{
    const double start = Now();
    RemoteProgram running(program.wstring(), folder.wstring());
    const RemoteDialog form =
        RemoteDialog::WaitFor("Aggregate Escrow Adjustment", running.ProcessId(), 20000, kPoll);
    while (form && !ready(form))
        Sleep(0);
    const double elapsed = (Now() - start) * 1000;
    form.PostClose();
    running.WaitForExit(20000);
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    const FilePath scratch = std::filesystem::temp_directory_path() / "tallyvane-startup-bench";
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch / "current");
    std::filesystem::copy_file(BuiltFile(TALLYVANE_PROGRAM), scratch / "Tallyvane.exe");
    std::filesystem::copy_file(BuiltFile(TALLYVANE_BARE_DIALOG), scratch / "bare_dialog.exe");
    for (int item = 1; item <= 8; ++item)
    {
        std::ofstream out(scratch / "current" / ScheduleFileName(item), std::ios::binary);
        for (int month = 1; month <= 12; ++month)
            out << (month % 3 == 0 ? "$1,234.56" : "600.00") << "\r\n";
    }
    std::string items;
    for (int item = 1; item <= 8; ++item)
        items += "3\r\n$125.00\r\n";
    const std::string formFile = FormFile(items, "0", "500.00");

    std::vector<double> program, bare;
    for (int round = 0; round < rounds; ++round)
    {
        // Closing saves the form file; each start finds the same one.
        WriteBytes(scratch / "current" / "main.txt", formFile);
        program.push_back(TimeStart(scratch / "Tallyvane.exe", scratch, [](const RemoteDialog& f) {
            return !f.Text(IDC_ADJUSTMENT).empty() && f.Text(IDC_ITEM8) != "Button8";
        }));
        bare.push_back(TimeStart(scratch / "bare_dialog.exe", scratch,
                                 [](const RemoteDialog&) { return true; }));
    }
    std::filesystem::remove_all(scratch);
    std::printf("start-up median: program %.1f ms, bare dialog %.1f ms, ratio %.2f (%d rounds)\n",
                Median(program), Median(bare), Median(program) / Median(bare), rounds);
    return 0;
}

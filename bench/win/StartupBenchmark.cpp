// Start-up speed: from process start until the form shows its results (eight schedule files and
// a form file present, so nine analyses run), beside a bare program that only shows the same
// dialog template; and the same figures opened from a closing file named on the command line
// into an empty working folder. All run alternately in scratch folders; medians, their ratio, and
// what each start spends beyond the bare dialog are printed.
//   startup_bench [ROUNDS]
#include "BuiltFile.h"
#include "FormFile.h"
#include "RemoteWindow.h"
#include "TempFolder.h"

#include "core/closing/WorkingClosing.h"
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
double TimeStart(const FilePath& program, const FilePath& folder, Ready ready,
                 const std::string& caption = "Aggregate Escrow Adjustment",
                 const std::wstring& arguments = L"")
{
    const double start = Now();
    RemoteProgram running(program.wstring(), folder.wstring(), arguments);
    const RemoteDialog form = RemoteDialog::WaitFor(caption, running.ProcessId(), 20000, kPoll);
    while (form && !ready(form))
        Sleep(0);
    const double elapsed = (Now() - start) * 1000;
    form.PostClose();
    running.WaitForExit(20000);
    return elapsed;
}

// Removes the scratch folder. Under Wine the folder is now and then refused for a moment after
// the last program in it has ended (the system still holds it); it is tried again for up to five
// seconds rather than losing the run's figures.
void RemoveScratch(const FilePath& scratch)
{
    std::error_code refused;
    for (int attempt = 0; attempt < 50; ++attempt)
    {
        std::filesystem::remove_all(scratch, refused);
        if (!refused)
            return;
        Sleep(100);
    }
    std::printf("could not remove %s: %s\n", scratch.u8string().c_str(), refused.message().c_str());
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    const FilePath scratch = std::filesystem::temp_directory_path() / "tallyvane-startup-bench";
    RemoveScratch(scratch);
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

    // The same figures as one closing file.
    WriteBytes(scratch / "current" / "main.txt", formFile);
    const FilePath closing = scratch / "bench.tallyvane";
    SaveClosingFile(closing, *ReadWorkingClosing(scratch / "current"));
    const auto showsResults = [](const RemoteDialog& f) {
        return !f.Text(IDC_ADJUSTMENT).empty() && f.Text(IDC_ITEM8) != "Button8";
    };

    std::vector<double> program, bare, opened;
    for (int round = 0; round < rounds; ++round)
    {
        // Closing saves the form file; each start finds the same one.
        WriteBytes(scratch / "current" / "main.txt", formFile);
        program.push_back(TimeStart(scratch / "Tallyvane.exe", scratch, showsResults));
        bare.push_back(TimeStart(scratch / "bare_dialog.exe", scratch,
                                 [](const RemoteDialog&) { return true; }));
        // An empty working folder, and the closing file on the command line.
        for (const auto& entry : std::filesystem::directory_iterator(scratch / "current"))
            std::filesystem::remove(entry.path());
        opened.push_back(TimeStart(scratch / "Tallyvane.exe", scratch, showsResults,
                                   "bench.tallyvane - Aggregate Escrow Adjustment",
                                   L"\"" + closing.wstring() + L"\""));
        for (const auto& entry : std::filesystem::directory_iterator(scratch / "current"))
            std::filesystem::remove(entry.path());
        for (int item = 1; item <= 8; ++item)
            WriteBytes(scratch / "current" / ScheduleFileName(item),
                       *ReadClosingFile(closing).contents.scheduleFiles[item - 1]);
    }
    RemoveScratch(scratch);
    std::printf("start-up median: program %.1f ms, bare dialog %.1f ms, ratio %.2f (%d rounds)\n",
                Median(program), Median(bare), Median(program) / Median(bare), rounds);
    std::printf("opening a closing file at start: %.1f ms, ratio to the program's start %.2f; "
                "beyond the bare dialog %.1f ms against %.1f ms, ratio %.2f\n",
                Median(opened), Median(opened) / Median(program), Median(opened) - Median(bare),
                Median(program) - Median(bare),
                (Median(opened) - Median(bare)) / (Median(program) - Median(bare)));
    return 0;
}

// Recalculation speed inside the program: the form's Recalculate beside the floor of opening,
// reading and closing the same eight schedule files with the bare system calls, interleaved in
// one process. Medians and their ratio are printed.
//   recalculate_bench [ROUNDS]
#include "core/Schedules.h"
#include "core/WorkingFolder.h"
#include "dialogs/TallyvaneDlg.h"

#include "Timing.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace
{

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
        for (int item = 1; item <= 8; ++item)
            files.push_back(ScheduleFilePath(WorkingFolder(), item).value());
        std::vector<double> recalculate, floor;
        char buffer[4096];
        for (int round = 0; round < m_rounds; ++round)
        {
            double start = Now();
            Recalculate();
            recalculate.push_back((Now() - start) * 1e6);

            start = Now();
            for (const FilePath& file : files)
            {
                HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
                DWORD got = 0;
                ReadFile(handle, buffer, sizeof buffer, &got, nullptr);
                CloseHandle(handle);
            }
            floor.push_back((Now() - start) * 1e6);
        }
        std::printf("recalculate median: %.1f us, file floor %.1f us, ratio %.2f (%d rounds)\n",
                    Median(recalculate), Median(floor), Median(recalculate) / Median(floor),
                    m_rounds);
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
    for (int item = 1; item <= 8; ++item)
    {
        std::ofstream out(folder / ScheduleFileName(item), std::ios::binary);
        for (int month = 1; month <= 12; ++month)
            out << (month % 3 == 0 ? "$1,234.56" : "600.00") << "\r\n";
    }
    MeasuredForm form(rounds);
    form.DoModal();
    std::filesystem::remove_all(folder);
    return 0;
}

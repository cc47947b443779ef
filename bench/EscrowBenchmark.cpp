// Speed of the money text, of the analysis arithmetic on its own, and of one whole analysis from
// eight schedule files on disk, beside the floor that no analysis can beat: opening, reading and
// closing the same eight files with the bare system calls.
#include "core/escrow/EscrowAnalysis.h"
#include "core/escrow/Schedules.h"
#include "core/files/TextLines.h"
#include "core/money/NumberFormat.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace
{

// A working folder holding eight full schedules, as a closing with every item would have.
class ScheduleFolder
{
public:
    ScheduleFolder()
    {
        m_folder = std::filesystem::temp_directory_path() /
                   ("tallyvane-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_folder);
        for (int item = 1; item <= kEscrowItems; ++item)
        {
            std::ofstream out(m_folder / ScheduleFileName(item), std::ios::binary);
            for (int month = 1; month <= kMonths; ++month)
                out << (month % 3 == 0 ? "$1,234.56" : month % 3 == 1 ? "600.00" : "") << "\r\n";
        }
    }
    ~ScheduleFolder() { std::filesystem::remove_all(m_folder); }
    const FilePath& Path() const { return m_folder; }

private:
    FilePath m_folder;
};

const ScheduleFolder& Folder()
{
    static const ScheduleFolder folder;
    return folder;
}

void ParseMoneyText(benchmark::State& state)
{
    const std::string text = "$1,234,567.89";
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseMoney(text));
}
BENCHMARK(ParseMoneyText);

void FormatMoneyText(benchmark::State& state)
{
    for (auto _ : state)
    {
        std::string text = "$1234567.89";
        FormatMoney(text);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(FormatMoneyText);

void TwoDecimals(benchmark::State& state)
{
    double amount = 1234.125;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(amount);
        benchmark::DoNotOptimize(TwoDecimalText(amount));
    }
}
BENCHMARK(TwoDecimals);

EscrowInputs FullInputs()
{
    EscrowInputs inputs;
    inputs.firstPaymentMonth = "05";
    inputs.cushion = "500.00";
    for (int item = 0; item < kEscrowItems; ++item)
    {
        inputs.reserveMonths[item] = "3";
        inputs.monthlyDeposits[item] = "$125.00";
    }
    return inputs;
}

// The figures from schedules already in memory: what an analysis costs beyond its files.
void AnalysisArithmetic(benchmark::State& state)
{
    const EscrowInputs inputs = FullInputs();
    const MonthAmounts combined = CombinedSchedule(ReadItemSchedules(Folder().Path()));
    for (auto _ : state)
    {
        const EscrowFigures figures = AnalyzeEscrow(combined, inputs);
        benchmark::DoNotOptimize(ResultText(figures));
        benchmark::DoNotOptimize(TwoDecimalText(figures.monthlyPayment));
    }
}
BENCHMARK(AnalysisArithmetic);

void WholeAnalysis(benchmark::State& state)
{
    const EscrowInputs inputs = FullInputs();
    const std::optional<FilePath> folder = Folder().Path();
    for (auto _ : state)
    {
        const EscrowFigures figures =
            AnalyzeEscrow(CombinedSchedule(ReadItemSchedules(folder)), inputs);
        benchmark::DoNotOptimize(ResultText(figures));
        benchmark::DoNotOptimize(TwoDecimalText(figures.monthlyPayment));
    }
}
BENCHMARK(WholeAnalysis);

// The floor: the same eight files opened, read whole and closed, nothing else.
void FileFloor(benchmark::State& state)
{
    std::string paths[kEscrowItems];
    for (int item = 1; item <= kEscrowItems; ++item)
        paths[item - 1] = (Folder().Path() / ScheduleFileName(item)).string();
    char buffer[4096];
    for (auto _ : state)
    {
        for (const std::string& path : paths)
        {
            const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
            benchmark::DoNotOptimize(read(file, buffer, sizeof buffer));
            close(file);
        }
    }
}
BENCHMARK(FileFloor);

} // namespace

BENCHMARK_MAIN();

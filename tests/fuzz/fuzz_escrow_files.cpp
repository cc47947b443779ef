// Any bytes as a schedule file and as the form file: the inputs are read by the line rules, the
// analysis runs, and every figure comes out as two-decimal text (or inf, -inf, nan for amounts
// beyond the range of a double), never anything else.
#include "core/escrow/EscrowAnalysis.h"
#include "core/escrow/Schedules.h"
#include "core/files/TextLines.h"
#include "core/money/NumberFormat.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace
{

bool IsFigure(const std::string& text)
{
    if (text == "inf" || text == "-inf" || text == "nan")
        return true;
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point == i || text.size() != point + 3)
        return false;
    for (; i < text.size(); ++i)
        if (i != point && (text[i] < '0' || text[i] > '9'))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FilePath folder = [] {
        const FilePath made = std::filesystem::temp_directory_path() /
                              ("tallyvane-fuzz-files-" + std::to_string(getpid()));
        std::filesystem::create_directories(made);
        return made;
    }();
    for (const char* name : {"part1.txt", "main.txt"})
        if (FILE* out = std::fopen((folder / name).c_str(), "wb"))
        {
            std::fwrite(data, 1, size, out);
            std::fclose(out);
        }

    // The form file's twenty lines, as the form reads them.
    EscrowInputs inputs;
    LineReader in(folder / "main.txt");
    for (int item = 0; item < kEscrowItems; ++item)
    {
        inputs.reserveMonths[item] = in.ReadLine();
        inputs.monthlyDeposits[item] = in.ReadLine();
    }
    inputs.firstPaymentMonth = in.ReadLine();
    in.ReadLine();
    ParseWholeNumber(in.ReadLine());
    inputs.cushion = in.ReadLine();

    const ItemSchedules items = ReadItemSchedules(folder);
    const EscrowFigures figures = AnalyzeEscrow(CombinedSchedule(items), inputs);
    const std::string result = ResultText(figures);
    const std::size_t equals = result.find(" = $");
    const std::size_t minus = result.find(" - $", equals);
    if (equals == std::string::npos || minus == std::string::npos ||
        !IsFigure(result.substr(0, equals)) ||
        !IsFigure(result.substr(equals + 4, minus - equals - 4)) ||
        !IsFigure(result.substr(minus + 4)) || !IsFigure(TwoDecimalText(figures.monthlyPayment)))
        std::abort();
    if (ItemTotalText(items[0]).rfind('$', 0) != 0)
        std::abort();
    return 0;
}

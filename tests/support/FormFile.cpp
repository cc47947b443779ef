#include "FormFile.h"

#include "TempFolder.h"

#include <algorithm>

std::string FormFile(std::string items, const std::string& flag, const std::string& cushion)
{
    for (auto lines = std::count(items.begin(), items.end(), '\n'); lines < 16; ++lines)
        items += "\r\n";
    return items + "05\r\n2004\r\n" + flag + "\r\n" + cushion + "\r\n";
}

void WorkedExample::Write(const FilePath& folder)
{
    WriteBytes(folder / "part1.txt", "\r\n\r\n600.00\r\n");
    WriteBytes(folder / "part2.txt",
               "\r\n\r\n\r\n\r\n\r\n1200\r\n\r\n\r\n\r\n\r\n\r\n$1,200.00\r\n");
    WriteBytes(
        folder / "main.txt",
        FormFile(std::string(kMonths1) + "\r\n" + kDeposit1 + "\r\n6\r\n$200.00\r\n", "0", ""));
}

EscrowInputs WorkedExample::Inputs()
{
    EscrowInputs inputs;
    inputs.reserveMonths[0] = kMonths1;
    inputs.monthlyDeposits[0] = kDeposit1;
    inputs.reserveMonths[1] = "6";
    inputs.monthlyDeposits[1] = "$200.00";
    inputs.firstPaymentMonth = "05";
    return inputs;
}

// Any text through FormatMoney, and any amount's "$" two-decimal text through it as the program
// passes it: the money text must keep the amount.
#include "core/money/NumberFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string formatted = text;
    FormatMoney(formatted);

    const double amount = ParseMoney(text);
    if (!std::isfinite(amount))
        return 0;
    const std::string twoDecimals = TwoDecimalText(amount);
    std::string money = "$" + twoDecimals;
    FormatMoney(money);
    if (money[0] != '$' || ParseMoney(money) != ParseMoney(twoDecimals))
        std::abort();
    return 0;
}

// Any text: ParseMoney gives a value, and a finite value survives the two-decimal text.
#include "core/money/NumberFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double amount = ParseMoney(text);
    ParsePercent(text);
    const std::string twoDecimals = TwoDecimalText(amount);
    if (std::isfinite(amount) && std::fabs(amount) < 1e15)
    {
        // The two-decimal text reads back within half a cent (and a little for the 17 digits).
        const double back = ParseMoney(twoDecimals);
        if (std::fabs(back - amount) > 0.005 + std::fabs(amount) * 1e-15)
            std::abort();
    }
    return 0;
}

#include "core/escrow/Schedules.h"

#include "core/files/TextLines.h"
#include "core/money/NumberFormat.h"

std::string ScheduleFileName(int item)
{
    return "part" + std::to_string(item) + ".txt";
}

std::optional<FilePath> ScheduleFilePath(const std::optional<FilePath>& folder, int item)
{
    if (!folder)
        return std::nullopt;
    return *folder / ScheduleFileName(item);
}

namespace
{

MonthAmounts AmountsOf(LineReader& reader)
{
    MonthAmounts amounts{};
    for (double& amount : amounts)
        amount = ParseMoney(reader.ReadLine());
    return amounts;
}

} // namespace

MonthAmounts ReadScheduleAmounts(const std::optional<FilePath>& file)
{
    LineReader reader(file);
    return AmountsOf(reader);
}

MonthAmounts ScheduleAmounts(std::string_view bytes)
{
    LineReader reader(bytes);
    return AmountsOf(reader);
}

ItemSchedules ReadItemSchedules(const std::optional<FilePath>& folder)
{
    ItemSchedules items{};
    for (int item = 1; item <= kEscrowItems; ++item)
        items[item - 1] = ReadScheduleAmounts(ScheduleFilePath(folder, item));
    return items;
}

MonthAmounts CombinedSchedule(const ItemSchedules& items)
{
    MonthAmounts combined{};
    for (const MonthAmounts& amounts : items)
        for (int month = 0; month < kMonths; ++month)
            combined[month] = amounts[month] + combined[month];
    return combined;
}

double AnnualTotal(const MonthAmounts& schedule)
{
    double total = 0;
    for (double amount : schedule)
        total += amount;
    return total;
}

std::string ItemTotalText(const MonthAmounts& schedule)
{
    std::string text = "$" + TwoDecimalText(AnnualTotal(schedule));
    FormatMoney(text);
    return text;
}

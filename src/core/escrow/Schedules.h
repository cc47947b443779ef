// The escrow items' disbursement schedules: one file of twelve amounts per item in the working
// folder, read into month tables, and the totals made from them.
#pragma once

#include "core/escrow/MonthAmounts.h"
#include "core/files/WorkingFolder.h"

#include <optional>
#include <string>
#include <string_view>

// The name of escrow item N's schedule file: "part", N in decimal, ".txt".
std::string ScheduleFileName(int item);

// The schedule file of escrow item N (1 to 8) in the given working folder.
std::optional<FilePath> ScheduleFilePath(const std::optional<FilePath>& folder, int item);

// The twelve amounts of a schedule file, read as money text, January first. Missing lines, and
// a file that cannot be opened, count 0; lines after the twelfth are not read.
MonthAmounts ReadScheduleAmounts(const std::optional<FilePath>& file);

// The twelve amounts of a schedule file's bytes, as ReadScheduleAmounts reads the file holding
// them.
MonthAmounts ScheduleAmounts(std::string_view bytes);

// The schedules of items 1 to 8 in the working folder, each file read once.
ItemSchedules ReadItemSchedules(const std::optional<FilePath>& folder);

// The month-by-month sum of the items' schedules, added in item order.
MonthAmounts CombinedSchedule(const ItemSchedules& items);

// Everything a schedule disburses in a year, summed January to December.
double AnnualTotal(const MonthAmounts& schedule);

// A schedule's annual total as money text ("$1,234.56"), as the item's button shows it.
std::string ItemTotalText(const MonthAmounts& schedule);

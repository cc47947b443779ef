// The escrow analysis arithmetic, window-free: it takes the form's texts and the working
// folder's schedule files, and gives the figures and the texts the form shows.
#pragma once

#include "core/WorkingFolder.h"

#include <array>
#include <optional>
#include <string>

constexpr int kEscrowItems = 8;
constexpr int kMonths = 12;

// One amount per calendar month, index 0 = January ... 11 = December.
using MonthAmounts = std::array<double, kMonths>;

// The texts of the form's inputs that the analysis reads, item 1 first.
struct EscrowInputs
{
    std::array<std::string, kEscrowItems> reserveMonths;
    std::array<std::string, kEscrowItems> monthlyDeposits;
    std::string firstPaymentMonth;
    std::string cushion;
};

// The figures of one analysis run, unrounded.
struct EscrowFigures
{
    double monthlyPayment = 0;
    double lowPoint = 0;
    double cushion = 0;
    double initialBalance = 0;
    double reserves = 0;
    double adjustment = 0;
};

// The twelve amounts of a schedule file, read as money text, January first. Missing lines, and
// a file that cannot be opened, count 0; lines after the twelfth are not read.
MonthAmounts ReadScheduleAmounts(const std::optional<FilePath>& file);

// The schedule file of escrow item N (1 to 8) in the given working folder.
std::optional<FilePath> ScheduleFilePath(const std::optional<FilePath>& folder, int item);

// The month-by-month sum over items 1 to 8, in item order, of their schedule files.
MonthAmounts CombinedSchedule(const std::optional<FilePath>& folder);

// One twelfth of everything disbursed in a year: the months summed January to December, / 12.
double MonthlyPayment(const MonthAmounts& combined);

// The calendar month (0 = January) in which the projection starts, from the first payment month
// text: 1 is January, 13 wraps to January again, 0 is December and -1 November.
int FirstPaymentMonthIndex(const std::string& firstPaymentMonth);

// The low point of a twelve-month projection of an account that starts empty: from the first
// month on, each month one payment comes in and that month's disbursement goes out. 0 or less, or
// no number when an amount beyond the double range makes a balance none.
double ProjectLowPoint(const MonthAmounts& combined, double payment, int firstMonthIndex);

// The reserves deposited at closing: the sum over items 1 to 8 of reserve months x deposit.
double ReservesAtClosing(const EscrowInputs& inputs);

// The whole analysis from the inputs and the schedule files of the working folder.
EscrowFigures AnalyzeEscrow(const std::optional<FilePath>& folder, const EscrowInputs& inputs);

// The result text: "adjustment = $initial - $reserves", each as two-decimal text.
std::string ResultText(const EscrowFigures& figures);

// An item's annual total as money text, from its schedule file ($0.00 when it has none).
std::string ItemTotalText(const std::optional<FilePath>& scheduleFile);

// The cushion of two monthly escrow payments, as two-decimal text (doubled, then rounded once).
std::string TwoMonthsCushionText(double monthlyPayment);

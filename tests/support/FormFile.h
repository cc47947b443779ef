// The form file as the form writes it, and the worked example: two escrow items with their
// schedules on disk, and the figures the form shows for them.
#pragma once

#include "core/escrow/EscrowAnalysis.h"
#include "core/files/WorkingFolder.h"

#include <string>

// A form file of the twenty lines as the form writes them: the item lines given (months, then
// deposit, item 1 first, each line ending in CR LF), the other item lines empty, May 2004, the
// "two months" flag and the cushion.
std::string FormFile(std::string items, const std::string& flag, const std::string& cushion);

// Item 1 reserves four months of $50.00 and pays $600.00 out in March; item 2 reserves six months
// of $200.00 and pays $1,200.00 out in June and again in December; the first payment is in May.
namespace WorkedExample
{
constexpr char kMonths1[] = "4";
constexpr char kDeposit1[] = "$50.00";

// Its inputs as the form's boxes hold them: the two items' reserves and May, no cushion.
EscrowInputs Inputs();

// Writes its two schedule files and its form file ("two months" off, no cushion) into the folder.
void Write(const FilePath& folder);

// What the form shows: each item's year of payments; a twelfth of the year's $3,000.00 as the
// monthly payment; the $700.00 the account lacks at its low point, after June's payment out, as
// the initial balance, less the $1,400.00 reserved.
constexpr char kItem1[] = "$600.00";
constexpr char kItem2[] = "$2,400.00";
constexpr char kMonthlyPayment[] = "250.00";
constexpr char kAdjustment[] = "-700.00 = $700.00 - $1400.00";
// "Two months" switched on: two monthly payments become the cushion on top of the initial balance.
constexpr char kTwoMonthsCushion[] = "500.00";
constexpr char kTwoMonthsAdjustment[] = "-200.00 = $1200.00 - $1400.00";

// Item 1 typed alone over no schedule: nothing needed at the start, $200.00 reserved.
constexpr char kItem1AloneAdjustment[] = "-200.00 = $0.00 - $200.00";
} // namespace WorkedExample

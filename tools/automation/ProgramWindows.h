// The program's windows as the automation client finds them: by caption.
#pragma once

#include <windows.h>

constexpr char kFormCaption[] = "Aggregate Escrow Adjustment";
// A schedule dialog names its item: "Disbursement schedule - 1004.  County property taxes", as
// ScheduleCaption in core/escrow/ItemHeadings.h makes it.
constexpr char kStatementCaption[] = "Initial Escrow Account Statement";
// The question asked when the form cannot be saved at closing, and the message of the schedule
// dialog when its months cannot be saved.
constexpr char kMessageCaption[] = "Tallyvane";
// The identifier of a message box's text.
constexpr int kMessageBoxText = 0xFFFF;
// How long a window is waited for, in milliseconds.
constexpr DWORD kWait = 20000;

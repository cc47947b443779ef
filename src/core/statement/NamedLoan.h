// The loan a statement is for: the closing's details put on a built statement, so that every
// rendering of it names the borrowers, the property, the loan, the lender and the dates, and says
// what the monthly mortgage payment is and how much of it goes into escrow.
#pragma once

#include "core/closing/ClosingDate.h"
#include "core/closing/ClosingDetails.h"
#include "core/statement/EscrowStatement.h"

// Puts the details on the statement in place of any it held, each as the statement shows it: on
// one line (control characters as spaces, malformed UTF-8 as U+FFFD, spaces at the ends left
// off), the property address a line per line, the closing date read as a date ("March 15, 2026")
// or shown as typed when it is no date, and `madeOn` as the statement's date. A detail left blank
// shows no line. With a principal and interest, the sentence of the monthly mortgage payment: that
// amount, the statement's monthly escrow payment, and their sum, in cents. Details that are all
// blank put nothing on the statement: it shows as built.
void NameTheLoan(EscrowStatement& statement, const ClosingDetails& details,
                 const CalendarDate& madeOn);

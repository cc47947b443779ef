// The escrow analysis arithmetic, window-free and file-free: it takes the combined schedule and
// the form's texts, and gives the figures and the texts the form shows.
#pragma once

#include "core/escrow/MonthAmounts.h"

#include <array>
#include <string>

// The texts of the form's inputs that the analysis reads, item 1 first.
struct EscrowInputs
{
    std::array<std::string, kEscrowItems> reserveMonths;
    std::array<std::string, kEscrowItems> monthlyDeposits;
    std::string firstPaymentMonth;
    std::string cushion;
    // "two months": the cushion is two monthly payments, whatever the cushion text says.
    bool twoMonths = false;
    // "Whole-cent payment": the analysis works at the payment the borrower pays, the twelfth
    // rounded to the cent. Off, it works at the unrounded twelfth.
    bool wholeCentPayment = false;
};

// The figures of one analysis run: the payment and the projection unrounded (in whole cents with
// the whole-cent payment), the result in cents.
struct EscrowFigures
{
    double monthlyPayment = 0;
    double lowPoint = 0;
    double cushion = 0;
    // The two figures the result shows, each rounded to the cent, and their difference: the
    // result's equation adds up as shown.
    double initialBalance = 0;
    double reserves = 0;
    double adjustment = 0;
};

// One twelfth of everything disbursed in a year: the annual total of the combined schedule, / 12.
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

// The low point of the same projection at a payment in whole cents, each bill rounded to the cent
// as the statement rounds it: the lowest of the twelve month-end balances, each a whole cent, so
// an initial balance of the cushion less it brings the lowest month to the cushion exactly.
double ProjectLowPointInCents(const MonthAmounts& combined, double payment, int firstMonthIndex);

// The whole analysis from the combined schedule of the items and the form's inputs.
EscrowFigures AnalyzeEscrow(const MonthAmounts& combined, const EscrowInputs& inputs);

// The result text: "adjustment = $initial - $reserves", each as two-decimal text.
std::string ResultText(const EscrowFigures& figures);

// The cushion of two monthly escrow payments, as two-decimal text (doubled, then rounded once).
std::string TwoMonthsCushionText(double monthlyPayment);

// The cushion text the analysis reads: the typed one, or while "two months" is on, two payments:
// two twelfths rounded once, or with the whole-cent payment two payments as collected, never above
// one sixth of the year's disbursements rounded down to the cent (the most Regulation X allows).
std::string CushionText(const MonthAmounts& combined, const EscrowInputs& inputs);

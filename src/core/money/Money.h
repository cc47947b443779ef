// The money figures of the statement: whole cents, so that its rows add up exactly as printed.
#pragma once

#include <optional>
#include <string>

// A figure in whole cents while it lies within 2^53 cents (about ninety trillion dollars) either
// side of zero: a sum of two such figures cannot overflow, and the statement's longest sum (the
// year's bills of eight items) stays exact. A figure beyond that, an infinity or no number is held
// as the double it came from, added as the form adds, and shown as the form shows it.
struct Money
{
    std::optional<long long> cents = 0;
    double beyond = 0;
};

// The amount rounded to the cent by the two-decimal rule, so it is the cents its two-decimal text
// shows.
Money MoneyOf(double amount);

// Sums and differences: exact in cents; in doubles once either side is beyond cents or the result
// would be.
Money operator+(const Money& a, const Money& b);
Money operator-(const Money& a, const Money& b);

// The figure in dollars, for comparing figures of which one is beyond cents.
double Dollars(const Money& money);

// Whether a is below b: in cents when both are, else in dollars (no number is below nothing).
bool IsBelow(const Money& a, const Money& b);

// The figure as the statement shows it: "-" in front of a negative, "," between groups of three
// digits, the point and two decimals ("-1,040.00"); "inf", "-inf" or "nan" for a figure that is
// no finite amount, as on the form.
std::string MoneyText(const Money& money);

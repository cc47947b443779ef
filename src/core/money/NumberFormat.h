// Money text and two-decimal text: the two forms in which amounts travel between the boxes, the
// item buttons and the files. Window-free; the window-taking pair lives with the framework.
#pragma once

#include <string>

// The value of an amount text: every ",", "$" and double quote is removed, then the rest is read
// as a decimal number. Text that does not begin with a number is 0.
double ParseMoney(std::string text);

// Rewrites the text in place as money text: "$" kept in front when it had one, "-" after it for a
// negative amount, "," between groups of three digits, the point and two decimals.
void FormatMoney(std::string& text);

// Removes every "," and then every "$", in place.
void StripMoneySymbols(std::string& text);

// The value of a percentage text: every ",", "$", double quote and "%" removed, then read as a
// decimal number.
double ParsePercent(std::string text);

// The amount as two-decimal text: its decimal form to 17 significant digits (rounded half up),
// then rounded half away from zero at the second decimal; "-" for an amount below zero, no "$",
// no separators. An amount beyond the range of a double shows as "inf" or "-inf".
std::string TwoDecimalText(double amount);

// The amount rounded to the cent by the same rule as TwoDecimalText, so that it shows as the same
// text; an amount beyond the range of a double, or no number, stays as it is.
double RoundedToCents(double amount);

// Reads a decimal number at the start of the text: leading white space, an optional sign, digits
// with an optional point, an optional exponent. Stops at the first character that does not fit;
// 0 when there is no number. A magnitude beyond the range of a double gives an infinity.
double ParseDecimal(const std::string& text);

// Reads a whole number at the start of the text: leading white space, an optional sign, decimal
// digits; 0 when there are none. A value beyond the range of an int is held at that range.
int ParseWholeNumber(const std::string& text);

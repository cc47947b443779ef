// The details that name a closing: who borrows, on which property, from whom, when, and the
// monthly principal and interest. Every text is UTF-8 and kept exactly as typed; the statement
// shows them and the closing file holds them.
#pragma once

#include <string>

struct ClosingDetails
{
    std::string loanNumber;
    // One name or several, as typed.
    std::string borrowers;
    // Lines separated by "\n".
    std::string propertyAddress;
    std::string lender;
    // "YYYY-MM-DD", or empty when no date is set.
    std::string closingDate;
    // The monthly principal and interest as typed; read as every amount of the form is read.
    std::string principalAndInterest;

    bool operator==(const ClosingDetails& other) const
    {
        return loanNumber == other.loanNumber && borrowers == other.borrowers &&
               propertyAddress == other.propertyAddress && lender == other.lender &&
               closingDate == other.closingDate &&
               principalAndInterest == other.principalAndInterest;
    }
    bool operator!=(const ClosingDetails& other) const { return !(*this == other); }

    // Whether no detail is given: the statement then shows none of them.
    bool IsEmpty() const { return *this == ClosingDetails{}; }
};

#include "core/statement/StatementFileName.h"

#include <cstring>

namespace
{

bool FitsAFileName(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F && std::strchr("\\/:*?\"<>|", c) == nullptr;
}

} // namespace

std::string StatementFileName(const EscrowStatement& statement)
{
    if (statement.loanNumber.empty())
        return "Escrow statement.html";
    std::string name = "Escrow statement - ";
    for (const char c : statement.loanNumber)
        name += FitsAFileName(c) ? c : '-';
    return name + ".html";
}

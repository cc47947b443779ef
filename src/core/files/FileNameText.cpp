#include "core/files/FileNameText.h"

#include <cstring>

namespace
{

bool FitsAFileName(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F && std::strchr("\\/:*?\"<>|", c) == nullptr;
}

} // namespace

std::string FileNameText(const std::string& text)
{
    std::string name = text;
    for (char& c : name)
        if (!FitsAFileName(c))
            c = '-';
    return name;
}

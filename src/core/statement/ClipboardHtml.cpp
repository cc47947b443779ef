#include "core/statement/ClipboardHtml.h"

namespace
{

constexpr std::size_t kOffsetDigits = 10;

std::string Offset(const char* name, std::size_t offset)
{
    std::string digits = std::to_string(offset);
    digits.insert(0, kOffsetDigits - digits.size(), '0');
    return name + (":" + digits) + "\r\n";
}

// Every offset has the same number of digits, so the header is as long whatever they are.
std::string Header(std::size_t startHtml, std::size_t endHtml, std::size_t startFragment,
                   std::size_t endFragment)
{
    return "Version:0.9\r\n" + Offset("StartHTML", startHtml) + Offset("EndHTML", endHtml) +
           Offset("StartFragment", startFragment) + Offset("EndFragment", endFragment);
}

} // namespace

std::string ClipboardHtml(const std::string& fragment)
{
    const std::string before = "<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n</head>\r\n"
                               "<body>\r\n<!--StartFragment-->";
    const std::string after = "<!--EndFragment-->\r\n</body>\r\n</html>\r\n";
    const std::size_t startHtml = Header(0, 0, 0, 0).size();
    const std::size_t startFragment = startHtml + before.size();
    const std::size_t endFragment = startFragment + fragment.size();
    return Header(startHtml, endFragment + after.size(), startFragment, endFragment) + before +
           fragment + after;
}

#include "core/statement/PrintableText.h"

namespace
{

constexpr char kReplacement[] = "\xEF\xBF\xBD";

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at the position, or 0 when there is none there:
// no overlong form, no surrogate, nothing above U+10FFFF.
std::size_t SequenceLength(const std::string& text, std::size_t at)
{
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0;
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80; // the range the second byte must fall in
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (lead == 0xE0)
        low = 0xA0;
    else if (lead == 0xED)
        high = 0x9F;
    else if (lead == 0xF0)
        low = 0x90;
    else if (lead == 0xF4)
        high = 0x8F;
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!IsContinuation(byte(i)))
            return 0;
    return length;
}

} // namespace

std::string PrintableText(const std::string& text)
{
    std::string printable;
    printable.reserve(text.size());
    for (std::size_t at = 0; at < text.size();)
    {
        const std::size_t length = SequenceLength(text, at);
        const auto c = static_cast<unsigned char>(text[at]);
        if (length == 0)
            printable += kReplacement;
        else if (c < 0x20 || c == 0x7F)
            printable += ' ';
        else
            printable.append(text, at, length);
        at += length == 0 ? 1 : length;
    }
    return printable;
}

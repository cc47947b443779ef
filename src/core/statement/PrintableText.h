// Text typed by the user, made fit to appear in a message of the program's own.
#pragma once

#include <string>

// The text as valid UTF-8 on one line: each byte that does not begin a well-formed UTF-8 sequence
// becomes U+FFFD, and each control character (below 0x20, and 0x7F) a space.
std::string PrintableText(const std::string& text);

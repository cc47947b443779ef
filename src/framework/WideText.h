// UTF-8 text, as the window-free core gives it, in the wide characters the W functions take.
#pragma once

#include <string>

// The text in UTF-16; a byte that begins no well-formed UTF-8 sequence becomes U+FFFD.
std::wstring WideFromUtf8(const std::string& text);

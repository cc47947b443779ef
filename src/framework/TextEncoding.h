// Text between the encodings the program meets: the 8-bit code page of its windows and files,
// UTF-8 of the window-free texts that may hold any character, and the wide (UTF-16) text of the
// system's W functions.
#pragma once

#include <string>

// UTF-8 as wide text; a byte that begins no well-formed sequence becomes U+FFFD.
std::wstring WideFromUtf8(const std::string& text);

// Wide text as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(const std::wstring& text);

// Text of the code page (CP_ACP) as UTF-8.
std::string Utf8FromCodePage(const std::string& text);
